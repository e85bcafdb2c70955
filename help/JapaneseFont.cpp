#include "help/JapaneseFont.h"

#include <windows.h>

namespace {

struct Search {
  std::wstring wanted;
  bool found = false;
  std::wstring standIn;
};

int CALLBACK OnFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  const std::wstring name = font->lfFaceName;
  if (name == search->wanted) {
    search->found = true;
    return 0;
  }
  // "@" names are the same faces turned for vertical writing.
  const bool vertical = !name.empty() && name[0] == L'@';
  const bool proportional = (font->lfPitchAndFamily & 0x3) == VARIABLE_PITCH;
  const bool sansSerif = (font->lfPitchAndFamily & 0xF0) == FF_SWISS;
  if (search->standIn.empty() && !vertical && proportional && sansSerif) search->standIn = name;
  return 1;
}

std::wstring FaceToUse(const std::wstring& face) {
  Search search{face};
  ScreenDc screen(GetDC(nullptr));
  if (!screen) return face;
  LOGFONTW all = {};
  all.lfCharSet = SHIFTJIS_CHARSET;
  EnumFontFamiliesExW(screen.Get(), &all, OnFamily, reinterpret_cast<LPARAM>(&search), 0);
  if (search.found || search.standIn.empty()) return face;
  return search.standIn;
}

}  // namespace

GdiObject CreateJapaneseFont(const std::wstring& face, int height) {
  LOGFONTW font = {};
  font.lfHeight = -height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  FaceToUse(face).copy(font.lfFaceName, LF_FACESIZE - 1);
  return GdiObject(CreateFontIndirectW(&font));
}
