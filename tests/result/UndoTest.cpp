#include <gtest/gtest.h>

#include "base/Handles.h"
#include "engine/ApplyChange.h"
#include "engine/PlanChange.h"
#include "result/Undo.h"
#include "tests/support/RecordingFileApi.h"
#include "tests/support/TempDir.h"

namespace {

using Op = RecordingFileApi::Op;

// A record planned and applied as a run does it: name, times and attributes changing.
ChangeLog Applied(const std::string& path, const std::string& newBase, const FileApi& fs) {
  ChangeSettings s;
  s.ChangeName = true;
  s.NameText = newBase;
  s.NameNumber = "          ";
  s.ChangeTime = true;
  s.UpdateYearItem = 22;  // 2001
  s.ChangeAttr = true;
  s.AttrHidden = true;
  ChangeLog r;
  PlanChange(s, 0, path, r, fs);
  ApplyChange(r, true, fs);
  return r;
}

std::uint64_t Milliseconds(const FILETIME& t) {
  return ((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
}

}  // namespace

TEST(Undo, SuccessfulChangeIsTakenBack) {
  TempDir dir;
  const std::string a = dir.MakeFile("a.txt");
  SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  const DWORD attributes = Attributes(a);
  FILETIME creation, access, lastWrite;
  {
    FileHandle f(CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    GetFileTime(f.Get(), &creation, &access, &lastWrite);
  }
  RecordingFileApi fs;
  ChangeLog r = Applied(a, "b", fs);
  ASSERT_TRUE(FileExists(dir.Path("b.txt")));
  const UndoOutcome undo = UndoChange(r, true, fs);
  EXPECT_TRUE(undo.applied);
  EXPECT_FALSE(undo.failed);
  EXPECT_EQ(undo.line, dir.Path("b.txt") + " → " + a + " ： 変更成功、ファイル日時変更成功、属性変更成功");
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(FileExists(dir.Path("b.txt")));
  EXPECT_EQ(Attributes(a), attributes);
  // The time written back is the one read before the run, to the millisecond (the
  // record holds times as SYSTEMTIME).
  const auto sets = fs.CallsOf(Op::SetTimes);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(Milliseconds(sets[1].lastWrite), Milliseconds(lastWrite));
  EXPECT_NE(Milliseconds(sets[0].lastWrite), Milliseconds(lastWrite));
}

TEST(Undo, PartsThatFailedAreNotTriedAgain) {
  struct Case {
    const char* what;
    Op op;
    std::vector<Op> absentInUndo;
  } cases[] = {
      {"rename failed", Op::Move, {Op::Move}},
      {"times failed", Op::SetTimes, {Op::SetTimes, Op::Open}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string a = dir.MakeFile("a.txt");
    RecordingFileApi run;
    run.FailCall(c.op, 1);
    ChangeLog r = Applied(a, "b", run);
    RecordingFileApi fs;
    const UndoOutcome undo = UndoChange(r, true, fs);
    EXPECT_TRUE(undo.applied);
    EXPECT_FALSE(undo.failed);
    for (Op op : c.absentInUndo) EXPECT_EQ(fs.Count(op), 0);
    // Whatever did happen in the run is taken back.
    EXPECT_TRUE(FileExists(a));
    EXPECT_FALSE(Attributes(a) & FILE_ATTRIBUTE_HIDDEN);
  }
}

TEST(Undo, AttributesThatFailedGoBackToWhatTheFileHad) {
  // The read-only bit was cleared before the final attributes failed; undo puts it back
  // instead of trying the new attributes again.
  TempDir dir;
  const std::string a = dir.MakeFile("a.txt");
  SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_READONLY);
  RecordingFileApi run;
  run.FailCall(Op::SetAttributes, 2);
  ChangeLog r = Applied(a, "b", run);
  ASSERT_TRUE(r.AttrFailed);
  ASSERT_FALSE(Attributes(dir.Path("b.txt")) & FILE_ATTRIBUTE_READONLY);
  const UndoOutcome undo = UndoChange(r, true);
  EXPECT_FALSE(undo.failed);
  EXPECT_TRUE(Attributes(a) & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(Attributes(a) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(Undo, RecordNotAppliedIsLeftAlone) {
  TempDir dir;
  RecordingFileApi fs;
  ChangeLog r = Applied(dir.Path("gone.txt"), "b", fs);
  ASSERT_TRUE(r.NameFailed && r.AttrFailed && r.TimeFailed);
  RecordingFileApi undoFs;
  EXPECT_FALSE(UndoChange(r, true, undoFs).applied);
  EXPECT_TRUE(undoFs.Calls().empty());
}

TEST(Undo, FailureOfTheUndoIsReported) {
  TempDir dir;
  const std::string a = dir.MakeFile("a.txt");
  ChangeLog r = Applied(a, "b", SystemFileApi());
  dir.MakeFile("a.txt", "someone else's");  // the old name is taken again
  const UndoOutcome undo = UndoChange(r, true);
  EXPECT_TRUE(undo.failed);
  EXPECT_TRUE(r.NameFailed);
  EXPECT_EQ(undo.line, dir.Path("b.txt") + " → " + a + " ： 変更失敗、ファイル日時変更成功、属性変更成功");
  // The present path is the one the file kept.
  EXPECT_EQ(r.OldName, dir.Path("b.txt"));
}

TEST(Undo, TimesOnlyWhenTheTimestampBoxIsChecked) {
  TempDir dir;
  RecordingFileApi run;
  ChangeLog r = Applied(dir.MakeFile("a.txt"), "b", run);
  RecordingFileApi fs;
  const UndoOutcome undo = UndoChange(r, false, fs);
  EXPECT_EQ(fs.Count(Op::Open), 0);
  EXPECT_NE(undo.line.find("ファイル日時変更なし"), std::string::npos);
}
