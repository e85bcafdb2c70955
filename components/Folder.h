#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Component.h"

enum eFolderStatus : std::uint8_t {
  eFStatusNop,     // nothing done yet
  eFStatusOpen,    // the last Open or Update loaded the folder
  eFStatusClose,   // Close was called, or the last Open failed
  eFStatusUpdate,  // Update was called and GetStatus has not been read since
};

// True when path names an existing folder.
bool FolderExists(const std::string& path);

// The order of both lists: upper-cased by the system's rules for the ANSI code page,
// then byte by byte as unsigned values, a prefix first. -1, 0 or 1.
int CompareNames(const std::string& a, const std::string& b);

// A name that may be created in a folder: not empty and without any of
// " / : , ; * ? \ < > |. The second byte of a double-byte character is part of that
// character, never one of these (表 and ソ end in the code of "\", ポ in that of "|").
bool IsValidName(const std::string& name);

// A snapshot of one folder: its absolute name and the sorted names of its plain files
// (neither hidden nor system) and of its subfolders (hidden and system ones included,
// none whose name begins with "."). Lookups bring the snapshot in line with the disk;
// a slot whose entry is gone is emptied rather than removed, so positions never shift.
// Every call leaves the process's current directory as it found it.
class TFolder : public TComponent {
 public:
  explicit TFolder(TComponent* owner);
  ~TFolder() override;

  bool Open();                         // the current directory
  bool Open(const std::string& path);  // absolute, or relative to the current directory
  void Close();
  bool Update();  // Open of the folder's own name; Status then reads eFStatusUpdate once
  // Reads the folder that FolderName names into fresh lists; on failure nothing is
  // loaded and the lists stay as they were.
  void Load();
  void Clear();  // empties both lists; Status and the folder's name stay

  std::string Files(int i) const;    // "" out of range, for an emptied slot, or not loaded
  std::string Folders(int i) const;
  int FindFile(const std::string& name);    // the slot, appended when new on disk; or -1
  int FindFolder(const std::string& name);

// windows.h makes DeleteFile a macro for DeleteFileA. The class answers to both names,
// so a caller reaches the same operation whether windows.h came before this header,
// after it, or not at all; the macro is back as it was at the end of the class.
#pragma push_macro("DeleteFile")
#undef DeleteFile
  bool DeleteFile(int i) { return DeleteSlot(i); }
  bool DeleteFile(const std::string& mask) { return DeleteMatching(mask); }
  bool DeleteFileA(int i) { return DeleteSlot(i); }
  bool DeleteFileA(const std::string& mask) { return DeleteMatching(mask); }
#pragma pop_macro("DeleteFile")

  bool RenameFile(int i, const std::string& newName);
  bool MakeFolder(const std::string& name);

  eFolderStatus GetStatus();  // not const: an eFStatusUpdate is reported once
  int GetFileNo() const;
  int GetFolderNo() const;
  std::string GetFolderName() const;

 private:
  using NameList = std::vector<std::optional<std::string>>;

  int Find(NameList& list, const std::string& name, bool (*exists)(const std::string&));
  bool DeleteSlot(int i);
  bool DeleteMatching(const std::string& mask);
  // FFolderName, a separator and name; "" when that would not fit the system's
  // 1023-character buffers, which every caller takes as a failure.
  std::string FullName(const std::string& name) const;

  eFolderStatus FStatus = eFStatusNop;
  bool FLoaded = false;
  std::string FFolderName;
  NameList FFileList;
  NameList FFolderList;
};
