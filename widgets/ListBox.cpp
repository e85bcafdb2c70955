#include "widgets/ListBox.h"

#include <algorithm>
#include <numeric>

#include "widgets/Gdi.h"
#include "widgets/Wide.h"

namespace {
// Above this many entries a deletion of selected entries rebuilds the list in one pass
// instead of deleting them one by one (each deletion moves the entries behind it).
constexpr std::size_t kRebuildThreshold = 64;

bool ListLess(const std::wstring& a, const std::wstring& b) { return TListBox::CompareItems(a, b) < 0; }

// A stable sort in the list's order that takes the runs already in order as they come
// and merges them pairwise. A folder's files arrive in order, so a dropped folder costs
// one comparison per entry instead of the n log n of a sort; the comparison is the
// costly part (CompareStringW), and the result is the same as a stable sort's.
void SortBatch(std::vector<std::wstring>& batch) {
  std::vector<std::size_t> bounds{0};
  for (std::size_t i = 1; i < batch.size(); ++i) {
    if (ListLess(batch[i], batch[i - 1])) bounds.push_back(i);
  }
  bounds.push_back(batch.size());
  while (bounds.size() > 2) {
    const std::size_t runs = bounds.size() - 1;
    std::vector<std::size_t> merged{0};
    for (std::size_t r = 0; r + 1 < runs; r += 2) {
      // Entries of the earlier run stay before equal ones of the later run.
      std::inplace_merge(batch.begin() + bounds[r], batch.begin() + bounds[r + 1], batch.begin() + bounds[r + 2],
                         ListLess);
      merged.push_back(bounds[r + 2]);
    }
    if (runs % 2 == 1) merged.push_back(bounds[runs]);  // the last run waits for the next round
    bounds.swap(merged);
  }
}
}  // namespace

TControl::Params TListBox::CreateParams() const {
  DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | LBS_HASSTRINGS;
  if (multiSelect_) style |= LBS_EXTENDEDSEL;
  return {L"LISTBOX", style, WS_EX_CLIENTEDGE};
}

void TListBox::Created() { SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, Scale(12)); }

int TListBox::CompareItems(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) -
         CSTR_EQUAL;
}

std::wstring TListBox::WideString(int index) const {
  const LRESULT n = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
  if (n == LB_ERR) return {};
  std::wstring text(n + 1, L'\0');
  const LRESULT got = SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == LB_ERR ? 0 : got);
  return text;
}

int TListBox::Count() const {
  Flush();
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
}

std::string TListBox::Strings(int index) const {
  Flush();
  return ToAnsi(WideString(index));
}

