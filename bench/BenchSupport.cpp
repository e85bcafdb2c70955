#include "bench/BenchSupport.h"

#include <cstdlib>

#include "base/Handles.h"

std::string BenchFolder(const std::string& name) {
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, n);
  path = path.substr(0, path.find_last_of('\\') + 1) + "bench-data";
  CreateDirectoryA(path.c_str(), nullptr);
  path += "\\" + name;
  RemoveTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
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
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "\\file%06d.txt", i);
    FileHandle f(CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  }
}

int CountArgument(int argc, char** argv, int fallback) {
  if (argc > 1) {
    const int n = std::atoi(argv[1]);
    if (n > 0) return n;
  }
  return fallback;
}
