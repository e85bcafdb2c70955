#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/res/resource.h"
#include "base/Handles.h"
#include "base/Sjis.h"
#include "tests/support/TempDir.h"

// The real RibetoHelp.exe, started and driven from outside as the Help button and a
// user would: found by its caption, read through its text control, closed.
namespace {

constexpr wchar_t kCaption[] = L"Ribeto ヘルプ";
constexpr DWORD kWaitMs = 10000;

// The help program is built into the build tree's root, beside ribeto.exe; this test
// program runs from tests/ one level below.
std::string HelpProgramPath() {
  std::string folder = ProgramFolder();
  folder.pop_back();
  return sjis::ParentPath(folder) + "\\RibetoHelp.exe";
}

// One running help program; stopped at the end of the test if it is still running, so a
// failed check leaves no window behind.
class HelpProcess {
 public:
  bool Start() {
    // Quoted, as a path with blanks would need it.
    std::string commandLine = "\"" + HelpProgramPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
      return false;
    }
    process_.Reset(info.hProcess);
    KernelHandle thread(info.hThread);
    id_ = info.dwProcessId;
    return true;
  }

  ~HelpProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.Get(), 99);
    }
  }

  // Its top-level window with the help caption. Other tests may run a help program at
  // the same time, so windows of other processes with the same caption are passed over.
  HWND FindWindowByCaption() const {
    for (int attempt = 0; attempt < 200; ++attempt) {
      for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, kCaption); window != nullptr;
           window = FindWindowExW(nullptr, window, nullptr, kCaption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        // The window exists a moment before its controls; it is shown once complete.
        if (owner == id_ && IsWindowVisible(window)) return window;
      }
      if (WaitForSingleObject(process_.Get(), 50) != WAIT_TIMEOUT) return nullptr;
    }
    return nullptr;
  }

  // The exit code once the program has ended, or nothing if it is still running.
  bool WaitForExit(DWORD& code) const {
    if (WaitForSingleObject(process_.Get(), kWaitMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_.Get(), &code) != FALSE;
  }

 private:
  KernelHandle process_;
  DWORD id_ = 0;
};

std::wstring TextOf(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const auto copied = SendMessageW(window, WM_GETTEXT, buffer.size(),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

// The program's own texts that the help must quote exactly, so that the user finds
// them again on the screen.
constexpr const wchar_t* kPhrases[] = {
    L" フォルダ内のファイルを選択しますか？",
    L"「はい」", L"「いいえ」", L"「キャンセル」",
    L"「登録」", L"「追加」", L"「解除」", L"「全解除」",
    L"ファイル名を変更する", L"拡張子を変更する", L"タイムスタンプを変更する", L"属性を変更する",
    L"abc1.txt、abc2.doc", L"abc001.txt", L"1abc.txt",
    L"「----」", L"「--」", L"「< 今日」", L"「< 現在」",
    L"は数値ではありません", L"日付に変換できない値が渡されました",
    L"「変換実行」", L"「Ribeto - 処理結果」", L"「閉じる」", L"「元に戻す」",
    L"Esc",
};

}  // namespace

// The window shows the whole explanation, read back as UTF-16 from its text control, so
// the program's Shift-JIS texts arrived intact; the program carries its icon.
TEST(HelpProgram, ShowsTheExplanation) {
  HelpProcess help;
  ASSERT_TRUE(help.Start()) << HelpProgramPath();
  const HWND window = help.FindWindowByCaption();
  ASSERT_NE(window, nullptr) << "no window captioned Ribeto ヘルプ";
  // Its texts go through the wide functions, whatever the system's code page.
  EXPECT_TRUE(IsWindowUnicode(window));

  const HWND textControl = FindWindowExW(window, nullptr, L"Edit", nullptr);
  ASSERT_NE(textControl, nullptr);
  EXPECT_NE(GetWindowLongW(textControl, GWL_STYLE) & ES_READONLY, 0);
  EXPECT_TRUE(IsWindowUnicode(textControl));
  const std::wstring text = TextOf(textControl);
  for (const wchar_t* phrase : kPhrases) {
    EXPECT_NE(text.find(phrase), std::wstring::npos) << "missing: " << phrase;
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD exitCode = 1234;
  EXPECT_TRUE(help.WaitForExit(exitCode)) << "still running";

  // Wine does not hand a window's icon to another process, so the icon is looked for in
  // the program file itself, at both sizes.
  Library file(LoadLibraryExA(HelpProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(file.Valid());
  for (const int size : {16, 32}) {
    const HANDLE icon =
        LoadImageW(file.Get(), MAKEINTRESOURCEW(IDI_RIBETO), IMAGE_ICON, size, size, 0);
    EXPECT_NE(icon, nullptr) << size;
    if (icon != nullptr) DestroyIcon(static_cast<HICON>(icon));
  }
}

// Every way out of the help ends the program with exit code 0.
TEST(HelpProgram, EveryWayOfClosingEndsWithExitCodeZero) {
  enum class Close { kCloseMessage, kEscInTheText, kEscOnTheButton, kCloseButton };
  const struct Case {
    const char* name;
    Close close;
  } cases[] = {
      {"WM_CLOSE", Close::kCloseMessage},
      {"Esc typed in the text", Close::kEscInTheText},
      {"Esc typed on the close button", Close::kEscOnTheButton},
      {"close button clicked", Close::kCloseButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HelpProcess help;
    ASSERT_TRUE(help.Start()) << HelpProgramPath();
    const HWND window = help.FindWindowByCaption();
    ASSERT_NE(window, nullptr);
    const HWND textControl = FindWindowExW(window, nullptr, L"Edit", nullptr);
    const HWND button = FindWindowExW(window, nullptr, L"Button", L"閉じる");
    ASSERT_NE(textControl, nullptr);
    ASSERT_NE(button, nullptr);

    switch (c.close) {
      case Close::kCloseMessage:
        PostMessageW(window, WM_CLOSE, 0, 0);
        break;
      case Close::kEscInTheText:
        PostMessageW(textControl, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        break;
      case Close::kEscOnTheButton:
        PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        break;
      case Close::kCloseButton:
        PostMessageW(button, BM_CLICK, 0, 0);
        break;
    }
    DWORD exitCode = 1234;
    ASSERT_TRUE(help.WaitForExit(exitCode)) << "still running";
    EXPECT_EQ(exitCode, 0u);
  }
}
