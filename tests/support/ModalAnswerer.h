#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// Answers the message boxes and dialogs that the code under test shows modally on this
// thread: a second thread waits for each one, notes its caption and text, and presses
// the button given for it, as a user would.
class ModalAnswerer {
 public:
  struct Seen {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;  // captions of its push buttons
    bool hasIcon = false;
    int defaultButton = 0;  // control id of the default push button
    bool othersEnabled = false;  // another visible window of the program took input meanwhile
  };

  // Presses the button with these control ids (IDYES, IDNO, IDOK, ...) in turn, one per
  // box; when they run out, the last one again.
  explicit ModalAnswerer(std::vector<int> answers);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  // What the boxes said, in order; read after the code under test has returned.
  std::vector<Seen> Boxes();

 private:
  void Watch();

  std::vector<int> answers_;
  DWORD uiThread_;
  std::atomic<bool> stop_{false};
  std::vector<Seen> seen_;
  CRITICAL_SECTION lock_;
  std::thread thread_;
};
