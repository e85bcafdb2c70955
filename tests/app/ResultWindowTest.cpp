#include <gtest/gtest.h>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/RecordingFileApi.h"
#include "tests/support/TempDir.h"
#include "widgets/Wide.h"

namespace {

using Op = RecordingFileApi::Op;

std::vector<std::string> Lines() {
  std::vector<std::string> out;
  for (int i = 0; i < LogForm->mpScrollListBox.Count(); ++i) out.push_back(LogForm->mpScrollListBox.Strings(i));
  return out;
}

}  // namespace

// Runs the conversion through the Convert button; when the result window shows, notes its
// lines and Undo state and presses the given buttons in turn.
class ResultWindowTest : public MainWindowTest {
 protected:
  void Run(std::vector<TButton*> presses) {
    shownLines.clear();
    linesBeforeLastPress.clear();
    const auto show = LogForm->OnShow;
    LogForm->OnShow = [this, show, presses] {
      show();
      shownLines = Lines();
      undoEnabled = LogForm->mpBtnUndo.Enabled();
      for (TButton* b : presses) PostMessageW(b->Handle(), BM_CLICK, 0, 0);
    };
    const auto okClick = LogForm->mpBtnOK.OnClick;
    LogForm->mpBtnOK.OnClick = [this, okClick] {
      linesBeforeLastPress = Lines();
      undoEnabledBeforeClose = LogForm->mpBtnUndo.Enabled();
      okClick();
    };
    Click(main->mpBbtnChange);
    LogForm->OnShow = show;
    LogForm->mpBtnOK.OnClick = okClick;
  }
  void Rename(const std::string& text) {
    Click(main->mpChkboxFileName);
    main->mpEdtFileName.SetText(text);
    main->mpMedtFileName.SetText("1");
  }

  std::vector<std::string> shownLines, linesBeforeLastPress;
  bool undoEnabled = false, undoEnabledBeforeClose = false;
};

TEST_F(ResultWindowTest, CloseAfterFullSuccessEmptiesTheList) {
  TempDir dir;
  Drop({dir.MakeFile("a.txt"), dir.MakeFile("b.txt")});
  Rename("n");
  Run({&LogForm->mpBtnOK});
  EXPECT_EQ(shownLines, (std::vector<std::string>{
                            dir.Path("a.txt") + " → " + dir.Path("n1.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし",
                            dir.Path("b.txt") + " → " + dir.Path("n2.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし"}));
  EXPECT_TRUE(undoEnabled);
  EXPECT_TRUE(Entries().empty());
  EXPECT_FALSE(main->mpBbtnChange.Enabled());
  EXPECT_FALSE(main->mpBbtnErase.Enabled());
  // The window is empty and holds no records until the next run.
  EXPECT_EQ(LogForm->mpScrollListBox.Count(), 0);
  EXPECT_EQ(LogForm->mpLogList, nullptr);
  EXPECT_FALSE(LogForm->Visible());
}

TEST_F(ResultWindowTest, CloseListsEveryFileWithAFailureAtItsPresentPath) {
  TempDir dir;
  const std::string gone = dir.Path("gone.txt");
  const std::string blocked = dir.MakeFile("blocked.txt");
  const std::string renamedOnly = dir.MakeFile("c.txt");
  dir.MakeFile("n2.txt");  // blocks the second rename
  main->mpScrollListBox.SetSorted(false);
  Drop({gone, blocked, renamedOnly});
  Rename("n");
  Click(main->mpChkboxAttr);
  Click(main->mpChkboxHidden);
  // The third file's final attributes fail: it is renamed but not hidden.
  RecordingFileApi fs;
  fs.FailCall(Op::SetAttributes, 2);
  main->SetFileApi(fs);
  Run({&LogForm->mpBtnOK});
  EXPECT_TRUE(undoEnabled);
  EXPECT_EQ(Entries(), (std::vector<std::string>{gone, blocked, dir.Path("n3.txt")}));
  EXPECT_TRUE(main->mpBbtnChange.Enabled());
}

TEST_F(ResultWindowTest, NothingChangeableDisablesUndoAndCloseRefillsInOrder) {
  TempDir dir;
  main->mpScrollListBox.SetSorted(false);
  Drop({dir.Path("z.txt"), dir.Path("a.txt")});
  Rename("n");
  Run({&LogForm->mpBtnOK});
  EXPECT_FALSE(undoEnabled);
  EXPECT_EQ(shownLines[0], dir.Path("z.txt") + " ： 変更不可");
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("z.txt"), dir.Path("a.txt")}));
}

TEST_F(ResultWindowTest, UndoTakesTheBatchBack) {
  TempDir dir;
  main->mpScrollListBox.SetSorted(false);
  Drop({dir.MakeFile("x1", "first"), dir.MakeFile("x2", "second")});
  Click(main->mpChkboxExtName);
  main->mpEdtExtName.SetText("e");
  Click(main->mpChkboxDateTime);
  Run({&LogForm->mpBtnUndo});
  EXPECT_TRUE(FileExists(dir.Path("x1")));
  EXPECT_TRUE(FileExists(dir.Path("x2")));
  EXPECT_FALSE(FileExists(dir.Path("x1.e")));
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("x1"), dir.Path("x2")}));  // untouched
  EXPECT_EQ(LogForm->mpScrollListBox.Count(), 0);
  EXPECT_FALSE(LogForm->Visible());
}

