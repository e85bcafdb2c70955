#include <gtest/gtest.h>

#include <algorithm>

#include "components/ProcList.h"
#include "components/ProcessIds.h"
#include "tests/components/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {

// A system with a chosen number of processes, ids 1000 and up, that remembers the
// buffer sizes it was offered. EnumProcesses takes no context, hence the statics.
struct FakeSystem {
  static inline DWORD processes = 0;
  static inline bool fails = false;
  static inline std::vector<DWORD> offered;

  static BOOL WINAPI EnumProcesses(DWORD* ids, DWORD bytes, DWORD* returned) {
    offered.push_back(bytes);
    if (fails) return FALSE;
    const DWORD n = std::min<DWORD>(processes, bytes / sizeof(DWORD));
    for (DWORD i = 0; i < n; ++i) ids[i] = 1000 + i;
    *returned = n * sizeof(DWORD);
    return TRUE;
  }
};

}  // namespace

TEST(ProcessIds, BufferDoublesWhileFullAndEveryIdIsListed) {
  struct Case {
    DWORD processes;
    DWORD firstBytes;
    std::vector<DWORD> offered;
  } cases[] = {
      {0, 1024, {1024}},
      {255, 1024, {1024}},
      {256, 1024, {1024, 2048}},  // exactly full: more may have been cut off
      {257, 1024, {1024, 2048}},
      {600, 1024, {1024, 2048, 4096}},
      {1024, 1024, {1024, 2048, 4096, 8192}},
      {3, 0, {4, 8, 16}},  // room for one id at least
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.processes << " processes from " << c.firstBytes << " bytes");
    FakeSystem::processes = c.processes;
    FakeSystem::fails = false;
    FakeSystem::offered.clear();
    std::vector<DWORD> ids;
    ASSERT_EQ(CollectProcessIds(&FakeSystem::EnumProcesses, c.firstBytes, ids), ProcessIdsResult::ok);
    EXPECT_EQ(FakeSystem::offered, c.offered);
    ASSERT_EQ(ids.size(), c.processes);
    for (DWORD i = 0; i < c.processes; ++i) ASSERT_EQ(ids[i], 1000 + i);
  }
}

TEST(ProcessIds, FailedEnumerationIsReported) {
  FakeSystem::fails = true;
  std::vector<DWORD> ids;
  EXPECT_EQ(CollectProcessIds(&FakeSystem::EnumProcesses, 1024, ids), ProcessIdsResult::enumFailed);
  EXPECT_TRUE(ids.empty());
}

// The real enumeration from room for a single id: only growth lists both this program
// and the child.
TEST(ProcessIds, RealListFromATinyBuffer) {
  if (!NtFamily()) GTEST_SKIP() << "process ids are the NT family's";
  TempDir dir;
  ChildProcess child(dir.Path(), "grow-" + std::to_string(GetCurrentProcessId()) + ".exe");
  ASSERT_TRUE(child.Running());
  char self[MAX_PATH];
  const std::string selfPath(self, GetModuleFileNameA(nullptr, self, MAX_PATH));

  ProcListSystem tiny;
  tiny.firstIdBufferBytes = sizeof(DWORD);
  TProcList list(nullptr);
  ASSERT_TRUE(list.Update(tiny));
  EXPECT_GE(list.GetProcessIndex(child.Path()), 0);
  EXPECT_GE(list.GetProcessIndex(selfPath), 0);
}
