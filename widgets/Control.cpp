#include "widgets/Control.h"

#include "widgets/Form.h"
#include "widgets/Gdi.h"
#include "widgets/Wide.h"

const wchar_t* RegisterOwnClass(const wchar_t* name, WNDPROC proc, bool buttonFaceBackground) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return name;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  if (buttonFaceBackground) wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  return name;
}

TControl::TControl(TForm* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

TForm* TControl::Form() const { return static_cast<TForm*>(Owner()); }

TControl* TControl::FromHandle(HWND window) {
  return window ? reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

void TControl::CreateWindowFor(const LayoutRow& row, HFONT font) {
  layout_ = row;
  const Params p = CreateParams();
  DWORD style = p.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (row.tab != kNoTab) style |= WS_TABSTOP;
  if (!row.enabled) style |= WS_DISABLED;
  const std::wstring caption = row.caption ? FromShiftJis(row.caption) : std::wstring();
  hwnd_ = CreateWindowExW(p.exStyle, p.className, caption.c_str(), style, Scale(row.left),
                          Scale(row.top), Scale(row.width), Scale(WindowHeight(row.height)),
                          Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Created();
}

bool TControl::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void TControl::SetEnabled(bool enabled) {
  if (Enabled() == enabled) return;
  // A control that loses its enabling while it has the focus would leave the keyboard
  // nowhere; hand the focus on first.
  if (!enabled && Focused()) Form()->SelectNext(this, true);
  EnableWindow(hwnd_, enabled);
}

bool TControl::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
void TControl::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

std::string TControl::Caption() const {
  // Captions are the program's Shift-JIS texts: read them back in the same code page.
  const int n = GetWindowTextLengthW(hwnd_);
  std::wstring text(n + 1, L'\0');
  text.resize(GetWindowTextW(hwnd_, text.data(), n + 1));
  return ToShiftJis(text);
}

void TControl::SetCaption(const std::string& shiftJis) {
  SetWindowTextW(hwnd_, FromShiftJis(shiftJis).c_str());
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool TControl::CanFocus() const {
  return layout_.tab != kNoTab && Enabled() && Visible() && Form()->Visible();
}

void TControl::SetFocus() { ::SetFocus(hwnd_); }

bool TControl::Focused() const {
  const HWND focus = GetFocus();
  return focus && (focus == hwnd_ || IsChild(hwnd_, focus));
}
