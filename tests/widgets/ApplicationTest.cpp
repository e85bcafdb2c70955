#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/ModalAnswerer.h"
#include "widgets/Application.h"
#include "widgets/Wide.h"

TEST(Application, CommandLineSplitsAsThePlatformDoes) {
  struct Case {
    const char* line;
    std::vector<std::string> args;
  } cases[] = {
      {"prog.exe a b", {"prog.exe", "a", "b"}},
      {"\"C:\\Program Files\\r.exe\" \"C:\\My Documents\\x.txt\"  y",
       {"C:\\Program Files\\r.exe", "C:\\My Documents\\x.txt", "y"}},
      {"p a\"b c\"d", {"p", "ab cd"}},
      {"p \"\" x", {"p", "", "x"}},
      {"p\t\tz   ", {"p", "z"}},
      {"p C:\\\x95\x5C\\a", {"p", "C:\\\x95\x5C\\a"}},  // 表: its second byte is "\"
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCommandLine(c.line), c.args);
  }
}

TEST(Application, ErrorBoxTextEndsWithAFullStop) {
  struct Case {
    std::string message, shown;
  } cases[] = {
      {"abc", "abc."},
      {"abc.", "abc."},
      {"abc,", "abc,"},       // "," comes before "." in byte order
      {"abc!", "abc!"},
      {"'1 2' は数値ではありません", "'1 2' は数値ではありません."},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(ErrorBoxText(c.message), c.shown);
  }
}

TEST(Application, ErrorBoxShowsTheMessageUnderTheTitle) {
  Application().SetTitle("Ribeto");
  ModalAnswerer answerer({IDOK});
  Application().ShowException(std::runtime_error("日付に変換できない値が渡されました"));
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Ribeto");
  EXPECT_EQ(boxes[0].text, FromShiftJis("日付に変換できない値が渡されました."));
  EXPECT_TRUE(boxes[0].hasIcon);
  EXPECT_EQ(boxes[0].buttons.size(), 1u);
}
