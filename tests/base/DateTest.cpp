#include <gtest/gtest.h>

#include "base/Date.h"

TEST(Date, GregorianCalendar) {
  struct Case {
    int y, m, d;
    bool valid;
  } cases[] = {
      {2004, 2, 29, true},  {2003, 2, 29, false}, {1900, 2, 29, false}, {2000, 2, 29, true},
      {2024, 4, 31, false}, {2024, 4, 30, true},  {2024, 12, 31, true}, {2024, 13, 1, false},
      {2024, 0, 1, false},  {2024, 1, 0, false},  {1, 1, 1, true},      {0, 1, 1, false},
      {9999, 12, 31, true}, {10000, 1, 1, false}, {2024, 2, 30, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
    EXPECT_EQ(IsValidDate(c.y, c.m, c.d), c.valid);
  }
}
