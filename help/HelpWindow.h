#pragma once
#include <windows.h>

#include "widgets/Gdi.h"

// The help program's one window: the explanation in a read-only, scrollable text and a
// close button. Sizes are laid out for 96 dots per inch and scaled by the screen's.
class HelpWindow {
 public:
  explicit HelpWindow(HINSTANCE instance) : instance_(instance) {}
  HelpWindow(const HelpWindow&) = delete;
  HelpWindow& operator=(const HelpWindow&) = delete;

  // Creates and shows the window; false when it could not be created.
  bool Create(int showCommand);

  // Looks at a message before it is dispatched: Esc typed anywhere in the window closes
  // it, and Tab and Enter work as in a dialog. True when the message was handled here.
  bool PreTranslate(MSG& msg);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateChildren();
  void Layout();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND text_ = nullptr;
  HWND close_ = nullptr;
  Font font_;
};
