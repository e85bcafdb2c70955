#include "help/Cp932.h"

#include <windows.h>

std::wstring WideFromCp932(std::string_view text) {
  constexpr UINT kShiftJis = 932;
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kShiftJis, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, text.data(), size, wide.data(), length);
  return wide;
}
