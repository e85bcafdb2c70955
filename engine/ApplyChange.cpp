#include "engine/ApplyChange.h"

#include "base/FileTimes.h"

namespace {

constexpr DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;

std::string NotChangeable(ChangeLog& record) {
  record.NameFailed = record.AttrFailed = record.TimeFailed = true;
  return record.OldName + " ： 変更不可";
}

// Writes the three new times; false when they could not be written.
bool WriteTimes(const ChangeLog& record, HANDLE file, const FileApi& fs) {
  FILETIME creation, lastAccess, lastWrite;
  if (!LocalSystemTimeToUtc(record.NewMakeTime, creation) ||
      !LocalSystemTimeToUtc(record.NewAccessTime, lastAccess) ||
      !LocalSystemTimeToUtc(record.NewUpdateTime, lastWrite)) {
    return false;
  }
  return fs.SetTimes(file, &creation, &lastAccess, &lastWrite);
}

}  // namespace

std::string ApplyChange(ChangeLog& record, bool changeTime, const FileApi& fs) {
  if (record.OldAttr == -1) return NotChangeable(record);

  const auto oldAttr = static_cast<DWORD>(record.OldAttr);
  const bool wasReadOnly = (oldAttr & kReadOnly) != 0;
  if (wasReadOnly && !fs.SetAttributes(record.OldName, oldAttr & ~kReadOnly)) {
    return NotChangeable(record);
  }

  std::string timesText;
  if (!changeTime) {
    record.NewMakeTime = record.OldMakeTime;
    record.NewUpdateTime = record.OldUpdateTime;
    record.NewAccessTime = record.OldAccessTime;
    timesText = "ファイル日時変更なし";
  } else if (!record.TimesRead) {
    // Planning could not read the file's times, so there is nothing sound to write.
    record.TimeFailed = true;
    timesText = "ファイル日時変更失敗";
  } else {
    OpenedFile file(fs, record.OldName, GENERIC_WRITE);
    if (!file.Valid()) {
      // Leave the file as it was found, so that "cannot be changed" holds.
      if (wasReadOnly) fs.SetAttributes(record.OldName, oldAttr);
      return NotChangeable(record);
    }
    if (WriteTimes(record, file.Get(), fs)) {
      timesText = "ファイル日時変更成功";
    } else {
      record.TimeFailed = true;
      timesText = "ファイル日時変更失敗";
    }
  }

  std::string nameText;
  if (record.OldName != record.NewName) {
    const bool moved = fs.Move(record.OldName, record.NewName);
    if (!moved) record.NameFailed = true;
    nameText = record.OldName + " → " + record.NewName + (moved ? " ： 変更成功" : " ： 変更失敗");
  } else {
    nameText = record.OldName + " ： ファイル名変更なし";
  }

  const std::string& target = record.NameFailed ? record.OldName : record.NewName;
  std::string attrText;
  if (fs.SetAttributes(target, static_cast<DWORD>(record.NewAttr))) {
    attrText = record.OldAttr == record.NewAttr ? "属性変更なし" : "属性変更成功";
  } else {
    record.AttrFailed = true;
    attrText = "属性変更失敗";
  }

  return nameText + "、" + timesText + "、" + attrText;
}
