#include "widgets/Form.h"

#include <algorithm>

#include "widgets/Application.h"
#include "widgets/TaskWindows.h"
#include "widgets/Wide.h"

namespace {

constexpr wchar_t kFormClass[] = L"RibetoForm";

}  // namespace

void RegisterFormClass() { RegisterOwnClass(kFormClass, DefWindowProcW, true); }

TForm::TForm(TComponent* owner, const FormStyle& style)
    : TComponent(owner), style_(style), font_(MakeFont(12, false)) {
  RegisterFormClass();
  DWORD windowStyle = WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  RECT r{0, 0, Scale(style.width), Scale(style.height)};
  if (style.fixedClient) {
    windowStyle |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRectEx(&r, windowStyle, FALSE, exStyle);
  } else {
    windowStyle |= WS_OVERLAPPEDWINDOW;
  }
  const std::wstring caption = FromShiftJis(style.caption);
  hwnd_ = CreateWindowExW(exStyle, kFormClass, caption.c_str(), windowStyle, Scale(style.left),
                          Scale(style.top), r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm::StaticWndProc));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  if (style.iconId) {
    icon_.Reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(style.iconId),
                                              IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0)));
    if (icon_) {
      SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
      SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    }
  }
}

TForm::~TForm() {
  // The controls are members of the derived form and already gone; the window goes now.
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

TForm* TForm::FromHandle(HWND window) {
  if (!window) return nullptr;
  wchar_t name[16];
  if (!GetClassNameW(window, name, 16) || wcscmp(name, kFormClass) != 0) return nullptr;
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HFONT TForm::FontFor(const LayoutRow& row) {
  if (row.fontHeight == 0) return font_.Get();
  const std::pair<int, bool> key{row.fontHeight, row.bold};
  for (auto& [k, f] : extraFonts_) {
    if (k == key) return f.Get();
  }
  extraFonts_.emplace_back(key, MakeFont(row.fontHeight, row.bold));
  return extraFonts_.back().second.Get();
}

void TForm::BuildLayout(const std::vector<LayoutRow>& rows) {
  std::vector<const LayoutRow*> order;
  for (const LayoutRow& row : rows) order.push_back(&row);
  auto rank = [](const LayoutRow* r) {
    if (r->control->Underneath()) return 2;
    return r->tab == kNoTab ? 1 : 0;
  };
  std::stable_sort(order.begin(), order.end(), [&](const LayoutRow* a, const LayoutRow* b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return rank(a) == 0 && a->tab < b->tab;
  });
  for (const LayoutRow* row : order) {
    row->control->CreateWindowFor(*row, FontFor(*row));
    if (row->tab != kNoTab) tabOrder_.push_back(row->control);
    // Frames go to the bottom of the z-order so that the captions straddling their
    // top lines are drawn over them.
    if (row->control->Underneath()) {
      SetWindowPos(row->control->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

TControl* TForm::ActiveControl() const {
  const HWND focus = GetFocus();
  for (TControl* c : tabOrder_) {
    if (c->Handle() == focus || IsChild(c->Handle(), focus)) return c;
  }
  return nullptr;
}

bool TForm::SelectNext(TControl* from, bool forward) {
  if (tabOrder_.empty()) return false;
  const int n = static_cast<int>(tabOrder_.size());
  int start = -1;
  for (int i = 0; i < n; ++i) {
    if (tabOrder_[i] == from) start = i;
  }
  if (start < 0) start = forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const int i = ((start + (forward ? step : -step)) % n + n) % n;
    TControl* c = tabOrder_[i];
    if (c != from && c->CanFocus()) {
      c->SetFocus();
      return true;
    }
  }
  return false;
}

void TForm::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(key);
}

void TForm::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (!style_.centred) return;
  RECT r;
  GetWindowRect(hwnd_, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  SetWindowPos(hwnd_, nullptr, std::max(0, x), std::max(0, y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  if (Visible()) {
    SetForegroundWindow(hwnd_);
    return;
  }
  PlaceOnFirstShow();
  if (OnShow) OnShow();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (!ActiveControl()) {
    if (lastFocus_ && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
      ::SetFocus(lastFocus_);
    } else {
      SelectNext(nullptr, true);
    }
  }
}

void TForm::Hide() {
  if (ActiveControl()) lastFocus_ = GetFocus();
  ShowWindow(hwnd_, SW_HIDE);
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  TCloseAction action = caHide;
  if (OnClose) OnClose(action);
  if (action == caNone) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
  } else if (action == caMinimize) {
    ShowWindow(hwnd_, SW_MINIMIZE);
  } else {
    Hide();
  }
}

void TForm::CloseModal() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(action);
  if (action == caNone) modalResult_ = mrNone;
}

int TForm::ShowModal() {
  const HWND previouslyActive = GetActiveWindow();
  TaskWindowsDisabled others(hwnd_);
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  while (modalResult_ == mrNone) {
    if (!Application().HandleMessage()) {
      modalResult_ = mrCancel;  // the application is ending
    }
    if (modalResult_ != mrNone) CloseModal();
  }
  // Enable the others before hiding, so that the system activates one of them.
  others.Restore();
  Hide();
  modal_ = false;
  if (previouslyActive && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
  return modalResult_;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (TControl* c = TControl::FromHandle(reinterpret_cast<HWND>(lParam)); c && c->Form() == this) {
        c->Command(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (TControl* c = TControl::FromHandle(item->hwndItem)) {
        c->DrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (ActiveControl()) lastFocus_ = GetFocus();
      } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      // The form itself never keeps the focus: hand it to the control that had it.
      if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
        ::SetFocus(lastFocus_);
      } else {
        SelectNext(nullptr, true);
      }
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TForm::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TForm* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  // Exceptions cannot unwind through the system's frames: they end here, in the error box.
  try {
    return form->WndProc(message, wParam, lParam);
  } catch (...) {
    Application().HandleException();
  }
  return 0;
}
