#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/TempDir.h"
#include "widgets/OpenDialog.h"
#include "widgets/Wide.h"
// After windows.h, which it needs.
#include <dlgs.h>

namespace {

struct FindTitled {
  const std::wstring& title;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialogTitled(HWND window, LPARAM param) {
  auto* f = reinterpret_cast<FindTitled*>(param);
  wchar_t name[16], text[256];
  if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && wcscmp(name, L"#32770") == 0 &&
      GetWindowTextW(window, text, 256) && f->title == text) {
    f->found = window;
    return FALSE;
  }
  return TRUE;
}

// Works the file-open dialog that the UI thread shows, from a second thread as a user
// would: types into the file-name field and presses a button, step by step. A dialog
// still open after the steps is cancelled, so that a test never hangs on it.
class DialogDriver {
 public:
  struct Step {
    std::wstring fileName;  // typed into the file-name field first, unless empty
    int button;             // IDOK or IDCANCEL
  };

  DialogDriver(std::wstring title, std::vector<Step> steps)
      : title_(std::move(title)), steps_(std::move(steps)), ui_(GetCurrentThreadId()) {
    thread_ = std::thread([this] { Run(); });
  }
  ~DialogDriver() { thread_.join(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Read after the click has returned.
  bool Found() const { return found_; }
  bool LeftOpen() const { return leftOpen_; }

 private:
  HWND Dialog() const {
    FindTitled f{title_};
    EnumThreadWindows(ui_, &FindDialogTitled, reinterpret_cast<LPARAM>(&f));
    return f.found;
  }

  void Run() {
    HWND dialog = nullptr;
    for (int i = 0; i < 1000 && !dialog; ++i) {
      Sleep(10);
      dialog = Dialog();
    }
    if (!dialog) return;
    found_ = true;
    for (const Step& step : steps_) {
      // Sent, not posted: each step has been handled when the call returns, so the
      // folder has been entered before the names are typed.
      if (!step.fileName.empty()) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(step.fileName.c_str()));
      }
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(step.button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, step.button)));
    }
    for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(10);
    if (IsWindow(dialog)) {
      leftOpen_ = true;
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
  }

  std::wstring title_;
  std::vector<Step> steps_;
  DWORD ui_;
  std::atomic<bool> found_{false};
  std::atomic<bool> leftOpen_{false};
  std::thread thread_;
};

// The dialog's caption as the user sees it: the program's Shift-JIS title in UTF-16.
std::wstring DialogTitle() { return FromShiftJis("変換するファイルを選択してください！"); }

}  // namespace

TEST_F(MainWindowTest, AddTakesTheDialogsFilesInItsOrder) {
  TempDir dir;
  const std::string hyou = "\x95\x5C.txt";  // 表.txt: its trail byte is the code of "\"
  for (const std::string& name : {std::string("c.txt"), std::string("a.txt"), std::string("b.txt"), hyou}) {
    dir.MakeFile(name);
  }
  const std::wstring names = L"\"c.txt\" \"" + FromAnsi(hyou) + L"\" \"a.txt\" \"b.txt\"";
  struct Case {
    const char* name;
    std::vector<std::string> before;  // dropped first
    std::vector<std::string> after;   // the list once the dialog has closed with OK
  } cases[] = {
      // On a filled list the files are appended in the dialog's order.
      {"filled list", {"C:\\first"},
       {"C:\\first", dir.Path("c.txt"), dir.Path(hyou), dir.Path("a.txt"), dir.Path("b.txt")}},
      // On an empty list the batch comes out sorted.
      {"empty list", {}, {dir.Path("a.txt"), dir.Path("b.txt"), dir.Path("c.txt"), dir.Path(hyou)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Click(main->mpBbtnClr);
    if (!c.before.empty()) Drop(c.before);
    {
      // Enter the fixture folder by typing its path, then pick the files.
      DialogDriver driver(DialogTitle(), {{FromAnsi(dir.Path()), IDOK}, {names, IDOK}});
      Click(main->mpBbtnAdd);
      ASSERT_TRUE(driver.Found());
      EXPECT_FALSE(driver.LeftOpen());
    }
    EXPECT_EQ(Entries(), c.after);
    EXPECT_EQ(main->mpBbtnAdd.Caption(), "追加");
    EXPECT_TRUE(main->mpBbtnErase.Enabled());
  }
}

TEST_F(MainWindowTest, CancelledDialogAddsNothingButUpdatesTheButtons) {
  // Put the controls out of step with the empty list: only the update after the
  // dialog brings them back.
  Click(main->mpChkboxFileName);
  main->mpBbtnAdd.SetCaption("追加");
  main->mpBbtnErase.SetEnabled(true);
  main->mpBbtnChange.SetEnabled(true);
  main->mpScrollListBox.SetSorted(false);
  SendMessageW(main->mpScrollListBox.Handle(), LB_SETHORIZONTALEXTENT, 777, 0);
  {
    DialogDriver driver(DialogTitle(), {{L"", IDCANCEL}});
    Click(main->mpBbtnAdd);
    ASSERT_TRUE(driver.Found());
  }
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(main->mpBbtnAdd.Caption(), "登録");
  EXPECT_FALSE(main->mpBbtnErase.Enabled());
  EXPECT_FALSE(main->mpBbtnChange.Enabled());
  EXPECT_TRUE(main->mpScrollListBox.Sorted());
  EXPECT_EQ(SendMessageW(main->mpScrollListBox.Handle(), LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST(OpenDialogNames, SplitsWhatTheDialogLeavesInItsBuffer) {
  struct Case {
    const char* name;
    std::wstring buffer;  // as the dialog leaves it, without the final zero
    std::vector<std::wstring> files;
  } cases[] = {
      {"one file: its full path", std::wstring(L"C:\\Data\\a.txt\0", 14), {L"C:\\Data\\a.txt"}},
      {"several: the folder, then the names", std::wstring(L"C:\\Data\0b.txt\0a.txt\0", 20),
       {L"C:\\Data\\b.txt", L"C:\\Data\\a.txt"}},
      {"drive root: no second separator", std::wstring(L"C:\\\0a.txt\0b.txt\0", 16), {L"C:\\a.txt", L"C:\\b.txt"}},
      {"nothing", std::wstring(), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::wstring buffer = c.buffer;
    buffer.push_back(L'\0');  // the second zero that ends the list
    EXPECT_EQ(SplitDialogNames(buffer.c_str()), c.files);
  }
}
