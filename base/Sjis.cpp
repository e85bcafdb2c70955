#include "base/Sjis.h"

#include <windows.h>

namespace sjis {

bool IsLeadByte(char c) {
  // Lead bytes are all >= 0x81, so ASCII never needs the system call.
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x80 && IsDBCSLeadByte(b);
}

std::size_t FindLastOf(std::string_view s, std::string_view set) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); i = NextChar(s, i)) {
    if (set.find(s[i]) != std::string_view::npos) found = i;
  }
  return found;
}

std::size_t FindFirstOf(std::string_view s, std::string_view set) {
  for (std::size_t i = 0; i < s.size(); i = NextChar(s, i)) {
    if (set.find(s[i]) != std::string_view::npos) return i;
  }
  return std::string_view::npos;
}

std::string_view CutAt(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) return s;
  std::size_t end = 0;
  for (std::size_t i = 0; i < s.size(); i = NextChar(s, i)) {
    if (NextChar(s, i) > limit) break;
    end = NextChar(s, i);
  }
  return s.substr(0, end);
}

std::string ParentPath(std::string_view path) {
  const std::size_t sep = FindLastOf(path, "\\:");
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

}  // namespace sjis
