#pragma once
#include "widgets/Control.h"

// A check box whose mark the user changes; OnClick runs after each change.
class TCheckBox : public TControl {
 public:
  using TControl::TControl;
  TNotifyEvent OnClick;

  bool Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Command(WORD notification) override {
    if (notification == BN_CLICKED && OnClick) OnClick();
  }

 protected:
  Params CreateParams() const override { return {L"BUTTON", BS_AUTOCHECKBOX, 0}; }
};
