#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/res/resource.h"
#include "widgets/Gdi.h"

// The pictures as the buttons will load them: by number from the program's own
// resources, which this test program links in the same way.
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

struct Picture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<COLORREF> pixels;  // row by row from the top
};

Picture Load(int id) {
  Picture picture;
  // A DIB section keeps the depth of the file; a plain load would convert to the screen's.
  Bitmap bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DIBSECTION section = {};
  if (!bitmap || GetObjectW(bitmap.Get(), sizeof section, &section) != sizeof section) {
    return picture;
  }
  picture.width = section.dsBm.bmWidth;
  picture.height = section.dsBm.bmHeight;
  picture.bitsPerPixel = section.dsBm.bmBitsPixel;

  BITMAPINFO request = {};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = picture.width;
  request.bmiHeader.biHeight = -picture.height;  // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> quads(static_cast<std::size_t>(picture.width * picture.height));
  WindowDC screen(nullptr);
  if (GetDIBits(screen.Get(), bitmap.Get(), 0, picture.height,
                quads.data(), &request, DIB_RGB_COLORS) != picture.height) {
    return picture;
  }
  for (const RGBQUAD& q : quads) picture.pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return picture;
}

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

}  // namespace

// Each glyph and its greyed version: the size the buttons expect, 24-bit, transparent
// magenta around the shape, the same silhouette in both versions (so a button does not
// change shape when it is disabled), colour in the normal one and only greys in the other.
TEST(Pictures, GlyphsAndTheirGreyedVersions) {
  const struct Case {
    const char* name;
    int normal;
    int greyed;
    int width;
    int height;
  } cases[] = {
      {"up", IDB_UP, IDB_UP_GREY, 16, 16},
      {"down", IDB_DOWN, IDB_DOWN_GREY, 16, 16},
      {"add", IDB_ADD, IDB_ADD_GREY, 16, 16},
      {"erase", IDB_ERASE, IDB_ERASE_GREY, 16, 16},
      {"clear", IDB_CLEAR, IDB_CLEAR_GREY, 16, 16},
      {"convert", IDB_CONVERT, IDB_CONVERT_GREY, 32, 27},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture normal = Load(c.normal);
    const Picture greyed = Load(c.greyed);
    for (const Picture* p : {&normal, &greyed}) {
      EXPECT_EQ(p->width, c.width);
      EXPECT_EQ(p->height, c.height);
      EXPECT_EQ(p->bitsPerPixel, 24);
      ASSERT_EQ(p->pixels.size(), static_cast<std::size_t>(c.width * c.height));
      EXPECT_EQ(p->pixels.front(), kTransparent) << "top left corner";
    }

    int shape = 0, coloured = 0, colouredWhenGreyed = 0, silhouetteDiffers = 0;
    for (std::size_t i = 0; i < normal.pixels.size(); ++i) {
      const bool inNormal = normal.pixels[i] != kTransparent;
      const bool inGreyed = greyed.pixels[i] != kTransparent;
      shape += inNormal;
      silhouetteDiffers += inNormal != inGreyed;
      coloured += inNormal && !IsGrey(normal.pixels[i]);
      colouredWhenGreyed += inGreyed && !IsGrey(greyed.pixels[i]);
    }
    EXPECT_GT(shape, c.width * c.height / 8) << "hardly anything drawn";
    EXPECT_LT(shape, c.width * c.height) << "no transparent background";
    EXPECT_EQ(silhouetteDiffers, 0);
    EXPECT_GT(coloured, 0);
    EXPECT_EQ(colouredWhenGreyed, 0);
  }
}

// The icon holds drawn images of both sizes that windows ask for, not one that the
// system would have to stretch or shrink.
TEST(Pictures, IconHasBothSizes) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(IDI_RIBETO), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  ASSERT_NE(directory, nullptr);
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    ASSERT_NE(id, 0);
    const HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_NE(image, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, size);
    EXPECT_EQ(header->biHeight, 2 * size) << "colour and mask";
  }
}
