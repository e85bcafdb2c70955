#include <gtest/gtest.h>

#include <functional>

#include "components/Folder.h"
#include "tests/support/CurrentDirectory.h"
#include "tests/support/TempDir.h"

// Second bytes that are ASCII punctuation: 表 is 95 5C ("\"), ソ is 83 5C, ポ is 83 7C ("|").
#define HYO "\x95\x5C"
#define SO "\x83\x5C"
#define PO "\x83\x7C"

namespace {

using Names = std::vector<std::string>;

Names FilesOf(const TFolder& f) {
  Names out;
  for (int i = 0; i < f.GetFileNo(); ++i) out.push_back(f.Files(i));
  return out;
}

Names FoldersOf(const TFolder& f) {
  Names out;
  for (int i = 0; i < f.GetFolderNo(); ++i) out.push_back(f.Folders(i));
  return out;
}

void SetAttributes(const std::string& path, DWORD attributes) {
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

// Every test: a folder of its own, and the current directory where it was at the end.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override { cwd_ = CurrentDirectory(); }
  void TearDown() override { EXPECT_EQ(CurrentDirectory(), cwd_) << "the current directory moved"; }

  TempDir dir;
  TFolder folder{nullptr};

 private:
  std::string cwd_;
};

}  // namespace

TEST_F(FolderTest, PlainFilesAndFoldersInNameOrder) {
  dir.MakeFile("b.TXT");
  dir.MakeFile("A.txt");
  dir.MakeFile("c.txt");
  SetAttributes(dir.MakeFile("hidden.txt"), FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(dir.MakeFile("system.txt"), FILE_ATTRIBUTE_SYSTEM);
  dir.MakeFolder("Sub");
  dir.MakeFolder(".cache");
  SetAttributes(dir.MakeFolder("hid"), FILE_ATTRIBUTE_HIDDEN);

  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_EQ(FilesOf(folder), (Names{"A.txt", "b.TXT", "c.txt"}));
  EXPECT_EQ(FoldersOf(folder), (Names{"hid", "Sub"}));
  EXPECT_EQ(folder.GetFolderName(), dir.Path());
  EXPECT_EQ(folder.GetStatus(), eFStatusOpen);
}

TEST_F(FolderTest, WhichEntriesAreListed) {
  struct Entry {
    const char* name;
    bool isFolder;
    DWORD attributes;
  } entries[] = {
      {"readonly.txt", false, FILE_ATTRIBUTE_READONLY},
      {"archive.txt", false, FILE_ATTRIBUTE_ARCHIVE},
      {".profile", false, 0},  // a dot file is a plain file
      {"hidden-ro.txt", false, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY},
      {"sysdir", true, FILE_ATTRIBUTE_SYSTEM},
      {"hidsys", true, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
      {"rodir", true, FILE_ATTRIBUTE_READONLY},
      {".git", true, FILE_ATTRIBUTE_HIDDEN},
      {".plain", true, 0},
  };
  for (const Entry& e : entries) {
    const std::string path = e.isFolder ? dir.MakeFolder(e.name) : dir.MakeFile(e.name);
    if (e.attributes) SetAttributes(path, e.attributes);
  }
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_EQ(FilesOf(folder), (Names{".profile", "archive.txt", "readonly.txt"}));
  EXPECT_EQ(FoldersOf(folder), (Names{"hidsys", "rodir", "sysdir"}));
}

TEST(FolderOrder, CompareNames) {
  struct Case {
    const char* a;
    const char* b;
    int result;
  } cases[] = {
      {"abc", "ABC", 0},        // letters without regard to case
      {"a.txt", "B.txt", -1},
      {"AZ", "A_B", -1},        // "_" is 0x5F, after "Z"
      {"file10", "file9", -1},  // bytes, not numbers
      {"ab", "abc", -1},        // a prefix first
      {"abc", "ab", 1},
      {"", "a", -1},
      {"~", HYO, -1},           // a double-byte lead (0x95) after every ASCII byte
      {HYO "a", HYO "B", -1},
      {SO, HYO, -1},            // unsigned: 0x83 before 0x95
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    EXPECT_EQ(CompareNames(c.a, c.b), c.result);
    EXPECT_EQ(CompareNames(c.b, c.a), -c.result);
  }
}

TEST_F(FolderTest, ShiftJisNamesSortAfterAsciiAndKeepTheirBytes) {
  for (const char* name : {HYO ".txt", "zeta.txt", PO SO ".txt", "Alpha.txt"}) dir.MakeFile(name);
  dir.MakeFolder(HYO);
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_EQ(FilesOf(folder), (Names{"Alpha.txt", "zeta.txt", PO SO ".txt", HYO ".txt"}));
  EXPECT_EQ(FoldersOf(folder), (Names{HYO}));

  TFolder inner(nullptr);
  ASSERT_TRUE(inner.Open(dir.Path(HYO)));
  EXPECT_EQ(inner.GetFolderName(), dir.Path(HYO));
}

TEST(FolderNames, IsValidName) {
  struct Case {
    std::string name;
    bool valid;
  } cases[] = {
      {"a.txt", true},
      {"", false},
      {HYO ".txt", true},  // second byte 0x5C is part of the character
      {SO SO, true},
      {PO, true},          // second byte 0x7C likewise
      {"a b.txt", true},
      {"a\"b", false}, {"a/b", false}, {"a:b", false}, {"a,b", false}, {"a;b", false},
      {"a*b", false},  {"a?b", false}, {"a\\b", false}, {"a<b", false}, {"a>b", false},
      {"a|b", false},
      {HYO "\\", false},  // a real "\" after a double-byte character
      {HYO "|", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsValidName(c.name), c.valid);
  }
}

TEST_F(FolderTest, PathsAreMadeAbsolute) {
  dir.MakeFolder("Data");
  dir.MakeFolder("Temp");
  dir.MakeFile("Data/in.txt");
  ASSERT_TRUE(folder.Open(dir.Path("Temp\\..\\Data")));
  EXPECT_EQ(folder.GetFolderName(), dir.Path("Data"));
  EXPECT_EQ(FilesOf(folder), (Names{"in.txt"}));

  CurrentDirectoryAt inTemp(dir.Path("Temp"));
  ASSERT_TRUE(folder.Open("..\\Data"));
  EXPECT_EQ(folder.GetFolderName(), dir.Path("Data"));
  ASSERT_TRUE(folder.Open());
  EXPECT_EQ(folder.GetFolderName(), dir.Path("Temp"));
  EXPECT_EQ(CurrentDirectory(), dir.Path("Temp"));
}

TEST_F(FolderTest, RefusedPathLeavesNothingLoaded) {
  dir.MakeFile("file.txt");
  dir.MakeFolder("Sub");
  const std::string refused[] = {dir.Path("file.txt"), dir.Path("missing"), "",
                                 dir.Path() + std::string("\0x", 2)};
  for (const std::string& path : refused) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(folder.Open(dir.Path()));
    EXPECT_FALSE(folder.Open(path));
    EXPECT_EQ(folder.GetStatus(), eFStatusClose);
    EXPECT_EQ(folder.GetFolderName(), "");
    EXPECT_EQ(folder.GetFileNo(), 0);
    EXPECT_EQ(folder.GetFolderNo(), 0);
    EXPECT_EQ(folder.Files(0), "");
    EXPECT_EQ(folder.FindFile("file.txt"), -1);
    EXPECT_FALSE(folder.MakeFolder("new"));
  }
  EXPECT_FALSE(FileExists(dir.Path("new")));
}

TEST_F(FolderTest, StatusReportsAnUpdateOnce) {
  dir.MakeFile("a.txt");
  EXPECT_EQ(folder.GetStatus(), eFStatusNop);
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_EQ(folder.GetStatus(), eFStatusOpen);

  dir.MakeFile("b.txt");
  EXPECT_TRUE(folder.Update());
  EXPECT_EQ(folder.GetStatus(), eFStatusUpdate);
  EXPECT_EQ(folder.GetStatus(), eFStatusOpen);
  EXPECT_EQ(FilesOf(folder), (Names{"a.txt", "b.txt"}));

  folder.Close();
  EXPECT_EQ(folder.GetStatus(), eFStatusClose);
  EXPECT_EQ(folder.GetFileNo(), 0);
  EXPECT_EQ(folder.GetFolderName(), "");
  // Update after Close loads the folder last opened.
  EXPECT_TRUE(folder.Update());
  EXPECT_EQ(folder.GetFolderName(), dir.Path());
  EXPECT_EQ(folder.GetFileNo(), 2);
  EXPECT_EQ(folder.GetStatus(), eFStatusUpdate);
  EXPECT_EQ(folder.GetStatus(), eFStatusOpen);
}

TEST_F(FolderTest, UpdateOfAFolderThatWentAway) {
  const std::string gone = dir.MakeFolder("gone");
  ASSERT_TRUE(folder.Open(gone));
  ASSERT_TRUE(RemoveDirectoryA(gone.c_str()));
  EXPECT_FALSE(folder.Update());
  EXPECT_EQ(folder.GetStatus(), eFStatusUpdate);
  EXPECT_EQ(folder.GetStatus(), eFStatusClose);
  EXPECT_EQ(folder.GetFolderName(), "");
  // Once it is back, the next Update finds it under the name it had.
  dir.MakeFolder("gone");
  EXPECT_TRUE(folder.Update());
  EXPECT_EQ(folder.GetFolderName(), gone);
}

TEST_F(FolderTest, LoadingAgainDoesNotRepeatEntries) {
  dir.MakeFile("a.txt");
  dir.MakeFolder("Sub");
  ASSERT_TRUE(folder.Open(dir.Path()));
  folder.Load();
  EXPECT_EQ(FilesOf(folder), (Names{"a.txt"}));
  EXPECT_EQ(FoldersOf(folder), (Names{"Sub"}));
}

TEST_F(FolderTest, FindFileFollowsTheDisk) {
  dir.MakeFile("a.txt");
  dir.MakeFile("b.txt");
  dir.MakeFolder("Sub");
  ASSERT_TRUE(folder.Open(dir.Path()));

  EXPECT_EQ(folder.FindFile("b.txt"), 1);
  // Made after Open: appended, its new last slot returned.
  dir.MakeFile("0new.txt");
  EXPECT_EQ(folder.FindFile("0new.txt"), 2);
  EXPECT_EQ(FilesOf(folder), (Names{"a.txt", "b.txt", "0new.txt"}));
  // Deleted by someone else: the slot empties and keeps its place.
  ASSERT_TRUE(DeleteFileA(dir.Path("a.txt").c_str()));
  EXPECT_EQ(folder.FindFile("a.txt"), -1);
  EXPECT_EQ(FilesOf(folder), (Names{"", "b.txt", "0new.txt"}));
  EXPECT_EQ(folder.FindFile("a.txt"), -1);
  EXPECT_EQ(folder.GetFileNo(), 3);

  EXPECT_EQ(folder.FindFile("Sub"), -1);  // a folder is no file
  EXPECT_EQ(folder.FindFile("missing.txt"), -1);
  EXPECT_EQ(folder.FindFile("*.txt"), -1);
  EXPECT_EQ(folder.GetFileNo(), 3);
}

TEST_F(FolderTest, FindFileComparesLetterCase) {
  dir.MakeFile("A.TXT");
  ASSERT_TRUE(folder.Open(dir.Path()));
  // The file system ignores case, the list does not: a second entry.
  EXPECT_EQ(folder.FindFile("a.txt"), 1);
  EXPECT_EQ(FilesOf(folder), (Names{"A.TXT", "a.txt"}));
  EXPECT_EQ(folder.FindFile("A.TXT"), 0);
}

TEST_F(FolderTest, FindFolderFollowsTheDisk) {
  dir.MakeFile("file.txt");
  dir.MakeFolder("Sub");
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_EQ(folder.FindFolder("Sub"), 0);
  EXPECT_EQ(folder.FindFolder("file.txt"), -1);  // a file is no folder
  dir.MakeFolder("Later");
  EXPECT_EQ(folder.FindFolder("Later"), 1);
  ASSERT_TRUE(RemoveDirectoryA(dir.Path("Sub").c_str()));
  EXPECT_EQ(folder.FindFolder("Sub"), -1);
  EXPECT_EQ(FoldersOf(folder), (Names{"", "Later"}));
  EXPECT_EQ(folder.FindFolder("a/b"), -1);
}

TEST_F(FolderTest, DeleteFileBySlot) {
  dir.MakeFile("a.txt");
  dir.MakeFile("b.txt");
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_TRUE(folder.DeleteFile(0));
  EXPECT_FALSE(FileExists(dir.Path("a.txt")));
  EXPECT_FALSE(folder.DeleteFile(0));  // the slot is empty now
  EXPECT_EQ(FilesOf(folder), (Names{"", "b.txt"}));
  for (int i : {-1, 2, 100}) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(folder.DeleteFile(i));
  }
  EXPECT_TRUE(FileExists(dir.Path("b.txt")));
}

