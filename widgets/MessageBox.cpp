#include "widgets/MessageBox.h"

#include "widgets/TaskWindows.h"

int AskYesNoCancel(HWND owner, const std::wstring& text, const std::wstring& caption) {
  TaskWindowsDisabled all(nullptr);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_DEFBUTTON1 | MB_APPLMODAL);
}
