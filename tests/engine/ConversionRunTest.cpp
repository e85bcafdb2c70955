#include <gtest/gtest.h>

#include <functional>

#include "base/ConvertError.h"
#include "base/FileTimes.h"
#include "base/Handles.h"
#include "engine/ConversionRun.h"
#include "engine/PlanChange.h"
#include "tests/support/RecordingFileApi.h"
#include "tests/support/TempDir.h"

namespace {

// Stands in for the two windows: a target list, settings and a result window's records
// and lines, with a count of every refresh the run asks for.
class TestHost : public ConversionHost {
 public:
  std::vector<std::string> targets;
  ChangeSettings settings;
  std::unique_ptr<LogList> records;
  std::vector<std::string> lines;
  int shown = 0, listUpdates = 0, changeUpdates = 0, focusMoves = 0, pumps = 0, discards = 0;
  std::vector<std::string> linesWhenShown;
  // Runs between files, as the message loop would.
  std::function<void(TestHost&)> onPump;

  ChangeSettings Settings() override { return settings; }
  int TargetCount() override { return static_cast<int>(targets.size()); }
  std::string Target(int i) override { return targets.at(i); }
  LogList& NewLogList() override {
    records = std::make_unique<LogList>();
    return *records;
  }
  void AppendLine(const std::string& line) override { lines.push_back(line); }
  void SetLine(int i, const std::string& line) override { lines.at(i) = line; }
  void DiscardResults() override {
    ++discards;
    records.reset();
    lines.clear();
  }
  void ShowResults() override {
    ++shown;
    linesWhenShown = lines;
    // The result window empties itself and drops the records when it closes.
    records.reset();
    lines.clear();
  }
  bool UpdateListButtons() override {
    ++listUpdates;
    return !targets.empty();
  }
  void UpdateChangeButton() override { ++changeUpdates; }
  void FocusNextControl() override { ++focusMoves; }
  void ProcessMessages() override {
    ++pumps;
    if (onPump) onPump(*this);
  }
};

std::string Pad(const std::string& digits) { return digits + std::string(10 - digits.size(), ' '); }

ChangeSettings Rename(const std::string& text, const std::string& number) {
  ChangeSettings s;
  s.ChangeName = true;
  s.NameText = text;
  s.NameNumber = Pad(number);
  return s;
}

void SetLastWrite(const std::string& path, WORD y, WORD mo, WORD d, WORD h = 12) {
  SYSTEMTIME t{};
  t.wYear = y, t.wMonth = mo, t.wDay = d, t.wHour = h, t.wMinute = 34, t.wSecond = 56;
  t.wMilliseconds = 789;
  FILETIME ft;
  ASSERT_TRUE(LocalSystemTimeToUtc(t, ft));
  FileHandle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(f.Valid());
  ASSERT_TRUE(SetFileTime(f.Get(), &ft, &ft, &ft));
}

SYSTEMTIME LastWriteLocal(const std::string& path) {
  FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr));
  FILETIME c{}, a{}, w{};
  GetFileTime(f.Get(), &c, &a, &w);
  SYSTEMTIME t{};
  UtcToLocalSystemTime(w, t);
  return t;
}

