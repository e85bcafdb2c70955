#include "engine/PlanChange.h"

#include "base/ConvertError.h"
#include "base/Date.h"
#include "base/FileTimes.h"
#include "engine/NameGen.h"

namespace {

constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// Item k of a time list stands for offset + k; item 0 (or no selection) keeps the member.
WORD Member(int item, int offset, WORD kept) {
  return item <= 0 ? kept : static_cast<WORD>(item + offset);
}

bool ReadTimes(const std::string& path, ChangeLog& record, const FileApi& fs) {
  FILETIME creation, lastAccess, lastWrite;
  {
    OpenedFile file(fs, path, GENERIC_READ);
    if (!file.Valid() || !fs.GetTimes(file.Get(), &creation, &lastAccess, &lastWrite)) {
      return false;
    }
  }
  return UtcToLocalSystemTime(creation, record.OldMakeTime) &&
         UtcToLocalSystemTime(lastWrite, record.OldUpdateTime) &&
         UtcToLocalSystemTime(lastAccess, record.OldAccessTime);
}

}  // namespace

SYSTEMTIME ComposeTime(const SYSTEMTIME& old, int yearItem, int monthItem, int dayItem,
                       int hourItem, int minItem, int secItem) {
  SYSTEMTIME t = old;
  t.wYear = Member(yearItem, 1979, old.wYear);
  t.wMonth = Member(monthItem, 0, old.wMonth);
  t.wDay = Member(dayItem, 0, old.wDay);
  t.wHour = Member(hourItem, -1, old.wHour);
  t.wMinute = Member(minItem, -1, old.wMinute);
  t.wSecond = Member(secItem, -1, old.wSecond);
  t.wMilliseconds = 0;
  if (!IsValidDate(t.wYear, t.wMonth, t.wDay)) {
    throw EConvertError("日付に変換できない値が渡されました");
  }
  return t;
}

void PlanChange(const ChangeSettings& s, int index, const std::string& entry, ChangeLog& record,
                const FileApi& fs) {
  record.OldName = entry;
  record.NewName = (s.ChangeName || s.ChangeExt) ? MakeNewName(entry, index, s) : entry;

  if (s.ChangeTime && ReadTimes(entry, record, fs)) {
    record.NewMakeTime = ComposeTime(record.OldMakeTime, s.MakeYearItem, s.MakeMonthItem,
                                     s.MakeDayItem, s.MakeHourItem, s.MakeMinItem, s.MakeSecItem);
    record.NewUpdateTime =
        ComposeTime(record.OldUpdateTime, s.UpdateYearItem, s.UpdateMonthItem, s.UpdateDayItem,
                    s.UpdateHourItem, s.UpdateMinItem, s.UpdateSecItem);
    record.NewAccessTime = record.OldAccessTime;
    record.TimesRead = true;
  }

  record.OldAttr = static_cast<std::int32_t>(fs.GetAttributes(entry));
  if (s.ChangeAttr && record.OldAttr != -1) {
    DWORD attr = static_cast<DWORD>(record.OldAttr) & ~kSettable;
    if (s.AttrReadOnly) attr |= FILE_ATTRIBUTE_READONLY;
    if (s.AttrArchive) attr |= FILE_ATTRIBUTE_ARCHIVE;
    if (s.AttrHidden) attr |= FILE_ATTRIBUTE_HIDDEN;
    if (s.AttrSystem) attr |= FILE_ATTRIBUTE_SYSTEM;
    record.NewAttr = static_cast<std::int32_t>(attr);
  } else {
    record.NewAttr = record.OldAttr;
  }
}
