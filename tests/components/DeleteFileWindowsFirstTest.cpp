// A caller that includes windows.h before the folder model: DeleteFile is already
// windows.h's macro when the class is declared, and must still be after it.
#include <windows.h>

#include "components/Folder.h"

#ifndef DeleteFile
#error "windows.h no longer defines DeleteFile: this test checks nothing"
#endif

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

TEST(DeleteFileCaller, WindowsHeaderFirst) {
  TempDir dir;
  dir.MakeFile("a.txt");
  dir.MakeFile("b1.txt");
  dir.MakeFile("b2.txt");
  const std::string plain = dir.MakeFile("plain.txt");
  TFolder folder(nullptr);
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_TRUE(folder.DeleteFile(folder.FindFile("a.txt")));
  EXPECT_TRUE(folder.DeleteFile("b*.txt"));
  for (const char* name : {"a.txt", "b1.txt", "b2.txt"}) EXPECT_FALSE(FileExists(dir.Path(name))) << name;
  // The system's own DeleteFile still reaches DeleteFileA.
  EXPECT_TRUE(DeleteFile(plain.c_str()));
  EXPECT_FALSE(FileExists(plain));
}
