#include "widgets/OpenDialog.h"

#include <commdlg.h>

#include "widgets/Wide.h"

namespace {
constexpr std::size_t kInitialChars = 32 * 1024;
}

std::vector<std::wstring> SplitDialogNames(const wchar_t* buffer) {
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) parts.emplace_back(p);
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';  // a drive root already ends with one
  std::vector<std::wstring> files;
  for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

UINT_PTR CALLBACK TOpenDialog::Hook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
  if (notify->hdr.code != CDN_SELCHANGE) return 0;
  // The dialog writes the names into the buffer only when it closes, and fails when the
  // buffer is too small; so the buffer grows as the selection grows.
  OPENFILENAMEW* ofn = notify->lpOFN;
  auto* self = reinterpret_cast<TOpenDialog*>(ofn->lCustData);
  const HWND explorer = GetParent(dialog);
  const auto folder = SendMessageW(explorer, CDM_GETFOLDERPATH, 0, 0);
  const auto spec = SendMessageW(explorer, CDM_GETSPEC, 0, 0);
  const std::size_t needed = static_cast<std::size_t>(std::max<LRESULT>(folder, 0) + std::max<LRESULT>(spec, 0)) + MAX_PATH;
  if (needed > self->buffer_.size()) {
    std::vector<wchar_t> larger(needed * 2, L'\0');
    std::copy(self->buffer_.begin(), self->buffer_.end(), larger.begin());
    self->buffer_.swap(larger);
    ofn->lpstrFile = self->buffer_.data();
    ofn->nMaxFile = static_cast<DWORD>(self->buffer_.size());
  }
  return 0;
}

bool TOpenDialog::Execute(HWND owner) {
  files_.clear();
  buffer_.assign(kInitialChars, L'\0');
  const std::wstring title = FromShiftJis(Title);
  for (;;) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFile = buffer_.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer_.size());
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS |
                OFN_ENABLEHOOK | OFN_ENABLESIZING;
    ofn.lpfnHook = &TOpenDialog::Hook;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (GetOpenFileNameW(&ofn)) {
      for (const std::wstring& name : SplitDialogNames(buffer_.data())) files_.push_back(ToAnsi(name));
      return true;
    }
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return false;
    // Should the growing above not have kept up, the dialog reports the size it needed
    // in the buffer's first characters; ask again with that much room rather than lose
    // the names silently.
    const std::size_t needed = std::max<std::size_t>(buffer_[0], buffer_.size()) * 2;
    buffer_.assign(needed, L'\0');
  }
}
