#pragma once
#include <windows.h>

#include <string>

// The file-system calls of a conversion, one virtual per Win32 call (GetFileAttributesA,
// SetFileAttributesA, CreateFileA, GetFileTime, SetFileTime, CloseHandle, MoveFileA). Production uses
// this class as it is (the real calls); tests derive from it to record what was asked
// or to make a chosen call fail.
class FileApi {
 public:
  virtual ~FileApi() = default;

  virtual DWORD GetAttributes(const std::string& path) const;
  virtual bool SetAttributes(const std::string& path, DWORD attributes) const;
  // CreateFileA(path, access, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr):
  // a file being read elsewhere cannot be opened for writing its times, and the reverse.
  virtual HANDLE Open(const std::string& path, DWORD access) const;
  virtual bool GetTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess,
                           FILETIME* lastWrite) const;
  virtual bool SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                           const FILETIME* lastWrite) const;
  virtual void Close(HANDLE file) const;
  virtual bool Move(const std::string& from, const std::string& to) const;
};

// The real calls.
const FileApi& SystemFileApi();

// A handle from FileApi::Open, closed through the same FileApi on every path.
class OpenedFile {
 public:
  OpenedFile(const FileApi& api, const std::string& path, DWORD access)
      : api_(api), handle_(api.Open(path, access)) {}
  ~OpenedFile() {
    if (Valid()) api_.Close(handle_);
  }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  const FileApi& api_;
  HANDLE handle_;
};
