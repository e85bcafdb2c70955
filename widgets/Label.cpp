#include "widgets/Label.h"

namespace {
constexpr wchar_t kBevelClass[] = L"RibetoBevel";
}

TControl::Params TBevel::CreateParams() const {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), kBevelClass, &wc)) {
    wc.lpfnWndProc = &TBevel::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kBevelClass;
    RegisterClassExW(&wc);
  }
  return {kBevelClass, 0, 0};
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
