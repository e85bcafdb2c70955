#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One file's change in one run, held as before/after pairs so that undo can swap them
// and apply the record again. Times are local wall-clock times.
struct ChangeLog {
  std::string OldName;
  std::string NewName;
  std::int32_t OldAttr = -1;  // -1: the attributes could not be read; not changeable
  std::int32_t NewAttr = -1;
  SYSTEMTIME OldMakeTime{};
  SYSTEMTIME NewMakeTime{};
  SYSTEMTIME OldUpdateTime{};
  SYSTEMTIME NewUpdateTime{};
  SYSTEMTIME OldAccessTime{};
  SYSTEMTIME NewAccessTime{};
  bool NameFailed = false;
  bool AttrFailed = false;
  bool TimeFailed = false;
  // The times above were read from the file. When they could not be, the record has no
  // times to write, and writing its zeros would set the file to 1601.
  bool TimesRead = false;
};

// Record i belongs to line i of the result window and entry i of the target list.
using LogList = std::vector<std::unique_ptr<ChangeLog>>;
