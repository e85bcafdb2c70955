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

namespace {

struct FaceSearch {
  std::wstring wanted;
  bool found = false;
  std::wstring standIn;
};

int CALLBACK OnFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto* search = reinterpret_cast<FaceSearch*>(data);
  const std::wstring name = font->lfFaceName;
  if (name == search->wanted) {
    search->found = true;
    return 0;
  }
  // "@" faces are the same ones turned for vertical writing.
  const bool vertical = !name.empty() && name[0] == L'@';
  const bool proportional = (font->lfPitchAndFamily & 0x3) == VARIABLE_PITCH;
  const bool sansSerif = (font->lfPitchAndFamily & 0xF0) == FF_SWISS;
  if (search->standIn.empty() && !vertical && proportional && sansSerif) search->standIn = name;
  return 1;
}

// The program's face, or where the system lacks it a proportional sans-serif Japanese
// face: asked for a missing face, Wine picks a fixed-pitch one, which reads poorly.
std::wstring ProgramFace() {
  FaceSearch search{FromShiftJis("ＭＳ Ｐゴシック")};
  WindowDC screen(nullptr);
  LOGFONTW all{};
  all.lfCharSet = SHIFTJIS_CHARSET;
  EnumFontFamiliesExW(screen.Get(), &all, &OnFontFamily, reinterpret_cast<LPARAM>(&search), 0);
  return (search.found || search.standIn.empty()) ? search.wanted : search.standIn;
}

}  // namespace

Font MakeFont(int height96, bool bold) {
  LOGFONTW lf{};
  lf.lfHeight = -Scale(height96);  // negative: character height, not cell height
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  static const std::wstring face = ProgramFace();
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&lf));
}
