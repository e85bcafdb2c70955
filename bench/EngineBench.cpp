// The conversion engine against a bare loop of the same Win32 calls (the floor), on N
// fresh files each, name, times and attributes all changing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/FileTimes.h"
#include "bench/BenchSupport.h"
#include "bench/EngineRun.h"

namespace {

ChangeSettings NameTimesAndAttributes() {
  ChangeSettings s;
  s.ChangeName = true;
  s.NameText = "new";
  s.NameNumber = "000001    ";
  s.ChangeTime = true;
  s.MakeYearItem = 22;
  s.UpdateMonthItem = 3;
  s.ChangeAttr = true;
  s.AttrArchive = true;
  return s;
}

// The same calls with nothing around them: no records, no lines, no host.
double RunFloor(const std::string& folder, int count) {
  const std::vector<std::string> targets = Targets(folder, count);
  const double start = Seconds();
  char newName[MAX_PATH];
  for (int i = 0; i < count; ++i) {
    const char* path = targets[i].c_str();
    std::snprintf(newName, sizeof newName, "%s\\new%06d.txt", folder.c_str(), i + 1);
    FILETIME c, a, w;
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(h, &c, &a, &w);
    CloseHandle(h);
    SYSTEMTIME mt, ut, at;
    UtcToLocalSystemTime(c, mt);
    UtcToLocalSystemTime(w, ut);
    UtcToLocalSystemTime(a, at);
    mt.wYear = 2001;
    mt.wMilliseconds = 0;
    ut.wMonth = 3;
    ut.wMilliseconds = 0;
    const DWORD attr = GetFileAttributesA(path);
    h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    LocalSystemTimeToUtc(mt, c);
    LocalSystemTimeToUtc(ut, w);
    LocalSystemTimeToUtc(at, a);
    SetFileTime(h, &c, &a, &w);
    CloseHandle(h);
    MoveFileA(path, newName);
    SetFileAttributesA(newName, (attr & ~0x27u) | FILE_ATTRIBUTE_ARCHIVE);
  }
  return Seconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = CountArgument(argc, argv, 10000);
  // Under Wine every rename into a folder of N files scans the folder for a name that
  // differs in case only, so one round of 10,000 files takes most of a minute. More
  // rounds (second argument) alternate the sides and keep each side's best.
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  double engine = 1e9, floor = 1e9;
  for (int round = 0; round < rounds; ++round) {
    const std::string a = BenchFolder("engine");
    MakeFiles(a, count);
    engine = std::min(engine, RunEngine(a, count, NameTimesAndAttributes()));
    RemoveTree(a);
    const std::string b = BenchFolder("floor");
    MakeFiles(b, count);
    floor = std::min(floor, RunFloor(b, count));
    RemoveTree(b);
  }
  std::printf("files: %d\n", count);
  std::printf("engine: %.3f s (%.1f us/file)\n", engine, engine * 1e6 / count);
  std::printf("floor:  %.3f s (%.1f us/file)\n", floor, floor * 1e6 / count);
  std::printf("engine/floor ratio: %.2f\n", engine / floor);
  return 0;
}
