#pragma once
#include <string>

#include "widgets/Control.h"

// A one-line edit. Its text is in the ANSI code page: it becomes part of file names.
class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string Text() const;
  void SetText(const std::string& ansi);

 protected:
  Params CreateParams() const override { return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}; }
};

// An edit for a fixed number of optional digits, "9999999999;1; " in mask notation: every
// position holds a digit or a blank, typing overwrites, and the text always has all its
// positions, blanks included.
class TMaskEdit : public TEdit {
 public:
  TMaskEdit(TForm* owner, int positions = 10) : TEdit(owner), positions_(positions) {}
  int Positions() const { return positions_; }
  // Digits and blanks only, cut or filled with blanks to the number of positions.
  std::string Normalized(const std::string& text) const;

 protected:
  void Created() override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Put(int position, char c);
  void BlankSelection(DWORD& start, DWORD& end);

  int positions_;
  WNDPROC editProc_ = nullptr;
};