std::string ErrorOf(TestHost& host) {
  try {
    RunConversion(host);
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(ConversionRun, NothingToChangeOrNoFilesDoesNothing) {
  TempDir dir;
  TestHost host;
  host.targets = {dir.MakeFile("a.txt")};
  RunConversion(host);  // no change chosen
  host.settings = Rename("x", "1");
  host.targets.clear();
  RunConversion(host);
  EXPECT_EQ(host.records, nullptr);
  EXPECT_EQ(host.shown + host.listUpdates + host.changeUpdates + host.pumps, 0);
  EXPECT_TRUE(FileExists(dir.Path("a.txt")));
}

TEST(ConversionRun, RenamesInListOrderAndRefreshesAfterwards) {
  TempDir dir;
  TestHost host;
  host.targets = {dir.MakeFile("b.txt"), dir.MakeFile("a.doc"), dir.MakeFile("c")};
  host.settings = Rename("abc", "001");
  RunConversion(host);
  ASSERT_EQ(host.shown, 1);
  EXPECT_EQ(host.linesWhenShown,
            (std::vector<std::string>{
                host.targets[0] + " → " + dir.Path("abc001.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし",
                host.targets[1] + " → " + dir.Path("abc002.doc") + " ： 変更成功、ファイル日時変更なし、属性変更なし",
                host.targets[2] + " → " + dir.Path("abc003") + " ： 変更成功、ファイル日時変更なし、属性変更なし"}));
  EXPECT_TRUE(FileExists(dir.Path("abc001.txt")));
  EXPECT_TRUE(FileExists(dir.Path("abc003")));
  EXPECT_EQ(host.pumps, 3);
  EXPECT_EQ(host.listUpdates, 1);
  EXPECT_EQ(host.changeUpdates, 1);
  EXPECT_EQ(host.focusMoves, 0);  // the list is not empty

  host.targets.clear();  // as if the result window's Close had emptied the list
  host.targets = {dir.Path("abc001.txt")};
  host.onPump = [](TestHost& h) { h.targets.clear(); };
  RunConversion(host);
  EXPECT_EQ(host.focusMoves, 1);
}

TEST(ConversionRun, ListCountedAgainAndSettingsReadAfreshForEveryFile) {
  TempDir dir;
  TestHost host;
  host.targets = {dir.MakeFile("a.txt"), dir.MakeFile("b.txt")};
  host.settings = Rename("first", "");
  host.onPump = [&](TestHost& h) {
    h.settings = Rename("second", "");
    if (h.targets.size() == 2) h.targets.push_back(dir.MakeFile("c.txt"));
  };
  RunConversion(host);
  EXPECT_EQ(host.linesWhenShown.size(), 3u);
  EXPECT_TRUE(FileExists(dir.Path("first.txt")));
  EXPECT_TRUE(FileExists(dir.Path("second.txt")));  // b.txt
  EXPECT_TRUE(FileExists(dir.Path("c.txt")));       // second.txt already taken
}

TEST(ConversionRun, PathListedTwiceAndSwappedNames) {
  TempDir dir;
  TestHost host;
  const std::string a = dir.MakeFile("a.txt", "A");
  const std::string b = dir.MakeFile("b.txt", "B");
  host.targets = {a, a, b};
  host.settings.ChangeExt = true;
  host.settings.ExtText = "bak";
  host.settings.ExtNumber = Pad("");
  RunConversion(host);
  EXPECT_EQ(host.linesWhenShown[1], a + " ： 変更不可");
  EXPECT_TRUE(FileExists(dir.Path("a.bak")));
  EXPECT_TRUE(FileExists(dir.Path("b.bak")));

  // Swapping two names in one run: the first rename finds the other file in the way.
  TestHost swap;
  const std::string x = dir.MakeFile("x", "X"), y = dir.MakeFile("y", "Y");
  swap.targets = {x, y};
  swap.settings = Rename("", "");
  swap.settings.NameText = "y";
  RunConversion(swap);
  EXPECT_EQ(swap.linesWhenShown[0], x + " → " + y + " ： 変更失敗、ファイル日時変更なし、属性変更なし");
}

TEST(ConversionRun, TimesKeepChosenMembersAndDropMilliseconds) {
  TempDir dir;
  RecordingFileApi fs;
  TestHost host;
  const std::string f = dir.MakeFile("t.txt");
  SetLastWrite(f, 2003, 7, 15, 9);
  host.targets = {f};
  host.settings.ChangeTime = true;
  host.settings.UpdateMonthItem = 2;   // February
  host.settings.UpdateDayItem = 1;     // the 1st
  host.settings.UpdateHourItem = 1;    // hour 0
  host.settings.MakeYearItem = 22;     // 2001
  RunConversion(host, fs);
  ASSERT_EQ(host.linesWhenShown.size(), 1u);
  EXPECT_EQ(host.linesWhenShown[0], f + " ： ファイル名変更なし、ファイル日時変更成功、属性変更なし");
  const SYSTEMTIME t = LastWriteLocal(f);
  EXPECT_EQ(t.wYear, 2003);
  EXPECT_EQ(t.wMonth, 2);
  EXPECT_EQ(t.wDay, 1);
  EXPECT_EQ(t.wHour, 0);
  EXPECT_EQ(t.wMinute, 34);
  EXPECT_EQ(t.wSecond, 56);
  EXPECT_EQ(t.wMilliseconds, 0);
  // Last access is written back as it was read; creation gets the year 2001.
  const auto opens = fs.CallsOf(RecordingFileApi::Op::Open);
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_EQ(opens[0].value, static_cast<DWORD>(GENERIC_READ));
  const auto set = fs.CallsOf(RecordingFileApi::Op::SetTimes)[0];
  SYSTEMTIME creation{}, access{};
  UtcToLocalSystemTime(set.creation, creation);
  UtcToLocalSystemTime(set.lastAccess, access);
  EXPECT_EQ(creation.wYear, 2001);
  EXPECT_EQ(creation.wMilliseconds, 0);
  EXPECT_EQ(access.wYear, 2003);
  EXPECT_EQ(access.wMonth, 7);
  EXPECT_EQ(access.wMilliseconds, 789);
}

TEST(ConversionRun, DateErrorStopsAtTheFileBeingPlanned) {
  struct Case {
    const char* what;
    int monthItem, dayItem;
    int stopsAt;  // index of the first file whose date does not exist, -1: none
  } cases[] = {
      {"day 31, month kept", 0, 31, 1},     // files: Jan 2004, Apr 2004, Feb 2003
      {"29 Feb, year kept", 2, 29, 2},
      {"30 Feb", 2, 30, 0},
      {"day 30, month kept", 0, 30, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    TestHost host;
    host.targets = {dir.MakeFile("a.txt"), dir.MakeFile("b.txt"), dir.MakeFile("c.txt")};
    SetLastWrite(host.targets[0], 2004, 1, 10);
    SetLastWrite(host.targets[1], 2004, 4, 10);
    SetLastWrite(host.targets[2], 2003, 2, 10);
    host.settings = Rename("n", "1");
    host.settings.ChangeTime = true;
    host.settings.UpdateMonthItem = c.monthItem;
    host.settings.UpdateDayItem = c.dayItem;
    EXPECT_EQ(ErrorOf(host), "日付に変換できない値が渡されました");
    for (int i = 0; i < 3; ++i) {
      // Files before the stop are renamed; the stopped one and later ones are untouched.
      EXPECT_EQ(FileExists(dir.Path("n" + std::to_string(i + 1) + ".txt")), i < c.stopsAt) << i;
      EXPECT_EQ(FileExists(host.targets[i]), i >= c.stopsAt) << i;
    }
    EXPECT_EQ(host.discards, 1);
    EXPECT_EQ(host.records, nullptr);
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(host.shown + host.listUpdates + host.changeUpdates, 0);
  }
}

TEST(ConversionRun, StartNumberErrorChangesNothing) {
  TempDir dir;
  TestHost host;
  host.targets = {dir.MakeFile("a.txt"), dir.MakeFile("b.txt")};
  host.settings = Rename("n", "1 2");
  EXPECT_EQ(ErrorOf(host), "'1 2' は数値ではありません");
  EXPECT_TRUE(FileExists(host.targets[0]));
  EXPECT_TRUE(FileExists(host.targets[1]));
  EXPECT_EQ(host.discards, 1);
  EXPECT_EQ(host.shown, 0);

  // The next run starts clean and lines up records, lines and entries again.
  host.settings = Rename("n", "1");
  RunConversion(host);
  EXPECT_EQ(host.linesWhenShown.size(), 2u);
  EXPECT_TRUE(FileExists(dir.Path("n2.txt")));
}

TEST(PlanChange, AttributesKeepEveryOtherBit) {
  TempDir dir;
  const std::string ro = dir.MakeFile("ro.txt");
  SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  const std::string folder = dir.MakeFolder("sub");
  struct Case {
    std::string path;
    bool readOnly, archive, hidden, system;
    DWORD expectedSettable;
  } cases[] = {
      {ro, false, false, false, false, 0},
      {ro, true, true, true, true, 0x27},
      {folder, false, true, false, true, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_SYSTEM},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ChangeSettings s;
    s.ChangeAttr = true;
    s.AttrReadOnly = c.readOnly, s.AttrArchive = c.archive, s.AttrHidden = c.hidden,
    s.AttrSystem = c.system;
    ChangeLog r;
    PlanChange(s, 0, c.path, r);
    EXPECT_EQ(r.OldAttr, static_cast<std::int32_t>(Attributes(c.path)));
    EXPECT_EQ(static_cast<DWORD>(r.NewAttr) & 0x27, c.expectedSettable);
    EXPECT_EQ(static_cast<DWORD>(r.NewAttr) & ~0x27u, static_cast<DWORD>(r.OldAttr) & ~0x27u);
  }
  // The directory bit is one of the bits carried through.
  ChangeLog r;
  ChangeSettings s;
  s.ChangeAttr = true;
  PlanChange(s, 0, folder, r);
  EXPECT_TRUE(r.NewAttr & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(PlanChange, UnreadableTimesStayUnset) {
  TempDir dir;
  RecordingFileApi fs;
  fs.FailCall(RecordingFileApi::Op::GetTimes, 1);
  ChangeSettings s;
  s.ChangeTime = true;
  ChangeLog r;
  PlanChange(s, 0, dir.MakeFile("a.txt"), r, fs);
  EXPECT_FALSE(r.TimesRead);
  EXPECT_EQ(fs.Count(RecordingFileApi::Op::Close), 1);  // closed although the read failed
  EXPECT_NE(r.OldAttr, -1);
}

TEST(PlanChange, ShiftJisFolder) {
  TempDir dir;
  const std::string folder = dir.MakeFolder("\x95\x5C\x83\x5C");  // 表ソ: both end in 0x5C
  TestHost host;
  host.targets = {dir.MakeFile("\x95\x5C\x83\x5C/a.txt")};
  host.settings = Rename("\x94\x5C", "1");  // 能
  RunConversion(host);
  EXPECT_TRUE(FileExists(folder + "\\\x94\x5C" "1.txt"));
}
