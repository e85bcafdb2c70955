#pragma once
#include <windows.h>

#include <string>

#include "base/Handles.h"

// A running copy of proclist_child.exe, under a name of its own in folder, ended and
// waited for when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::string& folder, const std::string& name);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Running() const { return process_.Valid(); }
  DWORD Id() const { return id_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  KernelHandle process_;
  DWORD id_ = 0;
};

bool NtFamily();

// The executable name that the system's own interface reports for a process: the
// module path on the NT family, the tool-help snapshot's file name on the 95 family.
std::string ReportedName(const ChildProcess& child);

// ASCII letters in the other case, everything else as it is.
std::string OtherCase(std::string s);
