// The real ribeto.exe, started with a fixture folder on its command line and driven from
// outside through its windows only, as a user's automation would: the folder question,
// the file-name panel, the Convert button, the result window and its two ways out.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/Handles.h"
#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/WindowDriver.h"
#include "tests/support/TempDir.h"

namespace {

const std::wstring kFormClass = L"RibetoForm";

std::string Content(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return "<missing>";
  char buffer[64];
  DWORD read = 0;
  if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return "<unreadable>";
  return std::string(buffer, read);
}

// One rename pair of a result line.
struct Renamed {
  const char* from;
  const char* to;
  bool moved;
};

// One program on one fixture folder, and what a user does with it.
class Session {
 public:
  // The fixture folder outlives the program: the program is stopped first.
  TempDir dir;
  RunningProgram program;
  HWND main = nullptr;

  // Starts the program on the fixture folder, answers its folder question with Yes and
  // waits for the main window.
  void StartOnTheFolder() {
    ASSERT_TRUE(program.Start(RibetoPath(), dir.Path())) << RibetoPath();
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      box = FindTopWindow(program.Id(), L"#32770", L"Ribeto");
      return box && GetDlgItem(box, IDYES);
    })) << "no folder question";
    // Asked while the program is starting: its main window is not on the screen yet.
    EXPECT_EQ(FindTopWindow(program.Id(), kFormClass, L"Ribeto"), nullptr);
    // The box's message text is its static control 0xFFFF.
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
              FromAnsi(dir.Path()) + FromShiftJis(" フォルダ内のファイルを選択しますか？"));
    const HWND yes = GetDlgItem(box, IDYES);
    EXPECT_EQ(CaptionOf(yes).rfind(FromShiftJis("はい"), 0), 0u) << CaptionOf(yes);
    PostMessageW(yes, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] {
      main = FindTopWindow(program.Id(), kFormClass, L"Ribeto");
      return main != nullptr;
    })) << "no main window";
    ASSERT_TRUE(Settle(main));
  }

  HWND Control(const char* caption) const { return FindChild(main, L"Button", FromShiftJis(caption)); }
  std::vector<std::wstring> Targets() const { return ListLines(FindChild(main, L"ListBox")); }

  // Checks "ファイル名を変更する" and types the text and the start number into the two
  // edits that follow the check box in tab order.
  void RenameTo(const std::wstring& text, const std::wstring& startNumber) {
    const HWND check = Control("ファイル名を変更する");
    ASSERT_NE(check, nullptr);
    Send(check, BM_CLICK);
    ASSERT_EQ(Send(check, BM_GETCHECK), BST_CHECKED);
    const HWND nameEdit = ChildAfter(main, check, L"Edit", 1);
    const HWND numberEdit = ChildAfter(main, check, L"Edit", 2);
    ASSERT_NE(nameEdit, nullptr);
    ASSERT_NE(numberEdit, nullptr);
    ASSERT_TRUE(IsWindowEnabled(nameEdit));
    Type(nameEdit, text);
    Type(numberEdit, startNumber);
    EXPECT_EQ(TextOf(nameEdit), text);
    // The start number's edit keeps all its positions: what was typed, then blanks.
    EXPECT_EQ(TextOf(numberEdit).rfind(startNumber, 0), 0u) << TextOf(numberEdit);
  }

  // Presses "変換実行" and waits for the result window; null when it did not come.
  HWND Convert() {
    const HWND convert = Control("変換実行");
    if (!convert || !IsWindowEnabled(convert)) {
      ADD_FAILURE() << "Convert button missing or disabled";
      return nullptr;
    }
    // Posted: the click runs until the result window closes.
    PostMessageW(convert, BM_CLICK, 0, 0);
    HWND result = nullptr;
    if (!WaitUntil([&] {
          result = FindTopWindow(program.Id(), kFormClass, FromShiftJis("Ribeto - 処理結果"));
          return result != nullptr;
        })) {
      ADD_FAILURE() << "no result window";
      return nullptr;
    }
    Settle(result);
    // Modal: the main window takes no input meanwhile.
    EXPECT_FALSE(IsWindowEnabled(main));
    return result;
  }

  // Presses one of the result window's buttons and waits until the window has gone and
  // the run behind it has ended.
  void Press(HWND result, const char* caption) {
    const HWND button = FindChild(result, L"Button", FromShiftJis(caption));
    ASSERT_NE(button, nullptr) << caption;
    ASSERT_TRUE(IsWindowEnabled(button)) << caption;
    PostMessageW(button, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(result); })) << "result window still shown";
    ASSERT_TRUE(Settle(main));
    EXPECT_TRUE(IsWindowEnabled(main));
  }

  // Closes the program as its close box does; it must end with exit code 0.
  void CloseProgram() {
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(kWaitMs, exitCode)) << "still running";
    EXPECT_EQ(exitCode, 0u);
  }

  std::wstring Line(const Renamed& r) const {
    return FromAnsi(dir.Path(r.from)) + FromShiftJis(" → ") + FromAnsi(dir.Path(r.to)) +
           FromShiftJis(r.moved ? " ： 変更成功" : " ： 変更失敗") +
           FromShiftJis("、ファイル日時変更なし、属性変更なし");
  }
  std::vector<std::wstring> Lines(const std::vector<Renamed>& renamed) const {
    std::vector<std::wstring> out;
    for (const Renamed& r : renamed) out.push_back(Line(r));
    return out;
  }
  std::vector<std::wstring> Paths(const std::vector<const char*>& names) const {
    std::vector<std::wstring> out;
    for (const char* name : names) out.push_back(FromAnsi(dir.Path(name)));
    return out;
  }
};

