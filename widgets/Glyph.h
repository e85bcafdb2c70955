#pragma once
#include <windows.h>

#include "widgets/Gdi.h"

// A button picture in two versions, normal and greyed, from bitmap resources whose
// magenta pixels are transparent.
class Glyph {
 public:
  Glyph() = default;
  Glyph(int normalId, int greyedId);

  bool Empty() const { return !normal_; }
  SIZE Size() const;  // on the screen, scaled for its dpi
  void Draw(HDC dc, int x, int y, bool enabled) const;

 private:
  Bitmap normal_;
  Bitmap greyed_;
};
