// A caller that includes windows.h after the folder model: its calls written before
// windows.h use the plain name, those after it reach the class as DeleteFileA.
#include "components/Folder.h"

#ifdef DeleteFile
#error "windows.h came in before the folder model: this test checks nothing"
#endif

namespace {
bool DeleteSlotBeforeWindowsHeader(TFolder& folder, int i) { return folder.DeleteFile(i); }
bool DeleteMaskBeforeWindowsHeader(TFolder& folder, const std::string& mask) {
  return folder.DeleteFile(mask);
}
}  // namespace

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

TEST(DeleteFileCaller, WindowsHeaderAfter) {
  TempDir dir;
  for (const char* name : {"a.txt", "b.txt", "c1.txt", "c2.txt", "d1.txt", "d2.txt"}) dir.MakeFile(name);
  TFolder folder(nullptr);
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_TRUE(DeleteSlotBeforeWindowsHeader(folder, folder.FindFile("a.txt")));
  EXPECT_TRUE(folder.DeleteFile(folder.FindFile("b.txt")));
  EXPECT_TRUE(DeleteMaskBeforeWindowsHeader(folder, "c*.txt"));
  EXPECT_TRUE(folder.DeleteFile("d*.txt"));
  for (const char* name : {"a.txt", "b.txt", "c1.txt", "c2.txt", "d1.txt", "d2.txt"}) {
    EXPECT_FALSE(FileExists(dir.Path(name))) << name;
  }
}
