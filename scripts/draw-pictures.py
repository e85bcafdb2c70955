#!/usr/bin/env python3
"""Draws Ribeto's pictures and writes them into app/res/ as BMP and ICO files.

Standard library only, so that anyone can redraw them; the output is committed, so the
build itself never needs python. Running it twice gives the same bytes.

    python3 scripts/draw-pictures.py [output folder]

Small pictures are pixel art: a grid of letters, one letter per pixel, each letter a
colour of PALETTE. Pages, arrows and badges are drawn by the small functions below so
that the same shapes line up at every size.
"""

import os
import struct
import sys

# The colour that the button code makes transparent (TransparentBlt).
MAGENTA = (255, 0, 255)

PALETTE = {
    "k": (56, 56, 64),      # outline
    "w": (255, 255, 255),   # paper
    "p": (214, 218, 226),   # the folded corner of a page
    "l": (150, 156, 168),   # text on a page
    "y": (255, 244, 196),   # the renamed page
    "t": (72, 120, 200),    # text on the renamed page
    "B": (24, 60, 140),     # blue: outline
    "b": (52, 112, 214),    # blue
    "c": (132, 180, 246),   # blue: light edge
    "N": (20, 100, 36),     # green: outline
    "n": (48, 172, 72),     # green
    "m": (136, 222, 140),   # green: light edge
    "R": (140, 20, 20),     # red: outline
    "r": (224, 48, 40),     # red
    "s": (250, 140, 124),   # red: light edge
}


class Canvas:
    """Pixels as RGB tuples, None where the picture is transparent."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[None] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = PALETTE[colour] if isinstance(colour, str) else colour

    def get(self, x, y):
        return self.px[y][x]

    def grid(self, x0, y0, rows):
        """Letters of PALETTE, "." leaves the pixel as it is."""
        width = len(rows[0])
        for y, row in enumerate(rows):
            assert len(row) == width, f"ragged grid row {y}: {row!r}"
            for x, letter in enumerate(row):
                if letter != ".":
                    self.set(x0 + x, y0 + y, letter)

    def flipped(self):
        out = Canvas(self.width, self.height)
        out.px = [row[:] for row in reversed(self.px)]
        return out


def overlay(canvas, cells, fill, outline, light=None):
    """Paints a set of (x, y) cells in fill and rings them with outline (8 neighbours),
    over whatever lies beneath, so a badge stands clear of the page behind it. light
    paints the upper-left edge of the shape for a little depth."""
    cells = set(cells)
    ring = set()
    for (x, y) in cells:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in cells:
                    ring.add((x + dx, y + dy))
    for (x, y) in ring:
        canvas.set(x, y, outline)
    for (x, y) in cells:
        edge = light and ((x - 1, y) not in cells or (x, y - 1) not in cells)
        canvas.set(x, y, light if edge else fill)


def page(canvas, x, y, w, h, fold, paper="w", ink="l", lines=()):
    """A sheet of paper with its upper right corner folded down. lines holds
    (row, left, right) strokes of text, in the page's own coordinates."""
    fx = w - 1 - fold
    for ly in range(h):
        for lx in range(w):
            if lx > fx and ly < fold:
                d = lx - fx
                if d == ly:
                    colour = "k"
                elif d > ly:
                    continue
                else:
                    colour = "p"
            elif lx in (0, w - 1) or ly in (0, h - 1):
                colour = "k"
            elif (lx == fx and ly <= fold) or (ly == fold and lx >= fx):
                colour = "k"
            else:
                colour = paper
            canvas.set(x + lx, y + ly, colour)
    for (row, left, right) in lines:
        for lx in range(left, right + 1):
            canvas.set(x + lx, y + row, ink)


def plus_cells(x0, y0, size, thick):
    lo = (size - thick) // 2
    cells = []
    for i in range(size):
        for j in range(lo, lo + thick):
            cells += [(x0 + j, y0 + i), (x0 + i, y0 + j)]
    return cells


