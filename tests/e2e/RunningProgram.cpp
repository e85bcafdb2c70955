#include "tests/e2e/RunningProgram.h"

#include "base/Sjis.h"
#include "tests/support/TempDir.h"

RunningProgram::~RunningProgram() {
  if (Running()) {
    TerminateProcess(process_.Get(), 99);
    WaitForSingleObject(process_.Get(), 5000);
  }
}

bool RunningProgram::Start(const std::string& program, const std::string& argument) {
  std::string commandLine = "\"" + program + "\" \"" + argument + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  process_.Reset(info.hProcess);
  KernelHandle thread(info.hThread);
  id_ = info.dwProcessId;
  return true;
}

bool RunningProgram::Running() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const {
  if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(process_.Get(), &exitCode) != FALSE;
}

std::string RibetoPath() {
  std::string folder = ProgramFolder();
  folder.pop_back();  // its trailing separator
  return sjis::ParentPath(folder) + "\\ribeto.exe";
}
