#include <gtest/gtest.h>

#include "base/FileTimes.h"
#include "base/Handles.h"
#include "engine/ApplyChange.h"
#include "tests/support/RecordingFileApi.h"
#include "tests/support/TempDir.h"

namespace {

using Op = RecordingFileApi::Op;

constexpr std::int32_t kArchive = FILE_ATTRIBUTE_ARCHIVE;
constexpr std::int32_t kReadOnly = FILE_ATTRIBUTE_READONLY;
constexpr std::int32_t kHidden = FILE_ATTRIBUTE_HIDDEN;

// A record planned by hand: the file's real attributes, its name changing to newName.
ChangeLog Record(const std::string& oldName, const std::string& newName) {
  ChangeLog r;
  r.OldName = oldName;
  r.NewName = newName;
  r.OldAttr = r.NewAttr = static_cast<std::int32_t>(Attributes(oldName));
  return r;
}

SYSTEMTIME Local(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
  SYSTEMTIME t{};
  t.wYear = y, t.wMonth = mo, t.wDay = d, t.wHour = h, t.wMinute = mi, t.wSecond = s;
  return t;
}

void SetTimesToWrite(ChangeLog& r) {
  r.OldMakeTime = r.OldUpdateTime = r.OldAccessTime = Local(2020, 1, 1, 0, 0, 0);
  r.NewMakeTime = Local(2001, 2, 3, 4, 5, 6);
  r.NewUpdateTime = Local(2002, 3, 4, 5, 6, 7);
  r.NewAccessTime = Local(2003, 4, 5, 6, 7, 8);
  r.TimesRead = true;
}

FILETIME Utc(const SYSTEMTIME& local) {
  FILETIME ft{};
  EXPECT_TRUE(LocalSystemTimeToUtc(local, ft));
  return ft;
}

bool operator==(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

FILETIME LastWriteOnDisk(const std::string& path) {
  FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr));
  FILETIME c{}, a{}, w{};
  EXPECT_TRUE(f.Valid());
  GetFileTime(f.Get(), &c, &a, &w);
  return w;
}

struct Flags {
  bool name, attr, time;
};
void ExpectFlags(const ChangeLog& r, Flags f) {
  EXPECT_EQ(r.NameFailed, f.name);
  EXPECT_EQ(r.AttrFailed, f.attr);
  EXPECT_EQ(r.TimeFailed, f.time);
}

}  // namespace

TEST(ApplyChange, ResultLinesAndFlags) {
  TempDir dir;
  struct Case {
    const char* what;
    bool changeTime;
    bool renamed;
    std::int32_t newAttrBits;  // added to the file's attributes
    std::string (*expected)(const std::string& oldName, const std::string& newName);
  } cases[] = {
      {"rename only", false, true, 0,
       [](auto& o, auto& n) { return o + " → " + n + " ： 変更成功、ファイル日時変更なし、属性変更なし"; }},
      {"times only", true, false, 0,
       [](auto& o, auto&) { return o + " ： ファイル名変更なし、ファイル日時変更成功、属性変更なし"; }},
      {"attributes only", false, false, kHidden,
       [](auto& o, auto&) { return o + " ： ファイル名変更なし、ファイル日時変更なし、属性変更成功"; }},
      {"everything", true, true, kHidden,
       [](auto& o, auto& n) { return o + " → " + n + " ： 変更成功、ファイル日時変更成功、属性変更成功"; }},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string oldName = dir.MakeFile("f" + std::to_string(n) + ".txt");
    const std::string newName = c.renamed ? dir.Path("g" + std::to_string(n) + ".txt") : oldName;
    ++n;
    ChangeLog r = Record(oldName, newName);
    r.NewAttr |= c.newAttrBits;
    if (c.changeTime) SetTimesToWrite(r);
    EXPECT_EQ(ApplyChange(r, c.changeTime), c.expected(oldName, newName));
    ExpectFlags(r, {false, false, false});
    EXPECT_TRUE(FileExists(newName));
    EXPECT_EQ(Attributes(newName), static_cast<DWORD>(r.NewAttr));
  }
}

TEST(ApplyChange, DeletedFileIsNotChangeable) {
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r;
  r.OldName = dir.Path("gone.txt");
  r.NewName = dir.Path("new.txt");
  SetTimesToWrite(r);
  EXPECT_EQ(ApplyChange(r, true, fs), r.OldName + " ： 変更不可");
  ExpectFlags(r, {true, true, true});
  EXPECT_TRUE(fs.Calls().empty());
}

