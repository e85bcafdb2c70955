#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Walking 8-bit strings of the ANSI code page (Shift-JIS on a Japanese system) by
// character. The second byte of a double-byte character can be the code of "\", "/",
// "|" or ":" (表 is 95 5C, ポ is 83 7C), so every scan for those goes through here.
namespace sjis {

bool IsLeadByte(char c);

// Byte position just past the character that starts at pos.
inline std::size_t NextChar(std::string_view s, std::size_t pos) {
  return (IsLeadByte(s[pos]) && pos + 1 < s.size()) ? pos + 2 : pos + 1;
}

// Position of the last character that is one of the single-byte characters in set, or
// npos. Trail bytes of double-byte characters never match.
std::size_t FindLastOf(std::string_view s, std::string_view set);

// Position of the first such character, or npos.
std::size_t FindFirstOf(std::string_view s, std::string_view set);

// The longest prefix of s of at most limit bytes that does not end inside a
// double-byte character.
std::string_view CutAt(std::string_view s, std::size_t limit);

// Everything before the last "\" or ":" (the separator itself dropped), or "" when
// there is none: C:\Data\a.txt gives C:\Data, C:\Data gives C:, \a.txt gives "".
std::string ParentPath(std::string_view path);

}  // namespace sjis
