#pragma once
#include <string>

std::string CurrentDirectory();

// Makes a folder the process's current directory until the object goes.
class CurrentDirectoryAt {
 public:
  explicit CurrentDirectoryAt(const std::string& path);
  ~CurrentDirectoryAt();
  CurrentDirectoryAt(const CurrentDirectoryAt&) = delete;
  CurrentDirectoryAt& operator=(const CurrentDirectoryAt&) = delete;

 private:
  std::string saved_;
};
