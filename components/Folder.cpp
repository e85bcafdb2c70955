#include "components/Folder.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/Handles.h"
#include "base/Sjis.h"
#include "base/Text.h"

namespace {

// Patterns, full names and the current directory go through buffers of 1024 bytes in
// the system's calls; anything longer fails instead of being cut into another path.
constexpr std::size_t kMaxPath = 1023;

constexpr DWORD kFilteredBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// An entry with none of the hidden, system and directory bits always passes; one with
// some of them passes only when the filter shares one of those bits with it.
bool PassesFilter(DWORD attributes, DWORD filter) {
  return (attributes & kFilteredBits) == 0 || (attributes & filter & kFilteredBits) != 0;
}

// A string handed to the system ends at its first zero byte: a name holding one would
// reach another entry than the one asked for.
bool HoldsZero(const std::string& s) { return s.find('\0') != std::string::npos; }

std::string CurrentDirectory() {
  char buffer[kMaxPath + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  // A result of the buffer's size or more is the size it would need.
  if (n == 0 || n > kMaxPath) return {};
  return std::string(buffer, n);
}

template <typename Each>
void Enumerate(const std::string& pattern, Each&& each) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA(pattern.c_str(), &data));
  if (!find) return;
  do {
    each(data);
  } while (FindNextFileA(find.Get(), &data));
}

bool IsPlainEntry(const std::string& fullName) {
  WIN32_FIND_DATAA data;
  FindHandle find(FindFirstFileA(fullName.c_str(), &data));
  return find && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A name with its sort key, upper-cased once for the whole sort.
struct Keyed {
  std::string key;
  std::string name;
};

void Add(std::vector<Keyed>& entries, const char* name) {
  std::string copy(name);
  std::string key = UpperCase(copy);
  entries.push_back({std::move(key), std::move(copy)});
}

// std::string compares its bytes as unsigned values, the shorter of two first when
// one is a prefix of the other: the order CompareNames defines.
template <typename List>
void SortInto(std::vector<Keyed>& entries, List& list) {
  std::sort(entries.begin(), entries.end(),
            [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  list.clear();
  list.reserve(entries.size());
  for (Keyed& e : entries) list.emplace_back(std::move(e.name));
}

template <typename List>
int IndexOf(const List& list, const std::string& name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] && *list[i] == name) return static_cast<int>(i);
  }
  return -1;
}

template <typename List>
std::string At(const List& list, bool loaded, int i) {
  if (!loaded || i < 0 || static_cast<std::size_t>(i) >= list.size() || !list[i]) return {};
  return *list[i];
}

}  // namespace

