#pragma once
#include <windows.h>

#include <vector>

// Disables every visible, enabled top-level window of this thread except one, for as
// long as a modal window is up, and enables them again afterwards.
class TaskWindowsDisabled {
 public:
  explicit TaskWindowsDisabled(HWND except);
  ~TaskWindowsDisabled() { Restore(); }
  TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
  TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;
  void Restore();

 private:
  HWND except_;
  std::vector<HWND> windows_;
};
