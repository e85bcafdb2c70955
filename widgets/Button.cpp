#include "widgets/Button.h"

#include <string>

#include "widgets/Application.h"
#include "widgets/Form.h"

void TButton::Click() {
  if (ModalResult != mrNone) Form()->SetModalResult(ModalResult);
  if (OnClick) OnClick();
}

void TButton::Command(WORD notification) {
  if (notification == BN_CLICKED) Click();
}

void DrawButtonFace(HDC dc, RECT rect, const Glyph& glyph, const wchar_t* caption, bool enabled,
                    bool pushed, bool focused) {
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int shift = pushed ? 1 : 0;
  const SIZE g = glyph.Size();
  SIZE text{0, 0};
  const int length = caption ? static_cast<int>(wcslen(caption)) : 0;
  if (length) GetTextExtentPoint32W(dc, caption, length, &text);
  const int spacing = (g.cx && length) ? Scale(4) : 0;
  const int total = g.cx + spacing + text.cx;
  int x = rect.left + (rect.right - rect.left - total) / 2 + shift;
  const int midY = (rect.top + rect.bottom) / 2 + shift;
  if (g.cx) {
    glyph.Draw(dc, x, midY - g.cy / 2, enabled);
    x += g.cx + spacing;
  }
  if (length) {
    SetBkMode(dc, TRANSPARENT);
    const int y = midY - text.cy / 2;
    if (enabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      TextOutW(dc, x, y, caption, length);
    } else {
      // Embossed, as disabled captions are drawn.
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      TextOutW(dc, x + 1, y + 1, caption, length);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
      TextOutW(dc, x, y, caption, length);
    }
  }
  if (focused) {
    RECT f = rect;
    InflateRect(&f, -Scale(4), -Scale(4));
    DrawFocusRect(dc, &f);
  }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const int n = GetWindowTextLengthW(hwnd_);
  std::wstring caption(n + 1, L'\0');
  caption.resize(GetWindowTextW(hwnd_, caption.data(), n + 1));
  DrawButtonFace(item.hDC, item.rcItem, glyph_, caption.c_str(), !(item.itemState & ODS_DISABLED),
                 (item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0);
}

TControl::Params TSpeedButton::CreateParams() const {
  return {RegisterOwnClass(L"RibetoSpeedButton", &TSpeedButton::WindowProc, false), 0, 0};
}

void TSpeedButton::Created() { InvalidateRect(hwnd_, nullptr, TRUE); }

void TSpeedButton::Click() {
  if (Enabled() && OnClick) OnClick();
}

void TSpeedButton::Command(WORD notification) {
  if (notification == BN_CLICKED) Click();
}

void TSpeedButton::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd_, &r);
  DrawButtonFace(dc, r, glyph_, nullptr, Enabled(), pressed_, false);
}

LRESULT CALLBACK TSpeedButton::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TSpeedButton*>(TControl::FromHandle(hwnd));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  // The click is announced to the form like any button's, so its handler runs inside the
  // form's window procedure, where exceptions are caught.
  auto notify = [hwnd] {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
  };
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      self->Paint(dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsWindowEnabled(hwnd)) {
        SetCapture(hwnd);
        self->tracking_ = self->pressed_ = true;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case WM_MOUSEMOVE:
      if (self->tracking_) {
        RECT r;
        GetClientRect(hwnd, &r);
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool inside = PtInRect(&r, p) != FALSE;
        if (inside != self->pressed_) {
          self->pressed_ = inside;
          InvalidateRect(hwnd, nullptr, FALSE);
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (self->tracking_) {
        const bool click = self->pressed_;
        self->tracking_ = self->pressed_ = false;
        ReleaseCapture();
        InvalidateRect(hwnd, nullptr, FALSE);
        if (click) notify();
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (self->tracking_) {
        self->tracking_ = self->pressed_ = false;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled(hwnd)) notify();
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}
