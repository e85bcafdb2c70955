#include "widgets/ComboBox.h"

#include <imm.h>

#include "widgets/Gdi.h"
#include "widgets/Wide.h"

void TComboBox::Created() {
  SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, Scale(12));
  // Without an input context the input method cannot turn on for this window.
  ImmAssociateContext(hwnd_, nullptr);
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromShiftJis(item).c_str()));
  }
}

int TComboBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }

std::string TComboBox::Item(int index) const {
  const LRESULT n = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
  if (n == CB_ERR) return {};
  std::wstring text(n + 1, L'\0');
  text.resize(SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())));
  return ToShiftJis(text);
}

int TComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int index) { SendMessageW(hwnd_, CB_SETCURSEL, index, 0); }
