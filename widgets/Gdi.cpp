#include "widgets/Gdi.h"

#include <cwchar>

#include "widgets/Wide.h"

int ScreenDpi() {
  // The process is dpi-aware from its first window on, so the system dpi never changes.
  static const int dpi = [] {
    WindowDC screen(nullptr);
    const int value = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

Font MakeFont(int height96, bool bold) {
  LOGFONTW lf{};
  lf.lfHeight = -Scale(height96);  // negative: character height, not cell height
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  const std::wstring face = FromShiftJis("ＭＳ Ｐゴシック");
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&lf));
}
