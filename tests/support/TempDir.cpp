#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include "base/Handles.h"

std::string ProgramFolder() {
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, n);
  return path.substr(0, path.find_last_of('\\') + 1);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
  if (find) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find.Get(), &data));
  }
  find.Reset();
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

TempDir::TempDir() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "fixture";
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  const std::string root = ProgramFolder() + "fixtures";
  CreateDirectoryA(root.c_str(), nullptr);
  path_ = root + "\\" + name + "-" + std::to_string(GetCurrentProcessId());
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path_); }

std::string TempDir::MakeFolder(const std::string& name) const {
  std::string path = path_;
  std::size_t start = 0;
  while (start <= name.size()) {
    // "/" (0x2F) is never the second byte of a Shift-JIS character: a byte search is safe.
    std::size_t sep = name.find('/', start);
    if (sep == std::string::npos) sep = name.size();
    path += "\\" + name.substr(start, sep - start);
    CreateDirectoryA(path.c_str(), nullptr);
    start = sep + 1;
  }
  return path;
}

std::string TempDir::MakeFile(const std::string& name, const std::string& content) const {
  const std::size_t sep = name.rfind('/');
  std::string folder = path_;
  std::string leaf = name;
  if (sep != std::string::npos) {
    folder = MakeFolder(name.substr(0, sep));
    leaf = name.substr(sep + 1);
  }
  const std::string path = folder + "\\" + leaf;
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_TRUE(file.Valid()) << "cannot create " << path;
  DWORD written = 0;
  if (file) WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  return path;
}
