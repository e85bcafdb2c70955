#include "widgets/Edit.h"

#include <windows.h>

std::string TEdit::Text() const {
  // The window is a Unicode one; the A call hands its text over in the ANSI code page.
  const int n = GetWindowTextLengthA(hwnd_);
  std::string text(n + 1, '\0');
  text.resize(GetWindowTextA(hwnd_, text.data(), n + 1));
  return text;
}

void TEdit::SetText(const std::string& ansi) { SetWindowTextA(hwnd_, ansi.c_str()); }

std::string TMaskEdit::Normalized(const std::string& text) const {
  std::string out;
  for (char c : text) {
    if (static_cast<int>(out.size()) == positions_) break;
    out += (c >= '0' && c <= '9') ? c : ' ';
  }
  out.resize(positions_, ' ');
  return out;
}

void TMaskEdit::Created() {
  editProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMaskEdit::SubclassProc)));
  SendMessageW(hwnd_, EM_SETLIMITTEXT, positions_, 0);
  SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

LRESULT CALLBACK TMaskEdit::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TMaskEdit*>(TControl::FromHandle(hwnd));
  return self->OnMessage(message, wParam, lParam);
}

void TMaskEdit::Put(int position, char c) {
  SendMessageW(hwnd_, EM_SETSEL, position, position + 1);
  const wchar_t text[2] = {static_cast<wchar_t>(c), L'\0'};
  CallWindowProcW(editProc_, hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

void TMaskEdit::BlankSelection(DWORD& start, DWORD& end) {
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  for (DWORD i = start; i < end && static_cast<int>(i) < positions_; ++i) Put(static_cast<int>(i), ' ');
}

LRESULT TMaskEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      // Text set from outside is held to the mask as well.
      const std::wstring wide = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      std::string ascii;
      for (wchar_t c : wide) ascii += c < 0x80 ? static_cast<char>(c) : ' ';
      const std::string normalized = Normalized(ascii);
      const std::wstring fixed(normalized.begin(), normalized.end());
      return CallWindowProcW(editProc_, hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fixed.c_str()));
    }
    case WM_CHAR: {
      const wchar_t c = static_cast<wchar_t>(wParam);
      if (c < 0x20 && c != 0x08) break;  // copy, cut, paste keys and the like
      DWORD start = 0, end = 0;
      SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      if (c == 0x08) {
        if (end > start) {
          BlankSelection(start, end);
        } else if (start > 0) {
          --start;
          Put(static_cast<int>(start), ' ');
        }
        SendMessageW(hwnd_, EM_SETSEL, start, start);
        return 0;
      }
      if (c < L'0' || c > L'9' || static_cast<int>(start) >= positions_) {
        MessageBeep(MB_OK);
        return 0;
      }
      if (end > start) BlankSelection(start, end);
      Put(static_cast<int>(start), static_cast<char>(c));
      SendMessageW(hwnd_, EM_SETSEL, start + 1, start + 1);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        DWORD start = 0, end = 0;
        SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (end > start) {
          BlankSelection(start, end);
        } else if (static_cast<int>(start) < positions_) {
          Put(static_cast<int>(start), ' ');
        }
        SendMessageW(hwnd_, EM_SETSEL, start, start);
        return 0;
      }
      break;
    case WM_CUT:
    case WM_CLEAR: {
      // Cut and clear leave blanks behind: the positions stay.
      if (message == WM_CUT) CallWindowProcW(editProc_, hwnd_, WM_COPY, 0, 0);
      DWORD start = 0, end = 0;
      BlankSelection(start, end);
      SendMessageW(hwnd_, EM_SETSEL, start, start);
      return 0;
    }
    case EM_REPLACESEL:
      return 0;  // only the mask's own edits change the text
    case WM_PASTE:
      // Pasted digits are typed in one by one.
      if (OpenClipboard(hwnd_)) {
        std::wstring pasted;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
          if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted = p;
            GlobalUnlock(data);
          }
        }
        CloseClipboard();
        for (wchar_t c : pasted) {
          if (c >= L'0' && c <= L'9') OnMessage(WM_CHAR, c, 0);
        }
      }
      return 0;
  }
  return CallWindowProcW(editProc_, hwnd_, message, wParam, lParam);
}
