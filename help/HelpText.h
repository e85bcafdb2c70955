#pragma once
#include <string>

// The help program's texts, Shift-JIS (code page 932) whatever the system's own code
// page is. Kept in a translation unit of their own because they are the only Japanese
// literals of the help program.
namespace help {

std::string Caption();     // the window's caption
std::string CloseLabel();  // the close button

// The whole explanation, lines ended by CR LF as a multi-line edit control wants them.
std::string Text();

}  // namespace help
