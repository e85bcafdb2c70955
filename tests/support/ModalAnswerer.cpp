#include "tests/support/ModalAnswerer.h"

#include <algorithm>

namespace {

struct Found {
  HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  wchar_t name[16];
  if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && wcscmp(name, L"#32770") == 0) {
    reinterpret_cast<Found*>(param)->dialog = window;
    return FALSE;
  }
  return TRUE;
}

std::wstring TextOf(HWND window) {
  const int n = GetWindowTextLengthW(window);
  std::wstring text(n + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), n + 1));
  return text;
}

struct Inspect {
  ModalAnswerer::Seen* seen;
};

struct Others {
  HWND box;
  bool enabled = false;
};

BOOL CALLBACK FindEnabledOther(HWND window, LPARAM param) {
  auto* o = reinterpret_cast<Others*>(param);
  if (window != o->box && IsWindowVisible(window) && IsWindowEnabled(window)) o->enabled = true;
  return TRUE;
}

BOOL CALLBACK InspectChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<Inspect*>(param)->seen;
  wchar_t name[16];
  GetClassNameW(child, name, 16);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (_wcsicmp(name, L"Button") == 0) {
    seen->buttons.push_back(TextOf(child));
    if ((style & 0x0F) == BS_DEFPUSHBUTTON) seen->defaultButton = GetDlgCtrlID(child);
  } else if (_wcsicmp(name, L"Static") == 0) {
    if ((style & SS_TYPEMASK) == SS_ICON) {
      if (SendMessageW(child, STM_GETICON, 0, 0)) seen->hasIcon = true;
    } else if (GetDlgCtrlID(child) == 0xFFFF) {
      seen->text = TextOf(child);
    }
  }
  return TRUE;
}

}  // namespace

ModalAnswerer::ModalAnswerer(std::vector<int> answers)
    : answers_(std::move(answers)), uiThread_(GetCurrentThreadId()) {
  InitializeCriticalSection(&lock_);
  thread_ = std::thread([this] { Watch(); });
}

ModalAnswerer::~ModalAnswerer() {
  stop_ = true;
  thread_.join();
  DeleteCriticalSection(&lock_);
}

std::vector<ModalAnswerer::Seen> ModalAnswerer::Boxes() {
  EnterCriticalSection(&lock_);
  std::vector<Seen> copy = seen_;
  LeaveCriticalSection(&lock_);
  return copy;
}

void ModalAnswerer::Watch() {
  std::size_t answered = 0;
  HWND last = nullptr;
  while (!stop_) {
    Found found;
    EnumThreadWindows(uiThread_, &FindDialog, reinterpret_cast<LPARAM>(&found));
    if (!found.dialog || found.dialog == last) {
      Sleep(5);
      if (found.dialog == nullptr) last = nullptr;
      continue;
    }
    Sleep(20);  // let the box finish building its controls
    Seen seen;
    seen.caption = TextOf(found.dialog);
    Inspect inspect{&seen};
    EnumChildWindows(found.dialog, &InspectChild, reinterpret_cast<LPARAM>(&inspect));
    Others others{found.dialog};
    EnumThreadWindows(uiThread_, &FindEnabledOther, reinterpret_cast<LPARAM>(&others));
    seen.othersEnabled = others.enabled;
    EnterCriticalSection(&lock_);
    seen_.push_back(seen);
    LeaveCriticalSection(&lock_);
    const int id = answers_.empty() ? IDCANCEL : answers_[std::min(answered, answers_.size() - 1)];
    ++answered;
    last = found.dialog;
    PostMessageW(found.dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(found.dialog, id)));
  }
}
