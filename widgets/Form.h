#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Component.h"
#include "widgets/Control.h"
#include "widgets/Gdi.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// How a form's window is framed and placed, for its constructor.
struct FormStyle {
  const char* caption;  // Shift-JIS
  int left, top;        // outer position at 96 dpi, unless centred
  int width, height;    // client size (fixedClient) or outer size at 96 dpi
  bool fixedClient;     // single fixed border, system menu and minimize only
  bool centred;         // centred on the screen when first shown
  int iconId;           // resource id of the 16 x 16 icon, 0 for none
};

// A top-level window built from a layout table of controls.
class TForm : public TComponent {
 public:
  TForm(TComponent* owner, const FormStyle& style);
  ~TForm() override;

  HWND Handle() const { return hwnd_; }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

  // Creates the controls' windows: focusable ones in tab order (which is the order of
  // keyboard navigation), then the others, frames underneath everything.
  void BuildLayout(const std::vector<LayoutRow>& rows);

  void Show();
  void Hide();
  void Close();
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Key preview: the form sees every typed character before its focused control.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }

  // Moves the focus to the next (or previous) focusable control in tab order after from
  // (from the start when null); false when there is none.
  bool SelectNext(TControl* from, bool forward);
  TControl* ActiveControl() const;

  // Events, as the form's owner wires them.
  std::function<void()> OnCreate;
  std::function<void()> OnShow;
  std::function<void(TCloseAction&)> OnClose;
  std::function<void(char&)> OnKeyPress;

  // Runs the key-preview event for a typed character.
  void KeyPress(char& key);
  static TForm* FromHandle(HWND window);

 protected:
  // The window procedure; derived forms take the messages they need and pass the rest on.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void PlaceOnFirstShow();
  void CloseModal();
  HFONT FontFor(const LayoutRow& row);

  HWND hwnd_ = nullptr;
  FormStyle style_;
  Font font_;
  std::vector<std::pair<std::pair<int, bool>, Font>> extraFonts_;
  Icon icon_;
  std::vector<TControl*> tabOrder_;
  HWND lastFocus_ = nullptr;
  bool placed_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
  bool keyPreview_ = false;
};

// Registers the form window class once per process.
void RegisterFormClass();
