// Built twice: into components_tests (the NT family) and into components_win98_tests,
// which the test prefix runs as Windows 98, so the tool-help path runs for real.
#include <gtest/gtest.h>

#include <climits>

#include "base/Sjis.h"
#include "components/ProcList.h"
#include "tests/components/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

std::string ChildName() { return "child-" + std::to_string(GetCurrentProcessId()) + ".exe"; }

std::string BareName(const std::string& path) {
  const std::size_t sep = sjis::FindLastOf(path, "\\");
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace

TEST(ProcList, FindsARunningProgramByItsNameInAnotherCase) {
  TempDir dir;
  ChildProcess child(dir.Path(), ChildName());
  ASSERT_TRUE(child.Running());
  const std::string reported = ReportedName(child);
  ASSERT_FALSE(reported.empty());

  TProcList list(nullptr);
  ASSERT_TRUE(list.Update());
  EXPECT_EQ(list.Error(), ePrcLstErrNone);
  const std::string query = OtherCase(reported);
  ASSERT_NE(query, reported);
  const int i = list.GetProcessIndex(query);
  ASSERT_GE(i, 0);
  EXPECT_EQ(list.GetProcess(i), reported);

  // Whole names only: the bare file name does not match a path, nor a path a bare
  // name (the 95 family's snapshot may hold either, depending on the system).
  const std::string sameProgramOtherForm =
      BareName(reported) != reported ? BareName(reported) : child.Path();
  EXPECT_EQ(list.GetProcessIndex(sameProgramOtherForm), -1) << sameProgramOtherForm;
  EXPECT_EQ(list.GetProcessIndex(""), -1);
}

TEST(ProcList, PositionsOutsideTheListReadEmpty) {
  TProcList list(nullptr);
  ASSERT_TRUE(list.Update());
  const int count = list.GetProcessNo();
  ASSERT_GT(count, 0);
  for (int i : {-1, count, count + 1, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(list.GetProcess(i), "");
  }
}

TEST(ProcList, FirstReadOfTheCountBuildsTheList) {
  // Each ctest test is a process of its own; run together with others the list may
  // already exist.
  if (ProcNameList()) GTEST_SKIP() << "another test in this process built the list";
  TProcList list(nullptr);
  EXPECT_GT(list.GetProcessNo(), 0);
  ASSERT_TRUE(ProcNameList());
  EXPECT_EQ(list.Error(), ePrcLstErrNone);
}

TEST(ProcList, NamesStayAsTheLastUpdateLeftThem) {
  TempDir dir;
  TProcList list(nullptr);
  ASSERT_TRUE(list.Update());
  const int count = list.GetProcessNo();

  ChildProcess child(dir.Path(), ChildName());
  ASSERT_TRUE(child.Running());
  const std::string reported = ReportedName(child);
  EXPECT_EQ(list.GetProcessNo(), count);
  EXPECT_EQ(list.GetProcessIndex(reported), -1) << "read again without an Update";

  ASSERT_TRUE(list.Update());
  EXPECT_GE(list.GetProcessIndex(reported), 0);
}

TEST(ProcList, ComponentsShareTheNamesButNotTheError) {
  TProcList first(nullptr), second(nullptr);
  ASSERT_TRUE(first.Update());
  EXPECT_EQ(second.GetProcessNo(), first.GetProcessNo());

  ProcListSystem missing;
  missing.psapi = missing.kernel32 = "ribeto-missing.dll";
  EXPECT_FALSE(first.Update(missing));
  EXPECT_NE(first.Error(), ePrcLstErrNone);
  EXPECT_EQ(second.GetProcessNo(), 0) << "the failed Update emptied the shared list";
  EXPECT_EQ(second.Error(), ePrcLstErrNone);
}

TEST(ProcList, FailedUpdateLeavesAnEmptyListAndTheNextOneResetsError) {
  struct Case {
    const char* what;
    ProcListSystem system;
    EProcListError nt, windows95;
  } cases[] = {
      {"no process-status library", {.psapi = "ribeto-missing.dll"}, ePrcLstErrNtPsapiDll,
       ePrcLstErrNone},
      {"no DOS-machine library", {.vdmdbg = "ribeto-missing.dll"}, ePrcLstErrNtVdmdbgDll,
       ePrcLstErrNone},
      {"no kernel library", {.kernel32 = "ribeto-missing.dll"}, ePrcLstErrNone,
       ePrcLstErr95Kernel32Dll},
      // A library that loads but lacks the functions.
      {"functions missing", {.psapi = "user32.dll", .kernel32 = "user32.dll"},
       ePrcLstErrDllFuncP, ePrcLstErrDllFuncP},
  };
  const bool nt = NtFamily();
  TProcList list(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const EProcListError expected = nt ? c.nt : c.windows95;
    if (expected == ePrcLstErrNone) continue;  // the other family's library
    EXPECT_FALSE(list.Update(c.system));
    EXPECT_EQ(list.Error(), expected);
    EXPECT_EQ(list.GetProcessNo(), 0);
    EXPECT_EQ(list.GetProcess(0), "");

    EXPECT_TRUE(list.Update());
    EXPECT_EQ(list.Error(), ePrcLstErrNone);
    EXPECT_GT(list.GetProcessNo(), 0);
  }
}
