#pragma once
#include <windows.h>

#include <string>

// A fixture folder of its own for one test, under the build tree (so Wine reaches it
// through Z:), removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + "\\" + name; }

  // Creates a file (and any missing folders on the way) and returns its full path.
  std::string MakeFile(const std::string& name, const std::string& content = "x") const;
  std::string MakeFolder(const std::string& name) const;

 private:
  std::string path_;
};

bool FileExists(const std::string& path);
DWORD Attributes(const std::string& path);
// Removes a folder tree, read-only, hidden and system entries included.
void RemoveTree(const std::string& path);

// The folder of the running test program, with its trailing separator.
std::string ProgramFolder();