void TListBox::InsertSorted(const std::wstring& text) {
  // After every entry that sorts equal, as a merge of a held-back batch places it too.
  int low = 0, high = static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (CompareItems(WideString(mid), text) <= 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  SendMessageW(hwnd_, LB_INSERTSTRING, low, reinterpret_cast<LPARAM>(text.c_str()));
}

void TListBox::Add(const std::string& text) {
  std::wstring wide = FromAnsi(text);
  if (!sorted_) {
    Flush();
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  } else if (updates_ > 0) {
    pending_.push_back(std::move(wide));
  } else {
    InsertSorted(wide);
  }
}

void TListBox::Insert(int index, const std::string& text) {
  Flush();
  SendMessageW(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(FromAnsi(text).c_str()));
}

void TListBox::Delete(int index) {
  Flush();
  SendMessageW(hwnd_, LB_DELETESTRING, index, 0);
}

void TListBox::Clear() {
  pending_.clear();
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

void TListBox::Exchange(int a, int b) {
  Flush();
  const std::wstring textA = WideString(a), textB = WideString(b);
  SendMessageW(hwnd_, LB_DELETESTRING, a, 0);
  SendMessageW(hwnd_, LB_INSERTSTRING, a, reinterpret_cast<LPARAM>(textB.c_str()));
  SendMessageW(hwnd_, LB_DELETESTRING, b, 0);
  SendMessageW(hwnd_, LB_INSERTSTRING, b, reinterpret_cast<LPARAM>(textA.c_str()));
}

bool TListBox::Selected(int index) const {
  Flush();
  return SendMessageW(hwnd_, LB_GETSEL, index, 0) > 0;
}

void TListBox::SetSelected(int index, bool selected) {
  Flush();
  if (multiSelect_) {
    SendMessageW(hwnd_, LB_SETSEL, selected, index);
  } else if (selected) {
    SendMessageW(hwnd_, LB_SETCURSEL, index, 0);
  } else if (SendMessageW(hwnd_, LB_GETCURSEL, 0, 0) == index) {
    SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

void TListBox::Rebuild(const std::vector<std::wstring>& items, const std::vector<bool>& selected) {
  const LRESULT top = SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0);
  std::size_t bytes = 0;
  for (const auto& s : items) bytes += (s.size() + 1) * sizeof(wchar_t);
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  SendMessageW(hwnd_, LB_INITSTORAGE, items.size(), bytes);
  for (const auto& s : items) SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  for (std::size_t i = 0; i < selected.size(); ++i) {
    if (selected[i]) SendMessageW(hwnd_, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
  }
  SendMessageW(hwnd_, LB_SETTOPINDEX, top, 0);
  if (updates_ == 0) {
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

void TListBox::DeleteSelected() {
  Flush();
  const int selectedCount = static_cast<int>(SendMessageW(hwnd_, LB_GETSELCOUNT, 0, 0));
  if (selectedCount <= 0) return;
  std::vector<int> indexes(selectedCount);
  SendMessageW(hwnd_, LB_GETSELITEMS, selectedCount, reinterpret_cast<LPARAM>(indexes.data()));
  if (indexes.size() < kRebuildThreshold) {
    std::sort(indexes.begin(), indexes.end());
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) SendMessageW(hwnd_, LB_DELETESTRING, *it, 0);
    return;
  }
  const int n = static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
  std::vector<bool> remove(n, false);
  for (int i : indexes) remove[i] = true;
  std::vector<std::wstring> kept;
  kept.reserve(n - selectedCount);
  for (int i = 0; i < n; ++i) {
    if (!remove[i]) kept.push_back(WideString(i));
  }
  Rebuild(kept, {});
}

void TListBox::SetSorted(bool sorted) {
  Flush();
  sorted_ = sorted;
}

void TListBox::BeginUpdate() {
  if (updates_++ == 0) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void TListBox::EndUpdate() {
  if (updates_ == 0) return;
  Flush();
  if (--updates_ == 0) {
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

void TListBox::Flush() const {
  if (pending_.empty()) return;
  auto* self = const_cast<TListBox*>(this);
  std::vector<std::wstring> batch;
  batch.swap(pending_);

  const int n = static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
  std::vector<std::wstring> present(n);
  std::vector<bool> selected(n, false);
  for (int i = 0; i < n; ++i) {
    present[i] = WideString(i);
    selected[i] = SendMessageW(hwnd_, LB_GETSEL, i, 0) > 0;
  }
  const bool presentSorted = std::is_sorted(present.begin(), present.end(), ListLess);
  if (!presentSorted) {
    // Only a merge into an ordered list equals one insertion at a time; otherwise insert.
    for (const auto& text : batch) self->InsertSorted(text);
    return;
  }
  SortBatch(batch);
  std::vector<std::wstring> merged;
  std::vector<bool> mergedSelected;
  merged.reserve(n + batch.size());
  mergedSelected.reserve(n + batch.size());
  std::size_t p = 0, b = 0;
  while (p < present.size() || b < batch.size()) {
    // An entry already present stays before a new one that sorts equal.
    const bool takePresent =
        b == batch.size() || (p < present.size() && CompareItems(present[p], batch[b]) <= 0);
    if (takePresent) {
      merged.push_back(std::move(present[p]));
      mergedSelected.push_back(selected[p]);
      ++p;
    } else {
      merged.push_back(std::move(batch[b++]));
      mergedSelected.push_back(false);
    }
  }
  self->Rebuild(merged, mergedSelected);
}
