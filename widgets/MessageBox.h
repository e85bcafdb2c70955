#pragma once
#include <windows.h>

#include <string>

// A question with Yes, No and Cancel (Yes the default), no icon, modal to the whole
// application: every window of it is disabled while the box is up. Returns IDYES, IDNO
// or IDCANCEL.
int AskYesNoCancel(HWND owner, const std::wstring& text, const std::wstring& caption);