TEST_F(ResultWindowTest, DependentRenamesAreUndoneInTheOrderTheyWereMade) {
  // n1 -> n0, then z -> n1 (free by then). Undone in the same order, n0 finds n1 taken.
  TempDir dir;
  main->mpScrollListBox.SetSorted(false);
  Drop({dir.MakeFile("n1.txt", "A"), dir.MakeFile("z.txt", "Z")});
  Rename("n");
  main->mpMedtFileName.SetText("0");
  Run({&LogForm->mpBtnUndo, &LogForm->mpBtnOK});
  EXPECT_EQ(shownLines[1], dir.Path("z.txt") + " → " + dir.Path("n1.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし");
  ASSERT_EQ(linesBeforeLastPress.size(), 2u);
  EXPECT_EQ(linesBeforeLastPress[0],
            dir.Path("n0.txt") + " → " + dir.Path("n1.txt") + " ： 変更失敗、ファイル日時変更なし、属性変更なし");
  EXPECT_EQ(linesBeforeLastPress[1],
            dir.Path("n1.txt") + " → " + dir.Path("z.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし");
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("n0.txt")}));
}

TEST_F(ResultWindowTest, FailedUndoStaysOnScreenUntilClosed) {
  TempDir dir;
  main->mpScrollListBox.SetSorted(false);
  Drop({dir.MakeFile("a.txt"), dir.MakeFile("b.txt")});
  Rename("n");
  // Another program takes the first file's old name before the undo.
  const auto show = LogForm->OnShow;
  LogForm->OnShow = [&] { show(); dir.MakeFile("a.txt", "other"); };
  Run({&LogForm->mpBtnUndo, &LogForm->mpBtnOK});
  LogForm->OnShow = show;
  ASSERT_EQ(linesBeforeLastPress.size(), 2u);
  EXPECT_EQ(linesBeforeLastPress[0],
            dir.Path("n1.txt") + " → " + dir.Path("a.txt") + " ： 変更失敗、ファイル日時変更なし、属性変更なし");
  EXPECT_EQ(linesBeforeLastPress[1],
            dir.Path("n2.txt") + " → " + dir.Path("b.txt") + " ： 変更成功、ファイル日時変更なし、属性変更なし");
  EXPECT_FALSE(undoEnabledBeforeClose);
  // Close then lists the file that could not be restored, where it is.
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("n1.txt")}));
  EXPECT_TRUE(FileExists(dir.Path("b.txt")));
}

TEST_F(ResultWindowTest, CloseBoxKeepsTheListAsTheRunFoundIt) {
  TempDir dir;
  Drop({dir.MakeFile("a.txt")});
  Rename("n");
  const auto show = LogForm->OnShow;
  LogForm->OnShow = [&] { show(); PostMessageW(LogForm->Handle(), WM_CLOSE, 0, 0); };
  Click(main->mpBbtnChange);
  LogForm->OnShow = show;
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("a.txt")}));
  EXPECT_TRUE(FileExists(dir.Path("n1.txt")));
  EXPECT_EQ(LogForm->mpLogList, nullptr);

  // The next run's Undo follows its own records: nothing changeable now.
  Run({&LogForm->mpBtnOK});
  EXPECT_FALSE(undoEnabled);
}

TEST_F(ResultWindowTest, ConversionErrorShowsTheErrorBoxAndLeavesNothingBehind) {
  TempDir dir;
  Drop({dir.MakeFile("a.txt"), dir.MakeFile("b.txt")});
  Rename("n");
  main->mpMedtFileName.SetText("1 2");
  ModalAnswerer answerer({IDOK});
  Click(main->mpBbtnChange);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, FromShiftJis("'1 2' は数値ではありません."));
  EXPECT_EQ(LogForm->mpScrollListBox.Count(), 0);
  EXPECT_EQ(LogForm->mpLogList, nullptr);
  EXPECT_TRUE(FileExists(dir.Path("a.txt")));
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(main->RunInProgress());
}

TEST_F(ResultWindowTest, MainWindowTakesNoInputWhileTheRunGoesThroughTheFiles) {
  // Seen from inside the run: at every file the main window is disabled.
  struct Watching : RecordingFileApi {
    HWND main;
    mutable int enabledDuringRun = 0;
    DWORD GetAttributes(const std::string& path) const override {
      if (IsWindowEnabled(main)) ++enabledDuringRun;
      return RecordingFileApi::GetAttributes(path);
    }
  } fs;
  fs.main = main->Handle();
  TempDir dir;
  Drop({dir.MakeFile("a.txt"), dir.MakeFile("b.txt")});
  Rename("n");
  main->SetFileApi(fs);
  Run({&LogForm->mpBtnOK});
  EXPECT_EQ(fs.Count(Op::GetAttributes), 2);
  EXPECT_EQ(fs.enabledDuringRun, 0);
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}
