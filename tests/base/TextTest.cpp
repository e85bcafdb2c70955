#include <gtest/gtest.h>

#include "base/Text.h"

TEST(Text, TrimBlanksKeepsInnerBlanks) {
  EXPECT_EQ(TrimBlanks("  1 2  "), "1 2");
  EXPECT_EQ(TrimBlanks("          "), "");
  EXPECT_EQ(TrimBlanks("0         "), "0");
  EXPECT_EQ(TrimBlanks(""), "");
}

TEST(Text, ParseDecimal) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"0", true, 0},          {"  42", true, 42},      {"2147483647", true, 2147483647},
      {"2147483648", false, 0}, {"9999999999", false, 0}, {"1 2", false, 0},
      {"12 ", false, 0},       {"-1", false, 0},        {"+1", false, 0},
      {"", false, 0},          {"   ", false, 0},       {"0x10", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto v = ParseDecimal(c.text);
    ASSERT_EQ(v.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(*v, c.value);
    }
  }
}

TEST(Text, FormatDecimalFillsToWidth) {
  EXPECT_EQ(FormatDecimal(7, 3), "007");
  EXPECT_EQ(FormatDecimal(1234, 2), "1234");
  EXPECT_EQ(FormatDecimal(0, 0), "0");
  EXPECT_EQ(FormatDecimal(2147483648LL, 0), "2147483648");
  EXPECT_EQ(FormatDecimal(-5, 3), "-05");
}

TEST(Text, UpperCaseUsesTheCodePage) {
  EXPECT_EQ(UpperCase("abc_z.Txt"), "ABC_Z.TXT");
  // Characters, not bytes: the second byte of ヂ (83 61) is the code of "a" and stays;
  // the full-width ａ (82 81) becomes Ａ (82 60) as the system's rules say.
  EXPECT_EQ(UpperCase("\x83\x61x"), "\x83\x61X");
  EXPECT_EQ(UpperCase("\x82\x81"), "\x82\x60");
}