using File = std::pair<const char*, const char*>;  // name, content

}  // namespace

// "閉じる" accepts the batch: the renamed files stay renamed, and only the files whose
// change failed come back into the target list, at their present paths.
TEST(EndToEnd, CloseKeepsTheNewNamesAndListsOnlyTheFailures) {
  const struct Case {
    const char* name;
    std::vector<File> files;
    const wchar_t* text;
    const wchar_t* startNumber;
    std::vector<Renamed> lines;
    std::vector<const char*> targetsAfter;
    std::vector<File> onDiskAfter;
    std::vector<const char*> goneAfter;
    bool convertEnabledAfter;
  } cases[] = {
      // 表 (Shift-JIS 95 5C, its second byte the code of "\"), typed as one wide
      // character, must reach the file names as that one character.
      {"all renamed, zero-filled serial",
       {{"a.txt", "A"}, {"b.txt", "B"}},
       L"\u8868",  // 表
       L"01",
       {{"a.txt", "\x95\x5C" "01.txt", true}, {"b.txt", "\x95\x5C" "02.txt", true}},  // 表01, 表02
       {},
       {{"\x95\x5C" "01.txt", "A"}, {"\x95\x5C" "02.txt", "B"}},
       {"a.txt", "b.txt"},
       false},
      // The second file's new name is held by the third file until that one moves on.
      {"one name taken",
       {{"a.txt", "A"}, {"b.txt", "B"}, {"n2.txt", "N2"}},
       L"n",
       L"1",
       {{"a.txt", "n1.txt", true}, {"b.txt", "n2.txt", false}, {"n2.txt", "n3.txt", true}},
       {"b.txt"},
       {{"n1.txt", "A"}, {"b.txt", "B"}, {"n3.txt", "N2"}},
       {"a.txt", "n2.txt"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Session s;
    for (const auto& [name, content] : c.files) s.dir.MakeFile(name, content);
    s.StartOnTheFolder();
    if (::testing::Test::HasFatalFailure()) return;
    s.RenameTo(c.text, c.startNumber);
    if (::testing::Test::HasFatalFailure()) return;

    const HWND result = s.Convert();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(ListLines(FindChild(result, L"ListBox")), s.Lines(c.lines));
    s.Press(result, "閉じる");
    if (::testing::Test::HasFatalFailure()) return;

    EXPECT_EQ(s.Targets(), s.Paths(c.targetsAfter));
    EXPECT_EQ(IsWindowEnabled(s.Control("変換実行")) != FALSE, c.convertEnabledAfter);
    for (const auto& [name, content] : c.onDiskAfter) EXPECT_EQ(Content(s.dir.Path(name)), content) << name;
    for (const char* name : c.goneAfter) EXPECT_FALSE(FileExists(s.dir.Path(name))) << name;
    s.CloseProgram();
  }
}

// "元に戻す" takes every file back to its old name and leaves the target list as the run
// found it.
TEST(EndToEnd, UndoPutsTheFilesBackAndKeepsTheList) {
  Session s;
  s.dir.MakeFile("a.txt", "A");
  s.dir.MakeFile("b.txt", "B");
  s.StartOnTheFolder();
  if (::testing::Test::HasFatalFailure()) return;
  const std::vector<std::wstring> before = s.Targets();
  EXPECT_EQ(before, s.Paths({"a.txt", "b.txt"}));
  s.RenameTo(L"n", L"1");
  if (::testing::Test::HasFatalFailure()) return;

  const HWND result = s.Convert();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(ListLines(FindChild(result, L"ListBox")),
            s.Lines({{"a.txt", "n1.txt", true}, {"b.txt", "n2.txt", true}}));
  // Seen from outside while the result window waits: the batch is done on disk.
  EXPECT_EQ(Content(s.dir.Path("n1.txt")), "A");
  EXPECT_EQ(Content(s.dir.Path("n2.txt")), "B");
  s.Press(result, "元に戻す");
  if (::testing::Test::HasFatalFailure()) return;

  EXPECT_EQ(s.Targets(), before);
  EXPECT_TRUE(IsWindowEnabled(s.Control("変換実行")));
  EXPECT_EQ(Content(s.dir.Path("a.txt")), "A");
  EXPECT_EQ(Content(s.dir.Path("b.txt")), "B");
  EXPECT_FALSE(FileExists(s.dir.Path("n1.txt")));
  EXPECT_FALSE(FileExists(s.dir.Path("n2.txt")));
  s.CloseProgram();
}
