// TFolder::Open of a folder of N plain files against a bare FindFirstFileA/FindNextFileA
// loop over the same folder (the floor).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/Handles.h"
#include "bench/BenchSupport.h"
#include "components/Folder.h"

namespace {

// Entries of the folder, "." and ".." included; the timed floor loop.
int CountEntries(const std::string& folder) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &data));
  if (!find) return 0;
  int n = 0;
  do {
    ++n;
  } while (FindNextFileA(find.Get(), &data));
  return n;
}

double TimeFloor(const std::string& folder, int& entries) {
  const double start = Seconds();
  entries = CountEntries(folder);
  return Seconds() - start;
}

double TimeOpen(const std::string& folder, int& files) {
  TFolder f(nullptr);
  const double start = Seconds();
  f.Open(folder);
  const double elapsed = Seconds() - start;
  files = f.GetFileNo();
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = CountArgument(argc, argv, 100000);
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const std::string folder = FilledBenchFolder(FilesFolderName(count), count);

  double open = 1e9, floor = 1e9;
  for (int round = 0; round < rounds; ++round) {
    int entries = 0, files = 0;
    floor = std::min(floor, TimeFloor(folder, entries));
    open = std::min(open, TimeOpen(folder, files));
    if (files != count || entries != count + 2) {
      std::printf("folder holds %d entries, Open listed %d files: expected %d\n", entries, files, count);
      return 1;
    }
  }
  std::printf("files: %d, best of %d rounds\n", count, rounds);
  std::printf("open:  %.3f s (%.2f us/file)\n", open, open * 1e6 / count);
  std::printf("floor: %.3f s (%.2f us/file)\n", floor, floor * 1e6 / count);
  std::printf("folder/floor ratio: %.2f\n", open / floor);
  return 0;
}
