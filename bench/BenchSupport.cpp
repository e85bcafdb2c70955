#include "bench/BenchSupport.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/Handles.h"
#include "base/Sjis.h"

namespace {

// bench-data beside the program, created when missing.
std::string BenchDataFolder() {
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, n);
  path = path.substr(0, sjis::FindLastOf(path, "\\") + 1) + "bench-data";
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

// "\fileNNNNNN.txt", appended to a folder.
std::string MadeFileName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "\\file%06d.txt", index);
  return name;
}

void MakeFile(const std::string& folder, int index) {
  FileHandle f(CreateFileA((folder + MadeFileName(index)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The index NNNNNN of a name fileNNNNNN.txt below count, or -1.
int MadeFileIndex(const char* name, int count) {
  if (std::strlen(name) != 14 || std::strncmp(name, "file", 4) != 0 || std::strcmp(name + 10, ".txt") != 0) {
    return -1;
  }
  int index = -1;
  const auto [end, error] = std::from_chars(name + 4, name + 10, index);
  return error == std::errc() && end == name + 10 && index < count ? index : -1;
}

}  // namespace

std::string BenchFolder(const std::string& name) {
  const std::string path = BenchDataFolder() + "\\" + name;
  RemoveTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string FilledBenchFolder(const std::string& name, int count) {
  const std::string path = BenchDataFolder() + "\\" + name;
  CreateDirectoryA(path.c_str(), nullptr);
  // Keeps the plain files of the set and removes everything else, so that a folder left
  // half made by an interrupted run is completed rather than made again.
  std::vector<bool> present(count, false);
  std::vector<std::string> strays;
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
  if (find) {
    do {
      if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
      constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
      const int index = MadeFileIndex(data.cFileName, count);
      if ((data.dwFileAttributes & kNotPlain) == 0 && index >= 0) {
        present[index] = true;
      } else {
        strays.push_back(path + "\\" + data.cFileName);
      }
    } while (FindNextFileA(find.Get(), &data));
  }
  find.Reset();
  for (const std::string& stray : strays) {
    SetFileAttributesA(stray.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(stray.c_str())) RemoveTree(stray);
  }
  for (int i = 0; i < count; ++i) {
    if (!present[i]) MakeFile(path, i);
  }
  return path;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
  if (find) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (data.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      }
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find.Get(), &data));
  }
  find.Reset();
  RemoveDirectoryA(path.c_str());
}

void MakeFiles(const std::string& folder, int count) {
  for (int i = 0; i < count; ++i) MakeFile(folder, i);
}

int CountArgument(int argc, char** argv, int fallback) {
  if (argc > 1) {
    const int n = std::atoi(argv[1]);
    if (n > 0) return n;
  }
  return fallback;
}
