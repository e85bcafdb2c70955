#include <gtest/gtest.h>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TempDir.h"
#include "widgets/Wide.h"

namespace {

SYSTEMTIME At(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
  SYSTEMTIME t{};
  t.wYear = y, t.wMonth = mo, t.wDay = d, t.wHour = h, t.wMinute = mi, t.wSecond = s;
  return t;
}

void Hide(const std::string& path) {
  SetFileAttributesA(path.c_str(), GetFileAttributesA(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace

TEST_F(MainWindowTest, TodayAndNowSelectTheClocksItems) {
  TMainForm& m = *main;
  struct Case {
    SYSTEMTIME clock;
    int year, month, day, hour, minute, second;
  } cases[] = {
      {At(2004, 3, 1, 0, 0, 0), 25, 3, 1, 1, 1, 1},
      {At(1979, 12, 31, 23, 59, 59), 1, 12, 31, 24, 60, 60},
      {At(2101, 6, 15, 12, 30, 45), 1, 6, 15, 13, 31, 46},
      {At(2100, 1, 2, 9, 8, 7), 121, 1, 2, 10, 9, 8},
  };
  Click(m.mpChkboxDateTime);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clock.wYear);
    m.Clock = [&] { return c.clock; };
    for (TComboBox* list : {&m.mpComboFileMakeHour, &m.mpComboFileUpdateYear}) list->SetItemIndex(5);
    Click(m.mpBtnFileMakeToday);
    EXPECT_EQ(m.mpComboFileMakeYear.ItemIndex(), c.year);
    EXPECT_EQ(m.mpComboFileMakeMonth.ItemIndex(), c.month);
    EXPECT_EQ(m.mpComboFileMakeDay.ItemIndex(), c.day);
    EXPECT_EQ(m.mpComboFileMakeHour.ItemIndex(), 5);    // the time lists stay
    EXPECT_EQ(m.mpComboFileUpdateYear.ItemIndex(), 5);  // and so does the other group
    Click(m.mpBtnFileUpdateNow);
    EXPECT_EQ(m.mpComboFileUpdateHour.ItemIndex(), c.hour);
    EXPECT_EQ(m.mpComboFileUpdateMin.ItemIndex(), c.minute);
    EXPECT_EQ(m.mpComboFileUpdateSec.ItemIndex(), c.second);
    EXPECT_EQ(m.mpComboFileMakeHour.ItemIndex(), 5);
  }
}

TEST_F(MainWindowTest, UpAndDownMoveSelectedRunsAsBlocks) {
  struct Case {
    bool up;
    std::vector<std::string> list;
    std::vector<int> selected;
    std::vector<std::string> after;
  } cases[] = {
      {true, {"A", "B", "C", "D", "E"}, {1, 3}, {"B", "A", "D", "C", "E"}},
      {true, {"A", "B", "C"}, {0, 1}, {"A", "B", "C"}},
      {true, {"A", "B", "C"}, {2}, {"A", "C", "B"}},
      {true, {"A", "B", "C", "D"}, {2, 3}, {"A", "C", "D", "B"}},
      {false, {"A", "B", "C", "D", "E"}, {1, 2}, {"A", "D", "B", "C", "E"}},
      {false, {"A", "B", "C"}, {0, 2}, {"B", "A", "C"}},
      {false, {"A", "B", "C"}, {}, {"A", "B", "C"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.up ? "up " : "down ") << c.selected.size());
    Click(main->mpBbtnClr);
    Drop(c.list);
    for (int i : c.selected) main->mpScrollListBox.SetSelected(i, true);
    Click(c.up ? static_cast<TControl&>(main->mpSbtnUp) : main->mpSbtnDown);
    EXPECT_EQ(Entries(), c.after);
    // The selection moved with the entries.
    for (int i = 0; i < main->mpScrollListBox.Count(); ++i) {
      const std::string& text = c.after[i];
      const bool wasSelected = std::any_of(c.selected.begin(), c.selected.end(),
                                           [&](int k) { return c.list[k] == text; });
      EXPECT_EQ(main->mpScrollListBox.Selected(i), wasSelected) << text;
    }
  }
}

TEST_F(MainWindowTest, FirstBatchIsSortedLaterOnesAreAppended) {
  TempDir dir;
  dir.MakeFile("folder/m.txt");
  dir.MakeFile("folder/B.txt");
  answers = {IDYES};
  Drop({dir.Path("z.txt"), dir.Path("a.txt"), dir.Path("folder")});
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("a.txt"), dir.Path("folder\\B.txt"),
                                                 dir.Path("folder\\m.txt"), dir.Path("z.txt")}));
  EXPECT_EQ(main->mpBbtnAdd.Caption(), "追加");
  EXPECT_FALSE(main->mpScrollListBox.Sorted());
  for (TControl* c : std::initializer_list<TControl*>{&main->mpBbtnErase, &main->mpBbtnClr, &main->mpSbtnUp,
                                                      &main->mpSbtnDown}) {
    EXPECT_TRUE(c->Enabled());
  }
  Drop({dir.Path("y.txt"), dir.Path("folder"), dir.Path("a.txt")});
  const auto entries = Entries();
  EXPECT_EQ(std::vector<std::string>(entries.begin() + 4, entries.end()),
            (std::vector<std::string>{dir.Path("y.txt"), dir.Path("folder\\B.txt"), dir.Path("folder\\m.txt"),
                                      dir.Path("a.txt")}));
}

