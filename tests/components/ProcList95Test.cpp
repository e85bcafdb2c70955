#include <gtest/gtest.h>

#include "tests/components/ChildProcess.h"

// Without this the other tests of this program would pass on the NT family's path.
TEST(ProcList95, ProgramRunsAsWindows98) {
  EXPECT_FALSE(NtFamily()) << "the Wine prefix must run components_win98_tests.exe as win98; "
                              "delete build/wine so scripts/wine-prefix makes it again";
}
