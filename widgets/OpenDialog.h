#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Component.h"

// The file-open dialog: several files at once, no read-only box, shortcuts returned as
// themselves, no filter. However many files the user picks, all of them come back.
class TOpenDialog : public TComponent {
 public:
  using TComponent::TComponent;

  std::string Title;  // Shift-JIS

  // Shows the dialog; true on OK, with the chosen files' full paths (ANSI code page)
  // in the dialog's order in Files.
  bool Execute(HWND owner);
  const std::vector<std::string>& Files() const { return files_; }

 private:
  static UINT_PTR CALLBACK Hook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  std::vector<wchar_t> buffer_;
  std::vector<std::string> files_;
};

// The names a multiple-selection dialog leaves in its buffer: one full path, or a
// folder followed by names, each ended by a zero and the whole by a second one.
std::vector<std::wstring> SplitDialogNames(const wchar_t* buffer);
