#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

// Wall-clock seconds from the performance counter.
inline double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A folder for one benchmark beside the program, emptied first.
std::string BenchFolder(const std::string& name);
void RemoveTree(const std::string& path);
void MakeFiles(const std::string& folder, int count);

// N from the first argument, else the default.
int CountArgument(int argc, char** argv, int fallback);
