#include "engine/FileApi.h"

DWORD FileApi::GetAttributes(const std::string& path) const {
  return ::GetFileAttributesA(path.c_str());
}

bool FileApi::SetAttributes(const std::string& path, DWORD attributes) const {
  return ::SetFileAttributesA(path.c_str(), attributes) != 0;
}

HANDLE FileApi::Open(const std::string& path, DWORD access) const {
  return ::CreateFileA(path.c_str(), access, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

bool FileApi::GetTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess,
                          FILETIME* lastWrite) const {
  return ::GetFileTime(file, creation, lastAccess, lastWrite) == 1;
}

bool FileApi::SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                          const FILETIME* lastWrite) const {
  return ::SetFileTime(file, creation, lastAccess, lastWrite) == 1;
}

void FileApi::Close(HANDLE file) const { ::CloseHandle(file); }

bool FileApi::Move(const std::string& from, const std::string& to) const {
  return ::MoveFileA(from.c_str(), to.c_str()) != 0;
}

const FileApi& SystemFileApi() {
  static const FileApi api;
  return api;
}