TEST_F(MainWindowTest, FolderAnsweredNoLeavesTheListEmpty) {
  TempDir dir;
  dir.MakeFile("f/a.txt");
  answers = {IDNO};
  Drop({dir.Path("f")});
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(main->mpScrollListBox.Sorted());
  EXPECT_EQ(main->mpBbtnAdd.Caption(), "登録");
  EXPECT_FALSE(main->mpBbtnErase.Enabled());
}

TEST_F(MainWindowTest, CancelEndsTheQuestionsOfItsParentOnly) {
  // R holds a, b (holding c and d) and e, each with one file.
  TempDir dir;
  for (const char* f : {"R/r.txt", "R/a/a.txt", "R/b/b.txt", "R/b/c/c.txt", "R/b/d/d.txt", "R/e/e.txt"}) {
    dir.MakeFile(f);
  }
  const std::string R = dir.Path("R");
  struct Case {
    std::deque<int> answers;
    std::vector<std::string> asked;  // below R
    std::vector<std::string> files;  // below R, in walk order
  } cases[] = {
      {{IDYES, IDCANCEL}, {"", "\\a"}, {"\\r.txt"}},
      {{IDYES, IDYES, IDYES, IDCANCEL, IDYES}, {"", "\\a", "\\b", "\\b\\c", "\\e"},
       {"\\r.txt", "\\a\\a.txt", "\\b\\b.txt", "\\e\\e.txt"}},
      {{IDYES, IDNO, IDYES, IDNO, IDYES, IDNO}, {"", "\\a", "\\b", "\\b\\c", "\\b\\d", "\\e"},
       {"\\r.txt", "\\b\\b.txt", "\\b\\d\\d.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.asked.size());
    Click(main->mpBbtnClr);
    main->mpScrollListBox.SetSorted(false);  // walk order, as on a list that is not empty
    answers = c.answers;
    answers.push_back(IDNO);
    asked.clear();
    main->AddFolderFiles(R);
    std::vector<std::string> expectedAsked, expectedFiles;
    for (const auto& a : c.asked) expectedAsked.push_back(R + a);
    for (const auto& f : c.files) expectedFiles.push_back(R + f);
    EXPECT_EQ(asked, expectedAsked);
    EXPECT_EQ(Entries(), expectedFiles);
  }
}

TEST_F(MainWindowTest, HiddenFilesStayOutHiddenFoldersAreAskedAbout) {
  TempDir dir;
  dir.MakeFile("top/plain.txt");
  Hide(dir.MakeFile("top/secret.txt"));
  dir.MakeFile("top/hid/inside.txt");
  Hide(dir.Path("top\\hid"));
  dir.MakeFile("top/.cache/x.txt");
  answers = {IDYES};
  Drop({dir.Path("top")});
  EXPECT_EQ(asked, (std::vector<std::string>{dir.Path("top"), dir.Path("top\\hid")}));
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("top\\hid\\inside.txt"), dir.Path("top\\plain.txt")}));
}

TEST_F(MainWindowTest, VanishedDropIsListedAsAFile) {
  TempDir dir;
  Drop({dir.Path("gone")});
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("gone")}));
}

TEST_F(MainWindowTest, DriveRootGivesTwoSeparators) {
  // The root's name already ends with its separator.
  const std::string name = "ribeto-root-" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string file = "C:\\" + name;
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  answers = {IDYES, IDNO};
  Drop({"C:\\"});
  DeleteFileA(file.c_str());
  const auto entries = Entries();
  EXPECT_NE(std::find(entries.begin(), entries.end(), "C:\\\\" + name), entries.end());
}

TEST_F(MainWindowTest, EraseAndClear) {
  Drop({"C:\\x\\a", "C:\\x\\b", "C:\\x\\c"});
  Click(main->mpChkboxFileName);
  EXPECT_TRUE(main->mpBbtnChange.Enabled());
  main->mpScrollListBox.SetSelected(1, true);
  Click(main->mpBbtnErase);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\x\\a", "C:\\x\\c"}));
  for (int i = 0; i < 2; ++i) main->mpScrollListBox.SetSelected(i, true);
  Click(main->mpBbtnErase);
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(main->mpBbtnAdd.Caption(), "登録");
  EXPECT_TRUE(main->mpScrollListBox.Sorted());
  for (TControl* c : std::initializer_list<TControl*>{&main->mpBbtnErase, &main->mpBbtnClr, &main->mpSbtnUp,
                                                      &main->mpSbtnDown, &main->mpBbtnChange}) {
    EXPECT_FALSE(c->Enabled());
  }
  Drop({"C:\\x\\a", "C:\\x\\a"});  // duplicates stay
  EXPECT_EQ(Entries().size(), 2u);
  Click(main->mpBbtnClr);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(MainWindowTest, FolderQuestionIsARealApplicationModalBox) {
  TempDir dir;
  dir.MakeFile("q/a.txt");
  main->Targets().AskFolder = realAsk;
  main->Show();
  ModalAnswerer answerer({IDYES});
  Drop({dir.Path("q")});
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Ribeto");
  EXPECT_EQ(boxes[0].text, FromAnsi(dir.Path("q")) + FromShiftJis(" フォルダ内のファイルを選択しますか？"));
  EXPECT_EQ(boxes[0].buttons.size(), 3u);
  EXPECT_EQ(boxes[0].defaultButton, IDYES);
  EXPECT_FALSE(boxes[0].hasIcon);
  EXPECT_FALSE(boxes[0].othersEnabled);  // the whole application waits for the answer
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("q\\a.txt")}));
}
