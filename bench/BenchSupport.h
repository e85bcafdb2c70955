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
// file000000.txt, file000001.txt, ... (count of them, empty) in the folder.
void MakeFiles(const std::string& folder, int count);
// A folder beside the program holding exactly what MakeFiles(folder, count) makes, and
// nothing else. Under Wine every file created in a folder costs a scan of the whole
// folder (for a name that differs in case only), so 100,000 files take the better part
// of an hour: the files of an earlier run are kept, and only what is missing is made
// and what does not belong removed. scripts/bench makes them beforehand from the Linux
// side, where they take a second.
std::string FilledBenchFolder(const std::string& name, int count);
// The shared folder of count files that benchmarks which only read them use.
inline std::string FilesFolderName(int count) { return "files-" + std::to_string(count); }

// N from the first argument, else the default.
int CountArgument(int argc, char** argv, int fallback);
