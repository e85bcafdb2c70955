#pragma once
#include "widgets/Control.h"

// A static text; a disabled one is drawn greyed by the system.
class TLabel : public TControl {
 public:
  using TControl::TControl;

 protected:
  Params CreateParams() const override { return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0}; }
};

// A lowered rectangular frame around a panel. It takes no input.
class TBevel : public TControl {
 public:
  using TControl::TControl;
  bool Underneath() const override { return true; }

 protected:
  Params CreateParams() const override { return {L"STATIC", SS_ETCHEDFRAME, 0}; }
};