def bar_cells(x0, y0, w, h):
    return [(x0 + i, y0 + j) for i in range(w) for j in range(h)]


def rounded_box_cells(x0, y0, w, h, corner):
    cells = []
    for j in range(h):
        for i in range(w):
            dx = max(corner - i, i - (w - 1 - corner), 0)
            dy = max(corner - j, j - (h - 1 - corner), 0)
            if dx * dx + dy * dy <= corner * corner:
                cells.append((x0 + i, y0 + j))
    return cells


# ---- the 16 x 16 glyphs -------------------------------------------------------------

UP = [
    "................",
    ".......BB.......",
    "......BccB......",
    ".....BcbbbB.....",
    "....BcbbbbbB....",
    "...BcbbbbbbbB...",
    "..BcbbbbbbbbbB..",
    ".BBBBBcbbbBBBBB.",
    ".....BcbbbB.....",
    ".....BcbbbB.....",
    ".....BcbbbB.....",
    ".....BcbbbB.....",
    ".....BcbbbB.....",
    ".....BcbbbB.....",
    ".....BBBBBB.....",
    "................",
]


def glyph_up():
    c = Canvas(16, 16)
    c.grid(0, 0, UP)
    return c


def glyph_down():
    return glyph_up().flipped()


SMALL_PAGE_LINES = [(4, 2, 5), (6, 2, 8), (8, 2, 8), (10, 2, 7)]


def glyph_add():
    c = Canvas(16, 16)
    page(c, 1, 0, 11, 15, 3, lines=SMALL_PAGE_LINES)
    overlay(c, plus_cells(7, 7, 8, 2), "n", "N", light="m")
    return c


def glyph_erase():
    c = Canvas(16, 16)
    page(c, 1, 0, 11, 15, 3, lines=SMALL_PAGE_LINES)
    overlay(c, bar_cells(7, 10, 8, 3), "r", "R", light="s")
    return c


# Drawn by hand: an outline traced around thick diagonals comes out ragged at this size.
CROSS = [
    "RRR...RRR",
    "RssR.RssR",
    "RsrrRsrrR",
    ".RrrrrrR.",
    "..RrrrR..",
    ".RrrrrrR.",
    "RrrrRrrrR",
    "RrrR.RrrR",
    "RRR...RRR",
]


def glyph_clear():
    c = Canvas(16, 16)
    page(c, 5, 0, 10, 12, 3, lines=[(5, 2, 7), (7, 2, 7)])
    page(c, 1, 3, 10, 12, 3, lines=[(4, 2, 5), (6, 2, 7), (8, 2, 7)])
    c.grid(7, 7, CROSS)
    return c


# ---- the Convert button's picture, 32 x 27 ------------------------------------------


def arrow_right_cells(x0, x1, cy, shaft_half, head_len):
    """A right-pointing arrow from column x0 to its tip at x1, centred on row cy."""
    xh = x1 - head_len + 1
    cells = [(x, y) for x in range(x0, xh) for y in range(cy - shaft_half, cy + shaft_half + 1)]
    for x in range(xh, x1 + 1):
        half = x1 - x
        cells += [(x, y) for y in range(cy - half, cy + half + 1)]
    return cells


def picture_convert():
    c = Canvas(32, 27)
    lines = [(5, 2, 5), (7, 2, 7), (9, 2, 7), (11, 2, 6), (13, 2, 7), (15, 2, 5)]
    page(c, 0, 4, 10, 19, 4, lines=lines)
    page(c, 22, 4, 10, 19, 4, paper="y", ink="t", lines=lines)
    overlay(c, arrow_right_cells(12, 19, 13, 1, 5), "n", "N", light="m")
    return c


# ---- the program icon ---------------------------------------------------------------

R_SMALL = [
    "wwww.",
    "ww.ww",
    "ww.ww",
    "wwww.",
    "ww.w.",
    "ww.ww",
]

R_LARGE = [
    "wwwwwww..",
    "wwwwwwww.",
    "ww....www",
    "ww.....ww",
    "ww....www",
    "wwwwwwww.",
    "wwwwwww..",
    "ww...ww..",
    "ww....ww.",
    "ww....www",
    "ww.....ww",
]


