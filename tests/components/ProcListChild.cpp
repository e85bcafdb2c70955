// A program for the process-list tests to find: it sets the event named by its
// argument once it runs, then waits to be ended. The wait has a limit so that a test
// that dies before ending it leaves nothing behind for long.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc > 1) {
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (started) {
      SetEvent(started);
      CloseHandle(started);
    }
  }
  Sleep(120000);
  return 0;
}
