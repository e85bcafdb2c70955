#pragma once
#include <string>
#include <string_view>

// The program's own captions and messages are Shift-JIS (code page 932) whatever the
// system's ANSI code page is; paths and typed texts are in the ANSI code page. Windows
// get both as UTF-16.
std::wstring FromShiftJis(std::string_view text);
std::wstring FromAnsi(std::string_view text);
std::string ToAnsi(std::wstring_view text);
std::string ToShiftJis(std::wstring_view text);
