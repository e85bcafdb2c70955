#pragma once
#include <string>
#include <string_view>

// Shift-JIS text (code page 932) as UTF-16, so that the program's own Japanese texts
// show correctly through the wide functions whatever the system's ANSI code page is.
// "" when the text does not convert.
std::wstring WideFromCp932(std::string_view text);
