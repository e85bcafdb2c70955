#include "widgets/Glyph.h"

namespace {

HBITMAP LoadBitmapResource(int id) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                         0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

}  // namespace

Glyph::Glyph(int normalId, int greyedId)
    : normal_(LoadBitmapResource(normalId)), greyed_(LoadBitmapResource(greyedId)) {}

SIZE Glyph::Size() const {
  if (!normal_) return {0, 0};
  const SIZE s = BitmapSize(normal_.Get());
  return {Scale(s.cx), Scale(s.cy)};
}

void Glyph::Draw(HDC dc, int x, int y, bool enabled) const {
  HBITMAP bitmap = (enabled || !greyed_) ? normal_.Get() : greyed_.Get();
  if (!bitmap) return;
  const SIZE source = BitmapSize(bitmap);
  const SIZE shown = Size();
  HDC memory = CreateCompatibleDC(dc);
  {
    Selected select(memory, bitmap);
    TransparentBlt(dc, x, y, shown.cx, shown.cy, memory, 0, 0, source.cx, source.cy, RGB(255, 0, 255));
  }
  DeleteDC(memory);
}