def icon(size):
    c = Canvas(size, size)
    if size == 16:
        page(c, 1, 0, 11, 15, 3, lines=[(4, 2, 5), (6, 2, 8), (8, 2, 4)])
        overlay(c, rounded_box_cells(7, 6, 8, 9, 1), "b", "B", light="c")
        c.grid(9, 8, R_SMALL)
    else:
        lines = [(r, 3, 15 if r % 4 == 0 else 12) for r in range(6, 16, 2)] + [(16, 3, 8)]
        page(c, 2, 0, 21, 29, 7, lines=lines)
        overlay(c, rounded_box_cells(14, 14, 17, 17, 3), "b", "B", light="c")
        c.grid(18, 17, R_LARGE)
    return c


# ---- greyed versions ----------------------------------------------------------------


OUTLINES = {PALETTE[k] for k in "kBNR"}


def greyed(canvas):
    """The disabled look: outlines in a middle grey, every other colour in a light grey
    of its own brightness. A plain grey of each colour's brightness would merge a red
    or blue shape into its dark outline."""
    out = Canvas(canvas.width, canvas.height)
    for y in range(canvas.height):
        for x in range(canvas.width):
            p = canvas.get(x, y)
            if p in OUTLINES:
                out.px[y][x] = (140, 140, 140)
            elif p is not None:
                lum = (299 * p[0] + 587 * p[1] + 114 * p[2]) // 1000
                g = 180 + lum * 56 // 255
                out.px[y][x] = (g, g, g)
    return out


# ---- file formats -------------------------------------------------------------------


def bmp24(canvas):
    """A bottom-up 24-bit BMP; transparent pixels become magenta."""
    stride = (canvas.width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y) or MAGENTA
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def and_mask(canvas):
    stride = ((canvas.width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.get(x, y) is None:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image_32(canvas):
    pixels = bytearray()
    for y in reversed(range(canvas.height)):
        for x in range(canvas.width):
            p = canvas.get(x, y)
            pixels += bytes((p[2], p[1], p[0], 255)) if p else bytes(4)
    mask = and_mask(canvas)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    return info + bytes(pixels) + mask


def icon_image_8(canvas):
    """The same picture with a 256-colour palette and a mask, for displays (and systems
    of the 95 family) that cannot show 32-bit icons."""
    colours = sorted({p for row in canvas.px for p in row if p is not None})
    assert len(colours) < 256
    index = {p: i + 1 for i, p in enumerate(colours)}  # entry 0: black, under the mask
    table = bytearray(4 * 256)
    for p, i in index.items():
        table[4 * i:4 * i + 4] = bytes((p[2], p[1], p[0], 0))
    stride = (canvas.width + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            p = canvas.get(x, y)
            row[x] = index[p] if p else 0
        pixels += row
    mask = and_mask(canvas)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 8, 0,
                       len(pixels) + len(mask), 0, 0, 256, 0)
    return info + bytes(table) + bytes(pixels) + mask


def ico(images):
    """images: (canvas, bits per pixel) pairs."""
    blobs = [(c, bpp, icon_image_32(c) if bpp == 32 else icon_image_8(c)) for c, bpp in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for c, bpp, blob in blobs:
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, bpp,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, _, blob in blobs)


GLYPHS = [
    ("up", glyph_up),
    ("down", glyph_down),
    ("add", glyph_add),
    ("erase", glyph_erase),
    ("clear", glyph_clear),
    ("convert", picture_convert),
]


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "app", "res")
    os.makedirs(folder, exist_ok=True)
    files = {}
    for name, draw in GLYPHS:
        picture = draw()
        files[name + ".bmp"] = bmp24(picture)
        files[name + "_grey.bmp"] = bmp24(greyed(picture))
    small, large = icon(16), icon(32)
    files["ribeto.ico"] = ico([(small, 32), (large, 32), (small, 8), (large, 8)])
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
