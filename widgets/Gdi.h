#pragma once
#include <windows.h>

#include "base/Handles.h"

struct FontTraits {
  using Value = HFONT;
  static Value None() { return nullptr; }
  static void Close(Value h) { DeleteObject(h); }
};
struct BitmapTraits {
  using Value = HBITMAP;
  static Value None() { return nullptr; }
  static void Close(Value h) { DeleteObject(h); }
};
struct IconTraits {
  using Value = HICON;
  static Value None() { return nullptr; }
  static void Close(Value h) { DestroyIcon(h); }
};
using Font = UniqueHandle<FontTraits>;
using Bitmap = UniqueHandle<BitmapTraits>;
using Icon = UniqueHandle<IconTraits>;

// A device context from GetDC, released with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for a scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Layout positions are pixels at 96 dpi; the screen may have more.
int ScreenDpi();
inline int Scale(int pixels96) { return MulDiv(pixels96, ScreenDpi(), 96); }

// The program's font: "ＭＳ Ｐゴシック" (or a proportional Japanese face standing in for it)
// at a character height in 96-dpi pixels, Shift-JIS character set.
Font MakeFont(int height96, bool bold);
