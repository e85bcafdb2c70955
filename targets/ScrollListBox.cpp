#include "targets/ScrollListBox.h"

#include "widgets/Gdi.h"

TControl::Params TScrollListBox::CreateParams() const {
  Params p = TListBox::CreateParams();
  p.style |= WS_HSCROLL;
  return p;
}

void TScrollListBox::DispHorzScrollBar() {
  int widest = 0;
  {
    WindowDC dc(hwnd_);
    for (int i = 0; i < Count(); ++i) {
      const std::string text = Strings(i);
      SetTextJustification(dc.Get(), 0, 0);
      SIZE size{};
      if (GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &size) &&
          size.cx > widest) {
        widest = size.cx;
      }
    }
  }
  SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, widest, 0);
}