TEST_F(FolderTest, DeleteFileBySlotRefused) {
  const std::string locked = dir.MakeFile("locked.txt");
  SetAttributes(locked, FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_FALSE(folder.DeleteFile(0));
  EXPECT_EQ(folder.Files(0), "locked.txt");
  EXPECT_TRUE(FileExists(locked));
}

TEST_F(FolderTest, DeleteFileByMask) {
  dir.MakeFile("keep.doc");
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_FALSE(folder.DeleteFile("*.txt"));  // nothing matches

  dir.MakeFile("a.txt");
  dir.MakeFile("b.txt");
  const std::string locked = dir.MakeFile("c.txt");
  SetAttributes(locked, FILE_ATTRIBUTE_READONLY);
  const std::string hidden = dir.MakeFile("h.txt");
  SetAttributes(hidden, FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(folder.Update());
  dir.MakeFile("d.txt");  // not listed yet: appended by the lookup, then emptied

  EXPECT_FALSE(folder.DeleteFile("*.txt"));  // c.txt is refused
  for (const char* gone : {"a.txt", "b.txt", "d.txt"}) EXPECT_FALSE(FileExists(dir.Path(gone))) << gone;
  EXPECT_TRUE(FileExists(locked));
  EXPECT_TRUE(FileExists(hidden));  // hidden files are never taken
  EXPECT_TRUE(FileExists(dir.Path("keep.doc")));
  EXPECT_EQ(FilesOf(folder), (Names{"", "", "c.txt", "keep.doc", ""}));

  SetAttributes(locked, FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(folder.DeleteFile("?.txt"));
  EXPECT_FALSE(FileExists(locked));
}

TEST_F(FolderTest, RenameFile) {
  dir.MakeFile("b.txt");
  dir.MakeFile("c.txt");
  ASSERT_TRUE(folder.Open(dir.Path()));
  const std::string invalid[] = {"x,y.txt", "x;y.txt", "", "x|y", "sub\\x.txt", "x?.txt"};
  for (const std::string& name : invalid) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(folder.RenameFile(0, name));
    EXPECT_TRUE(FileExists(dir.Path("b.txt")));
  }
  EXPECT_FALSE(folder.RenameFile(0, "c.txt"));  // the name exists
  EXPECT_FALSE(folder.RenameFile(5, "d.txt"));

  // A name with a trail byte 0x5C is valid; the entry keeps its place.
  EXPECT_TRUE(folder.RenameFile(0, HYO SO ".txt"));
  EXPECT_TRUE(FileExists(dir.Path(HYO SO ".txt")));
  EXPECT_FALSE(FileExists(dir.Path("b.txt")));
  EXPECT_EQ(FilesOf(folder), (Names{HYO SO ".txt", "c.txt"}));
  EXPECT_TRUE(folder.RenameFile(1, "a.txt"));
  EXPECT_EQ(FilesOf(folder), (Names{HYO SO ".txt", "a.txt"}));
}

TEST_F(FolderTest, MakeFolderAppendsAtTheEnd) {
  dir.MakeFolder("m");
  dir.MakeFolder("z");
  ASSERT_TRUE(folder.Open(dir.Path()));
  EXPECT_TRUE(folder.MakeFolder("a"));
  EXPECT_TRUE(FolderExists(dir.Path("a")));
  EXPECT_TRUE(folder.MakeFolder(PO));
  EXPECT_EQ(FoldersOf(folder), (Names{"m", "z", "a", PO}));
  EXPECT_FALSE(folder.MakeFolder("m"));  // exists
  EXPECT_FALSE(folder.MakeFolder("x:y"));
  EXPECT_EQ(folder.GetFolderNo(), 4);
}

TEST_F(FolderTest, NothingWorksBeforeOpen) {
  dir.MakeFile("a.txt");
  EXPECT_EQ(folder.GetFileNo(), 0);
  EXPECT_EQ(folder.GetFolderName(), "");
  EXPECT_EQ(folder.FindFile("a.txt"), -1);
  EXPECT_EQ(folder.FindFolder("a.txt"), -1);
  EXPECT_FALSE(folder.DeleteFile(0));
  EXPECT_FALSE(folder.DeleteFile("*"));
  EXPECT_FALSE(folder.RenameFile(0, "b.txt"));
  EXPECT_FALSE(folder.MakeFolder("x"));
  EXPECT_TRUE(FileExists(dir.Path("a.txt")));
}

// Longer than the 1023 characters the system's buffers hold: refused, never cut.
TEST_F(FolderTest, OverlongNamesFail) {
  dir.MakeFile("a.txt");
  ASSERT_TRUE(folder.Open(dir.Path()));
  const std::string overlong(1100, 'n');
  EXPECT_EQ(folder.FindFile(overlong), -1);
  EXPECT_EQ(folder.FindFolder(overlong), -1);
  EXPECT_FALSE(folder.MakeFolder(overlong));
  EXPECT_FALSE(folder.RenameFile(0, overlong));
  EXPECT_FALSE(folder.DeleteFile(std::string(1100, '?')));
  EXPECT_EQ(FilesOf(folder), (Names{"a.txt"}));
  EXPECT_TRUE(FileExists(dir.Path("a.txt")));
  // A zero byte would end the name early, at another entry.
  EXPECT_EQ(folder.FindFile(std::string("a.txt\0b", 7)), -1);
  EXPECT_FALSE(folder.DeleteFile(std::string("a.txt\0*", 7)));
  EXPECT_TRUE(FileExists(dir.Path("a.txt")));
}

TEST_F(FolderTest, CurrentDirectoryStaysAfterEveryCall) {
  dir.MakeFile("a.txt");
  dir.MakeFile("b.txt");
  dir.MakeFolder("Sub");
  const std::string here = dir.MakeFolder("elsewhere");
  CurrentDirectoryAt at(here);
  struct Step {
    const char* what;
    std::function<void()> run;
  } steps[] = {
      {"Open(path)", [&] { folder.Open(dir.Path()); }},
      {"Open(missing)", [&] { folder.Open(dir.Path("missing")); }},
      {"Open(file)", [&] { folder.Open(dir.Path("a.txt")); }},
      {"Open()", [&] { folder.Open(); }},
      {"Open(relative)", [&] { folder.Open("..\\Sub"); }},
      {"Update", [&] { folder.Update(); }},
      {"Load", [&] { folder.Load(); }},
      {"FindFile", [&] { folder.FindFile("x.txt"); }},
      {"DeleteFile(mask)", [&] { folder.DeleteFile("*.none"); }},
      {"Open(parent)", [&] { folder.Open(dir.Path()); }},
      {"RenameFile", [&] { folder.RenameFile(0, "c.txt"); }},
      {"DeleteFile(i)", [&] { folder.DeleteFile(0); }},
      {"MakeFolder", [&] { folder.MakeFolder("New"); }},
      {"Close", [&] { folder.Close(); }},
  };
  for (const Step& s : steps) {
    s.run();
    EXPECT_EQ(CurrentDirectory(), here) << "after " << s.what;
  }
}

TEST(FolderExists, OnlyFolders) {
  TempDir dir;
  dir.MakeFile("f.txt");
  SetAttributes(dir.MakeFolder("hid"), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(FolderExists(dir.Path()));
  EXPECT_TRUE(FolderExists(dir.Path("hid")));
  EXPECT_FALSE(FolderExists(dir.Path("f.txt")));
  EXPECT_FALSE(FolderExists(dir.Path("missing")));
  EXPECT_FALSE(FolderExists(""));
}
