#include "help/HelpWindow.h"

#include <algorithm>
#include <string>

#include "app/res/resource.h"
#include "help/HelpText.h"
#include "widgets/Gdi.h"
#include "widgets/Wide.h"

namespace {

constexpr wchar_t kClassName[] = L"RibetoHelp";
constexpr int kCloseId = IDCANCEL;

// Layout at 96 dots per inch.
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 560;
constexpr int kMinWidth = 320;
constexpr int kMinHeight = 240;
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kTextMargin = 6;  // inside the text, left and right
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
// Character height: a little larger than the program's 12 pixels, for reading at length.
constexpr int kFontHeight = 15;

HICON ProgramIcon(HINSTANCE instance, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  // Shared: the system keeps one copy and frees it with the program.
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_RIBETO), IMAGE_ICON,
                                       size, size, LR_SHARED));
}

}  // namespace

bool HelpWindow::Create(int showCommand) {

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = ProgramIcon(instance_, SM_CXICON);
  windowClass.hIconSm = ProgramIcon(instance_, SM_CXSMICON);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) return false;

  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame = {0, 0, Scale(kClientWidth), Scale(kClientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;

  // Centred in the work area, and never larger than it on a small screen.
  RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  width = std::min<int>(width, work.right - work.left);
  height = std::min<int>(height, work.bottom - work.top);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;

  const std::wstring caption = FromShiftJis(help::Caption());
  window_ = CreateWindowExW(0, kClassName, caption.c_str(), style, left, top, width, height,
                            nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return false;
  if (!CreateChildren()) {
    DestroyWindow(window_);
    return false;
  }
  Layout();
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  SetFocus(text_);
  return true;
}

bool HelpWindow::CreateChildren() {
  font_ = MakeFont(kFontHeight, false);

  const std::wstring text = FromShiftJis(help::Text());
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                              ES_READONLY | ES_AUTOVSCROLL,
                          0, 0, 0, 0, window_, nullptr, instance_, nullptr);
  const std::wstring label = FromShiftJis(help::CloseLabel());
  close_ = CreateWindowExW(0, L"BUTTON", label.c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
                           window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseId)),
                           instance_, nullptr);
  if (text_ == nullptr || close_ == nullptr) return false;

  if (font_) {
    const auto font = reinterpret_cast<WPARAM>(font_.Get());
    SendMessageW(text_, WM_SETFONT, font, FALSE);
    SendMessageW(close_, WM_SETFONT, font, FALSE);
  }
  const int margin = Scale(kTextMargin);
  SendMessageW(text_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
  return true;
}

void HelpWindow::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const int margin = Scale(kMargin);
  const int buttonWidth = Scale(kButtonWidth);
  const int buttonHeight = Scale(kButtonHeight);
  const int buttonTop = client.bottom - margin - buttonHeight;
  MoveWindow(text_, margin, margin, client.right - 2 * margin,
             buttonTop - Scale(kGap) - margin, TRUE);
  MoveWindow(close_, client.right - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight,
             TRUE);
}

bool HelpWindow::PreTranslate(MSG& msg) {
  if (window_ == nullptr || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
  // Caught before any control sees it: what a multi-line edit does with Esc differs
  // between versions of the system.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return true;
  }
  return IsDialogMessageW(window_, &msg) != FALSE;
}

LRESULT CALLBACK HelpWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<HelpWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HelpWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // No exception may unwind into the system's code that called us.
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT HelpWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (text_ != nullptr) Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = Scale(kMinWidth);
      info->ptMinTrackSize.y = Scale(kMinHeight);
      return 0;
    }
    case WM_SETFOCUS:
      if (text_ != nullptr) SetFocus(text_);
      return 0;
    case WM_CTLCOLORSTATIC:
      // A read-only edit asks for the grey of static text; the help reads better on the
      // window colour, as in any document.
      if (reinterpret_cast<HWND>(lParam) == text_) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseId || LOWORD(wParam) == IDOK) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = text_ = close_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}