bool FolderExists(const std::string& path) {
  if (HoldsZero(path)) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CompareNames(const std::string& a, const std::string& b) {
  const int c = UpperCase(a).compare(UpperCase(b));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool IsValidName(const std::string& name) {
  return !name.empty() && sjis::FindFirstOf(name, "\"/:,;*?\\<>|") == std::string::npos;
}

TFolder::TFolder(TComponent* owner) : TComponent(owner) {}

TFolder::~TFolder() { Close(); }

std::string TFolder::FullName(const std::string& name) const {
  // A root such as C:\ already ends with its separator.
  const bool endsWithSeparator =
      !FFolderName.empty() && sjis::FindLastOf(FFolderName, "\\") == FFolderName.size() - 1;
  std::string full = FFolderName;
  if (!endsWithSeparator) full += '\\';
  full += name;
  if (full.size() > kMaxPath || HoldsZero(full)) return {};
  return full;
}

void TFolder::Load() {
  FLoaded = false;
  const std::string saved = CurrentDirectory();
  // Without the saved directory it could not be put back.
  if (saved.empty() || FFolderName.empty() || HoldsZero(FFolderName)) return;
  if (!SetCurrentDirectoryA(FFolderName.c_str())) return;
  const std::string absolute = CurrentDirectory();
  SetCurrentDirectoryA(saved.c_str());
  if (absolute.empty()) return;
  FFolderName = absolute;

  const std::string pattern = FullName("*.*");
  if (pattern.empty()) return;
  // One pass gives what an enumeration with filter 0 (plain files) and one with filter
  // FILE_ATTRIBUTE_DIRECTORY (folders, except "." names) would give, at half the cost.
  std::vector<Keyed> files, folders;
  Enumerate(pattern, [&](const WIN32_FIND_DATAA& data) {
    const DWORD attributes = data.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (data.cFileName[0] != '.') Add(folders, data.cFileName);
    } else if (PassesFilter(attributes, 0)) {
      Add(files, data.cFileName);
    }
  });
  SortInto(files, FFileList);
  SortInto(folders, FFolderList);
  FLoaded = true;
}

void TFolder::Clear() {
  FFileList.clear();
  FFolderList.clear();
  FLoaded = false;
}

bool TFolder::Open() {
  Clear();
  FFolderName = CurrentDirectory();
  Load();
  FStatus = FLoaded ? eFStatusOpen : eFStatusClose;
  return FLoaded;
}

bool TFolder::Open(const std::string& path) {
  Clear();
  FFolderName = path;
  Load();
  FStatus = FLoaded ? eFStatusOpen : eFStatusClose;
  return FLoaded;
}

void TFolder::Close() {
  Clear();
  FStatus = eFStatusClose;
}

bool TFolder::Update() {
  const bool loaded = Open(std::string(FFolderName));
  FStatus = eFStatusUpdate;
  return loaded;
}

std::string TFolder::Files(int i) const { return At(FFileList, FLoaded, i); }

std::string TFolder::Folders(int i) const { return At(FFolderList, FLoaded, i); }

// The lookup behind FindFile and FindFolder: the slot of name, appended when the entry is
// new on disk, emptied when it is gone; -1 when it does not exist.
int TFolder::Find(NameList& list, const std::string& name, bool (*exists)(const std::string&)) {
  if (!FLoaded || !IsValidName(name)) return -1;
  const std::string full = FullName(name);
  if (full.empty()) return -1;
  int slot = IndexOf(list, name);
  if (exists(full)) {
    if (slot < 0) {
      list.emplace_back(name);
      slot = static_cast<int>(list.size()) - 1;
    }
    return slot;
  }
  if (slot >= 0) list[slot].reset();
  return -1;
}

int TFolder::FindFile(const std::string& name) { return Find(FFileList, name, &IsPlainEntry); }

int TFolder::FindFolder(const std::string& name) { return Find(FFolderList, name, &FolderExists); }

bool TFolder::DeleteSlot(int i) {
  if (!FLoaded) return false;
  const int s = FindFile(Files(i));
  if (s < 0) return false;
  // Qualified: inside the class, DeleteFileA names the class's own operation.
  if (!::DeleteFileA(FullName(*FFileList[s]).c_str())) return false;
  FFileList[s].reset();
  return true;
}

bool TFolder::DeleteMatching(const std::string& mask) {
  if (!FLoaded) return false;
  const std::string pattern = FullName(mask);
  if (pattern.empty()) return false;
  // All names first: deleting while the search runs could skip or repeat entries.
  std::vector<std::string> names;
  Enumerate(pattern, [&](const WIN32_FIND_DATAA& data) {
    if (PassesFilter(data.dwFileAttributes, 0)) names.emplace_back(data.cFileName);
  });
  if (names.empty()) return false;
  std::size_t deleted = 0;
  for (const std::string& name : names) {
    const int s = FindFile(name);
    if (s < 0) continue;
    if (::DeleteFileA(FullName(name).c_str())) {
      FFileList[s].reset();
      ++deleted;
    }
  }
  return deleted == names.size();
}

bool TFolder::RenameFile(int i, const std::string& newName) {
  if (!FLoaded || !IsValidName(newName)) return false;
  const std::string to = FullName(newName);
  if (to.empty()) return false;
  const int s = FindFile(Files(i));
  if (s < 0) return false;
  if (!::MoveFileA(FullName(*FFileList[s]).c_str(), to.c_str())) return false;
  FFileList[s] = newName;
  return true;
}

bool TFolder::MakeFolder(const std::string& name) {
  if (!FLoaded || !IsValidName(name)) return false;
  const std::string full = FullName(name);
  if (full.empty() || !CreateDirectoryA(full.c_str(), nullptr)) return false;
  FFolderList.emplace_back(name);
  return true;
}

eFolderStatus TFolder::GetStatus() {
  if (FStatus != eFStatusUpdate) return FStatus;
  FStatus = FLoaded ? eFStatusOpen : eFStatusClose;
  return eFStatusUpdate;
}

int TFolder::GetFileNo() const { return FLoaded ? static_cast<int>(FFileList.size()) : 0; }

int TFolder::GetFolderNo() const { return FLoaded ? static_cast<int>(FFolderList.size()) : 0; }

std::string TFolder::GetFolderName() const { return FLoaded ? FFolderName : std::string(); }
