#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "base/Component.h"

class TForm;

// Where and how a control stands on its form: one row of a form's layout table. Places
// are client pixels at 96 dpi; captions are Shift-JIS.
struct LayoutRow {
  class TControl* control;
  const char* caption;  // nullptr: none
  int left, top, width, height;
  int tab;  // tab order; kNoTab: the control takes no keyboard focus
  bool enabled;
  int fontHeight = 0;  // 0: the form's font
  bool bold = false;
};
inline constexpr int kNoTab = -1;

// Modal results, as buttons give them to their form.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// A control with a window of its own on a form. The form creates the window from the
// control's layout row; the class gives the window class and styles.
class TControl : public TComponent {
 public:
  explicit TControl(TForm* owner);
  ~TControl() override;

  HWND Handle() const { return hwnd_; }
  TForm* Form() const;
  const LayoutRow& Layout() const { return layout_; }

  bool Enabled() const;
  virtual void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);

  // The window text: Shift-JIS captions for labels and buttons.
  std::string Caption() const;
  void SetCaption(const std::string& shiftJis);

  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;

  // Called by the form: creates the window as the layout row says.
  void CreateWindowFor(const LayoutRow& row, HFONT font);
  // WM_COMMAND and WM_DRAWITEM from the form, for this control's window.
  virtual void Command(WORD notification) { (void)notification; }
  virtual void DrawItem(const DRAWITEMSTRUCT& item) { (void)item; }
  // Controls drawn under all others (frames), rather than in tab order.
  virtual bool Underneath() const { return false; }

  static TControl* FromHandle(HWND window);

 protected:
  struct Params {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
  };
  virtual Params CreateParams() const = 0;
  // After the window exists: items, limits, subclassing.
  virtual void Created() {}
  // The window's height: list-bearing controls need room for their drop-down part.
  virtual int WindowHeight(int layoutHeight) const { return layoutHeight; }

  HWND hwnd_ = nullptr;
  LayoutRow layout_{};
};

// Registers a window class of the program's own once per process and returns its name.
const wchar_t* RegisterOwnClass(const wchar_t* name, WNDPROC proc, bool buttonFaceBackground);

// The event a click on a control runs.
using TNotifyEvent = std::function<void()>;
