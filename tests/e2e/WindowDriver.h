#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Driving another process's windows from outside, as a user's automation does: windows
// found by class and caption, messages sent across the process boundary (the system
// carries the wide text messages over), and nothing of the program's own code.

// Wide text from this file's Shift-JIS literals (code page 932) or from ANSI paths.
std::wstring FromShiftJis(const std::string& text);
std::wstring FromAnsi(const std::string& text);

// A message sent to another process's window, given up after the wait timeout (kWaitMs)
// instead of hanging the test on a program that no longer answers. 0 when it failed.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::wstring ClassOf(HWND window);
// The caption the system keeps for the window: read without waiting for its program.
std::wstring CaptionOf(HWND window);
// The window's text as the window itself reports it (WM_GETTEXT): what an edit holds.
std::wstring TextOf(HWND window);

// The visible top-level window of the process with this class and caption, or null.
HWND FindTopWindow(DWORD processId, const std::wstring& className, const std::wstring& caption);

// The direct children of a window in z-order, which is the order of their creation.
std::vector<HWND> Children(HWND parent);
// The first child of this class (case ignored) with this caption, or null.
HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& caption);
// The first child of this class, whatever its caption, or null.
HWND FindChild(HWND parent, const std::wstring& className);
// The count-th child of this class after the child after, in z-order (count 1: the
// next one), or null.
HWND ChildAfter(HWND parent, HWND after, const std::wstring& className, int count);

// The lines of a list box, read with LB_GETCOUNT and LB_GETTEXT.
std::vector<std::wstring> ListLines(HWND listBox);
// Replaces an edit's text by typing it: everything selected, then one WM_CHAR per
// character.
void Type(HWND edit, const std::wstring& text);

// Polls the condition with short sleeps until it holds or the wait timeout has passed.
constexpr DWORD kWaitMs = 20000;
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);
// Waits until the window's thread is back in a message loop and has handled everything
// sent to it before: a message sent from another process is only taken in there.
bool Settle(HWND window);
