#include <gtest/gtest.h>

#include "base/Sjis.h"

// Second bytes that are ASCII punctuation: 表 is 95 5C ("\"), ソ is 83 5C, ポ is 83 7C ("|").
#define HYO "\x95\x5C"
#define SO "\x83\x5C"
#define PO "\x83\x7C"

TEST(Sjis, SecondBytesAreNeverSeparators) {
  struct Case {
    const char* text;
    const char* set;
    std::size_t last;
  } cases[] = {
      {"C:\\" HYO, "\\", 2},
      {"C:\\a\\" SO SO, "\\", 4},
      {HYO, "\\", std::string::npos},
      {"a" PO "b|", "|", 4},
      {"C:\\x", "\\:", 2},
      {"", "\\", std::string::npos},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(sjis::FindLastOf(c.text, c.set), c.last);
  }
  EXPECT_EQ(sjis::FindFirstOf(HYO "\\" HYO, "\\"), 2u);
}

TEST(Sjis, CutNeverEndsInsideACharacter) {
  EXPECT_EQ(sjis::CutAt("ab" HYO, 3), "ab");
  EXPECT_EQ(sjis::CutAt("ab" HYO, 4), "ab" HYO);
  EXPECT_EQ(sjis::CutAt("abc", 2), "ab");
  EXPECT_EQ(sjis::CutAt("abc", 10), "abc");
}

TEST(Sjis, ParentPath) {
  struct Case {
    const char* path;
    const char* parent;
  } cases[] = {
      {"C:\\Data\\a.txt", "C:\\Data"},
      {"C:\\Data", "C:"},
      {"\\a.txt", ""},
      {"a.txt", ""},
      {"C:\\" HYO "\\x", "C:\\" HYO},
      {"C:\\" HYO, "C:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(sjis::ParentPath(c.path), c.parent);
  }
}
