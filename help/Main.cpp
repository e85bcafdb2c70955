// RibetoHelp.exe: the window that explains how to use Ribeto, started by its Help
// button with no arguments.
#include <windows.h>

#include "help/HelpWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  HelpWindow window(instance);
  if (!window.Create(showCommand)) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
