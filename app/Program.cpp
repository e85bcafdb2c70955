// The program entry: the application titled "Ribeto", the main window and the result
// window created once, the message loop, and exit code 0 whatever happened.
#include <windows.h>

#include "app/Main.h"
#include "result/Log.h"
#include "widgets/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application().Initialize();
    Application().SetTitle("Ribeto");
    Application().CreateForm(MainForm);
    Application().CreateForm(LogForm);
    LogForm->SetMainWindow(&MainForm->mpScrollListBox, [] { return MainForm->mpChkboxDateTime.Checked(); });
    Application().Run();
  } catch (...) {
    Application().HandleException();
  }
  delete LogForm;
  delete MainForm;
  return 0;
}
