#include "tests/e2e/WindowDriver.h"

namespace {

std::wstring FromCodePage(UINT codePage, const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

struct TopSearch {
  DWORD processId;
  const std::wstring* className;
  const std::wstring* caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<TopSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == s->processId && IsWindowVisible(window) && ClassOf(window) == *s->className &&
      CaptionOf(window) == *s->caption) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

bool SameClass(HWND window, const std::wstring& className) {
  return _wcsicmp(ClassOf(window).c_str(), className.c_str()) == 0;
}

}  // namespace

std::wstring FromShiftJis(const std::string& text) { return FromCodePage(932, text); }
std::wstring FromAnsi(const std::string& text) { return FromCodePage(CP_ACP, text); }

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result)) return 0;
  return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64];
  const int n = GetClassNameW(window, name, 64);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring CaptionOf(HWND window) {
  const int n = GetWindowTextLengthW(window);
  std::wstring text(n + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), n + 1));
  return text;
}

std::wstring TextOf(HWND window) {
  const auto length = Send(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

HWND FindTopWindow(DWORD processId, const std::wstring& className, const std::wstring& caption) {
  TopSearch search{processId, &className, &caption};
  EnumWindows(&MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(child);
  }
  return out;
}

HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& caption) {
  for (HWND child : Children(parent)) {
    if (SameClass(child, className) && CaptionOf(child) == caption) return child;
  }
  return nullptr;
}

HWND FindChild(HWND parent, const std::wstring& className) {
  for (HWND child : Children(parent)) {
    if (SameClass(child, className)) return child;
  }
  return nullptr;
}

HWND ChildAfter(HWND parent, HWND after, const std::wstring& className, int count) {
  bool passed = false;
  for (HWND child : Children(parent)) {
    if (child == after) {
      passed = true;
    } else if (passed && SameClass(child, className) && --count == 0) {
      return child;
    }
  }
  return nullptr;
}

std::vector<std::wstring> ListLines(HWND listBox) {
  std::vector<std::wstring> lines;
  const auto count = Send(listBox, LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = Send(listBox, LB_GETTEXTLEN, i);
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = Send(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
    line.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    lines.push_back(line);
  }
  return lines;
}

void Type(HWND edit, const std::wstring& text) {
  Send(edit, EM_SETSEL, 0, -1);
  for (wchar_t c : text) Send(edit, WM_CHAR, c, 1);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

bool Settle(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}
