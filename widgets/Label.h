#pragma once
#include "widgets/Control.h"

// A static text; a disabled one is drawn greyed by the system.
class TLabel : public TControl {
 public:
  using TControl::TControl;

 protected:
  Params CreateParams() const override { return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0}; }
};

// A lowered rectangular frame around a panel. It takes no input. Its own window paints
// its face, so that nothing of the screen behind shows through inside the frame.
class TBevel : public TControl {
 public:
  using TControl::TControl;
  bool Underneath() const override { return true; }

 protected:
  Params CreateParams() const override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
