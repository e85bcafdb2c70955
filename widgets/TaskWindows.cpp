#include "widgets/TaskWindows.h"

namespace {

struct Collect {
  HWND except;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM param) {
  auto* c = reinterpret_cast<Collect*>(param);
  if (window != c->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    c->windows->push_back(window);
  }
  return TRUE;
}

}  // namespace

TaskWindowsDisabled::TaskWindowsDisabled(HWND except) : except_(except) {
  Collect c{except_, &windows_};
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabled, reinterpret_cast<LPARAM>(&c));
  for (HWND w : windows_) EnableWindow(w, FALSE);
}

void TaskWindowsDisabled::Restore() {
  for (HWND w : windows_) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  windows_.clear();
}
