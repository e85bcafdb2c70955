#include "widgets/Label.h"

TControl::Params TBevel::CreateParams() const {
  return {RegisterOwnClass(L"RibetoBevel", &TBevel::WindowProc, true), 0, 0};
}

LRESULT CALLBACK TBevel::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to whatever lies beneath
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}