TEST(ApplyChange, ReadOnlyFileIsRenamedAndStaysReadOnly) {
  TempDir dir;
  RecordingFileApi fs;
  const std::string oldName = dir.MakeFile("ro.txt");
  SetFileAttributesA(oldName.c_str(), kReadOnly | kArchive);
  ChangeLog r = Record(oldName, dir.Path("renamed.txt"));
  const std::string line = ApplyChange(r, false, fs);
  EXPECT_EQ(line, oldName + " → " + r.NewName + " ： 変更成功、ファイル日時変更なし、属性変更なし");
  ExpectFlags(r, {false, false, false});
  EXPECT_EQ(Attributes(r.NewName) & kReadOnly, static_cast<DWORD>(kReadOnly));
  // Cleared before the rename, put back on the new name afterwards.
  const auto sets = fs.CallsOf(Op::SetAttributes);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].path, oldName);
  EXPECT_EQ(sets[0].value & kReadOnly, 0u);
  EXPECT_EQ(sets[1].path, r.NewName);
  EXPECT_EQ(sets[1].value, static_cast<DWORD>(r.NewAttr));
  EXPECT_EQ(fs.Count(Op::Open), 0);
}

TEST(ApplyChange, OrderOnTheFileSystem) {
  TempDir dir;
  RecordingFileApi fs;
  const std::string oldName = dir.MakeFile("a.txt");
  SetFileAttributesA(oldName.c_str(), kReadOnly);
  ChangeLog r = Record(oldName, dir.Path("b.txt"));
  SetTimesToWrite(r);
  ApplyChange(r, true, fs);
  std::vector<Op> ops;
  for (const auto& c : fs.Calls()) ops.push_back(c.op);
  EXPECT_EQ(ops, (std::vector<Op>{Op::SetAttributes, Op::Open, Op::SetTimes, Op::Close, Op::Move,
                                  Op::SetAttributes}));
  EXPECT_EQ(fs.CallsOf(Op::Open)[0].value, static_cast<DWORD>(GENERIC_WRITE));
}

TEST(ApplyChange, TimesWrittenAsAsked) {
  // Wine keeps the last-write time but not the creation time, so the creation and access
  // times are checked in what was handed to SetFileTime.
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r = Record(dir.MakeFile("t.txt"), "");
  r.NewName = r.OldName;
  SetTimesToWrite(r);
  ApplyChange(r, true, fs);
  const auto set = fs.CallsOf(Op::SetTimes);
  ASSERT_EQ(set.size(), 1u);
  EXPECT_TRUE(set[0].creation == Utc(r.NewMakeTime));
  EXPECT_TRUE(set[0].lastAccess == Utc(r.NewAccessTime));
  EXPECT_TRUE(set[0].lastWrite == Utc(r.NewUpdateTime));
  EXPECT_TRUE(LastWriteOnDisk(r.OldName) == Utc(r.NewUpdateTime));
}

TEST(ApplyChange, WithoutTimestampsNoFileIsOpenedAndTimesAreCopied) {
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r = Record(dir.MakeFile("t.txt"), "");
  r.NewName = r.OldName;
  SetTimesToWrite(r);
  EXPECT_EQ(ApplyChange(r, false, fs), r.OldName + " ： ファイル名変更なし、ファイル日時変更なし、属性変更なし");
  EXPECT_EQ(fs.Count(Op::Open), 0);
  EXPECT_EQ(memcmp(&r.NewMakeTime, &r.OldMakeTime, sizeof(SYSTEMTIME)), 0);
  EXPECT_EQ(memcmp(&r.NewUpdateTime, &r.OldUpdateTime, sizeof(SYSTEMTIME)), 0);
  EXPECT_EQ(memcmp(&r.NewAccessTime, &r.OldAccessTime, sizeof(SYSTEMTIME)), 0);
}

TEST(ApplyChange, TimesThatWereNeverReadAreNotWritten) {
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r = Record(dir.MakeFile("t.txt"), dir.Path("u.txt"));
  const FILETIME before = LastWriteOnDisk(r.OldName);
  EXPECT_EQ(ApplyChange(r, true, fs),
            r.OldName + " → " + r.NewName + " ： 変更成功、ファイル日時変更失敗、属性変更なし");
  ExpectFlags(r, {false, false, true});
  EXPECT_EQ(fs.Count(Op::SetTimes), 0);
  EXPECT_TRUE(LastWriteOnDisk(r.NewName) == before);
}

TEST(ApplyChange, ExistingTargetFailsTheRenameOnly) {
  TempDir dir;
  RecordingFileApi fs;
  const std::string a = dir.MakeFile("a.txt", "a");
  const std::string b = dir.MakeFile("b.txt", "b");
  ChangeLog r = Record(a, b);
  r.NewAttr |= kHidden;
  EXPECT_EQ(ApplyChange(r, false, fs), a + " → " + b + " ： 変更失敗、ファイル日時変更なし、属性変更成功");
  ExpectFlags(r, {true, false, false});
  EXPECT_EQ(fs.CallsOf(Op::SetAttributes).back().path, a);
  EXPECT_TRUE(Attributes(a) & kHidden);
  EXPECT_FALSE(Attributes(b) & kHidden);
}

