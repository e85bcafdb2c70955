#include <gtest/gtest.h>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/TempDir.h"

namespace {

std::string ShortName(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return std::string(buffer, n);
}

}  // namespace

TEST_F(MainWindowTest, CommandLineFillsTheListBeforeTheWindowShows) {
  TempDir dir;
  const std::string report = dir.MakeFile("My Documents/Report 1999.txt");
  dir.MakeFile("Folder Two/inner.txt");
  const std::string shortReport = ShortName(report);
  ASSERT_NE(shortReport, report);
  const std::string missing = dir.Path("NOWHERE~1\\x.txt");
  bool visibleWhenAsked = true;
  main->Targets().AskFolder = [&](const std::string& path) {
    asked.push_back(path);
    visibleWhenAsked = main->Visible();
    return IDYES;
  };
  // The short form of a folder, lower case: the list shows the names as stored.
  std::string shortFolder = ShortName(dir.Path("Folder Two"));
  CharLowerBuffA(shortFolder.data(), static_cast<DWORD>(shortFolder.size()));
  Application().SetCommandLine("ribeto.exe \"" + shortReport + "\" " + shortFolder + " \"" + missing +
                               "\" \"" + report + "\"");
  main->FormCreate(main);
  Application().SetCommandLine("");
  // Every component below the drive as stored; the drive letter as given.
  const std::string folder = "z" + dir.Path("Folder Two").substr(1);
  ASSERT_EQ(dir.Path("Folder Two")[0], 'Z');
  EXPECT_EQ(asked, (std::vector<std::string>{folder}));
  EXPECT_FALSE(visibleWhenAsked);
  // Sorted: the list was empty when the command line was read.
  EXPECT_EQ(Entries(), (std::vector<std::string>{folder + "\\inner.txt", report, report, missing}));
  EXPECT_EQ(main->mpBbtnAdd.Caption(), "追加");
  EXPECT_FALSE(main->mpScrollListBox.Sorted());
  EXPECT_FALSE(main->mpBbtnChange.Enabled());  // no panel is on at start
}

TEST_F(MainWindowTest, EscapeFromAnyControlClosesTheWindow) {
  for (TControl* c : std::initializer_list<TControl*>{&main->mpBbtnAdd, &main->mpScrollListBox,
                                                      &main->mpComboFileName}) {
    SCOPED_TRACE(c->Handle());
    main->Show();
    std::vector<TCloseAction> closes;
    const auto close = main->OnClose;
    main->OnClose = [&](TCloseAction& action) {
      close(action);
      closes.push_back(action);
    };
    if (!c->Enabled()) Click(main->mpChkboxFileName);
    c->SetFocus();
    PostMessageW(c->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Application().ProcessMessages();
    EXPECT_EQ(closes, std::vector<TCloseAction>{caFree});
    main->OnClose = close;
  }
}

TEST(HelpCommand, QuotedPathBesideTheProgram) {
  struct Case {
    std::string exe, command;
  } cases[] = {
      {"C:\\Program Files\\Ribeto\\ribeto.exe", "\"C:\\Program Files\\Ribeto\\RibetoHelp.exe\""},
      {"C:\\ribeto.exe", "\"C:\\RibetoHelp.exe\""},
      // 表 ends in the code of "\": the folder is cut after the real separator.
      {"C:\\\x95\x5C\\ribeto.exe", "\"C:\\\x95\x5C\\RibetoHelp.exe\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exe);
    EXPECT_EQ(HelpCommandLine(c.exe), c.command);
  }
}
