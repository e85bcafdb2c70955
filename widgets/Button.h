#pragma once
#include "widgets/Control.h"
#include "widgets/Glyph.h"

// A push button. A click first gives the form the button's modal result (when it has
// one), then runs OnClick.
class TButton : public TControl {
 public:
  using TControl::TControl;
  TNotifyEvent OnClick;
  int ModalResult = mrNone;
  void Click();

  void Command(WORD notification) override;

 protected:
  Params CreateParams() const override { return {L"BUTTON", BS_PUSHBUTTON, 0}; }
};

// A push button with a 16 x 16 picture beside its caption, greyed when disabled.
class TBitBtn : public TButton {
 public:
  using TButton::TButton;
  void SetGlyph(int normalId, int greyedId) { glyph_ = Glyph(normalId, greyedId); }
  void DrawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  Params CreateParams() const override { return {L"BUTTON", BS_OWNERDRAW, 0}; }

 private:
  Glyph glyph_;
};

// A picture-only button that never takes the keyboard focus, so the selection of the
// list it acts on stays where it is.
class TSpeedButton : public TControl {
 public:
  using TControl::TControl;
  TNotifyEvent OnClick;
  void SetGlyph(int normalId, int greyedId) { glyph_ = Glyph(normalId, greyedId); }
  void Click();

  void Command(WORD notification) override;

 protected:
  Params CreateParams() const override;
  void Created() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);

  Glyph glyph_;
  bool pressed_ = false;
  bool tracking_ = false;
};

// Draws a button face with a picture and a caption side by side, centred as a group.
void DrawButtonFace(HDC dc, RECT rect, const Glyph& glyph, const wchar_t* caption, bool enabled,
                    bool pushed, bool focused);