TEST(ApplyChange, InjectedFailures) {
  struct Case {
    const char* what;
    Op op;
    int nth;
    Flags flags;
    const char* lineEnd;
  } cases[] = {
      {"SetFileTime", Op::SetTimes, 1, {false, false, true}, " ： 変更成功、ファイル日時変更失敗、属性変更成功"},
      {"MoveFileA", Op::Move, 1, {true, false, false}, " ： 変更失敗、ファイル日時変更成功、属性変更成功"},
      {"final SetFileAttributesA", Op::SetAttributes, 1, {false, true, false},
       " ： 変更成功、ファイル日時変更成功、属性変更失敗"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    RecordingFileApi fs;
    fs.FailCall(c.op, c.nth);
    ChangeLog r = Record(dir.MakeFile("a.txt"), dir.Path("b.txt"));
    r.NewAttr |= kHidden;
    SetTimesToWrite(r);
    const std::string line = ApplyChange(r, true, fs);
    EXPECT_EQ(line, r.OldName + " → " + r.NewName + c.lineEnd);
    ExpectFlags(r, c.flags);
    // Whatever failed, the other parts were carried out.
    const std::string present = r.NameFailed ? r.OldName : r.NewName;
    EXPECT_TRUE(FileExists(present));
    EXPECT_EQ((Attributes(present) & kHidden) != 0, !r.AttrFailed);
  }
}

TEST(ApplyChange, ClearingReadOnlyFailsIsNotChangeable) {
  TempDir dir;
  RecordingFileApi fs;
  fs.FailCall(Op::SetAttributes, 1);
  const std::string a = dir.MakeFile("a.txt");
  SetFileAttributesA(a.c_str(), kReadOnly);
  ChangeLog r = Record(a, dir.Path("b.txt"));
  EXPECT_EQ(ApplyChange(r, false, fs), a + " ： 変更不可");
  ExpectFlags(r, {true, true, true});
  EXPECT_EQ(fs.Count(Op::Move), 0);
  EXPECT_TRUE(FileExists(a));
}

TEST(ApplyChange, FileHeldOpenForReadingKeepsItsReadOnlyBit) {
  TempDir dir;
  const std::string a = dir.MakeFile("a.txt");
  SetFileAttributesA(a.c_str(), kReadOnly | kArchive);
  // Another program reads the file and shares reading only: the open for writing fails.
  FileHandle reader(CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                nullptr));
  ASSERT_TRUE(reader.Valid());
  ChangeLog r = Record(a, dir.Path("b.txt"));
  SetTimesToWrite(r);
  EXPECT_EQ(ApplyChange(r, true), a + " ： 変更不可");
  ExpectFlags(r, {true, true, true});
  reader.Reset();
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(FileExists(r.NewName));
  EXPECT_EQ(Attributes(a) & kReadOnly, static_cast<DWORD>(kReadOnly));
}

TEST(ApplyChange, LetterCaseOnlyRenameIsAsked) {
  // Wine reports success for a rename that changes letter case only but keeps the old
  // spelling on disk, so the test checks what MoveFileA was asked.
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r = Record(dir.MakeFile("abc.txt"), dir.Path("ABC.txt"));
  EXPECT_EQ(ApplyChange(r, false, fs),
            r.OldName + " → " + r.NewName + " ： 変更成功、ファイル日時変更なし、属性変更なし");
  const auto moves = fs.CallsOf(Op::Move);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].path, r.OldName);
  EXPECT_EQ(moves[0].target, r.NewName);
}

TEST(ApplyChange, SecondApplicationKeepsEarlierFlags) {
  TempDir dir;
  RecordingFileApi fs;
  fs.FailCall(Op::Move, 1);
  ChangeLog r = Record(dir.MakeFile("a.txt"), dir.Path("b.txt"));
  ApplyChange(r, false, fs);
  ExpectFlags(r, {true, false, false});
  // The rename is tried again and works, but the flag set the first time stays set, and
  // the attributes go to the old name, where the flag says the file is.
  const std::string line = ApplyChange(r, false, fs);
  EXPECT_EQ(line, r.OldName + " → " + r.NewName + " ： 変更成功、ファイル日時変更なし、属性変更失敗");
  ExpectFlags(r, {true, true, false});
  EXPECT_EQ(fs.Count(Op::Move), 2);
}
