#pragma once
#include <windows.h>

#include <string>

#include "base/Handles.h"

// One program started as a process of its own. Whatever happens to the test, the
// program does not outlive this object: a process still running at its end is killed.
class RunningProgram {
 public:
  RunningProgram() = default;
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Starts program with the arguments, each one quoted; false when it did not start.
  bool Start(const std::string& program, const std::string& argument);

  DWORD Id() const { return id_; }
  bool Running() const;
  // Waits for the program to end by itself; false when it is still running after
  // timeoutMs. exitCode is set when it has ended.
  bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;

 private:
  KernelHandle process_;
  DWORD id_ = 0;
};

// ribeto.exe of this build: the test program runs from tests/, one folder below it.
std::string RibetoPath();
