#include "tests/components/ChildProcess.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "base/Sjis.h"
#include "tests/support/TempDir.h"

ChildProcess::ChildProcess(const std::string& folder, const std::string& name)
    : path_(folder + "\\" + name) {
  const std::string original = ProgramFolder() + "proclist_child.exe";
  if (!CopyFileA(original.c_str(), path_.c_str(), TRUE)) {
    ADD_FAILURE() << "cannot copy " << original << " to " << path_;
    return;
  }
  const std::string eventName = "ribeto-" + std::to_string(GetCurrentProcessId()) + "-" + name;
  const KernelHandle started(CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
  std::string commandLine = "\"" + path_ + "\" " + eventName;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "cannot start " << path_;
    return;
  }
  CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  id_ = info.dwProcessId;
  // Its modules are loaded once it runs its own code.
  EXPECT_EQ(WaitForSingleObject(started.Get(), 20000), WAIT_OBJECT_0) << "child did not start";
}

ChildProcess::~ChildProcess() {
  if (!process_) return;
  TerminateProcess(process_.Get(), 0);
  WaitForSingleObject(process_.Get(), 20000);
}

bool NtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string ReportedName(const ChildProcess& child) {
  if (NtFamily()) return child.Path();
  const FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (entry.th32ProcessID == child.Id()) return entry.szExeFile;
  }
  return {};
}

std::string OtherCase(std::string s) {
  for (std::size_t i = 0; i < s.size(); i = sjis::NextChar(s, i)) {
    char& c = s[i];
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return s;
}
