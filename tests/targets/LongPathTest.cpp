#include <gtest/gtest.h>

#include "base/Sjis.h"
#include "targets/LongPath.h"
#include "tests/support/CurrentDirectory.h"
#include "tests/support/TempDir.h"

// 表 is 95 5C and ソ 83 5C: their second byte is the code of "\".
#define HYO "\x95\x5C"
#define SO "\x83\x5C"

namespace {

// Wine makes short names by hashing, so they are asked for, never guessed.
std::string ShortName(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  EXPECT_TRUE(n > 0 && n < MAX_PATH) << path;
  return std::string(buffer, n < MAX_PATH ? n : 0);
}

// ASCII letters of every character made small (or capital), double-byte ones untouched.
std::string WithCase(std::string s, bool upper) {
  for (std::size_t i = 0; i < s.size(); i = sjis::NextChar(s, i)) {
    char& c = s[i];
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

// The stored path with its drive letter as the given one had it.
std::string DriveFrom(const std::string& given, std::string stored) {
  stored[0] = given[0];
  return stored;
}

}  // namespace

TEST(LongPath, ShortNamesBecomeLongOnes) {
  TempDir dir;
  const std::string full = dir.MakeFile("My Documents/Report 1999.txt");
  const std::string shortName = ShortName(full);
  ASSERT_NE(shortName, full);
  EXPECT_EQ(MakeLongPath(shortName), full);
  EXPECT_EQ(MakeLongPath(ShortName(dir.Path("My Documents"))), dir.Path("My Documents"));
  EXPECT_EQ(FindLongName(shortName), "Report 1999.txt");
}

TEST(LongPath, LetterCaseFollowsTheDiskBelowTheDrive) {
  TempDir dir;
  const std::string full = dir.MakeFile("My Documents/Report 1999.txt");
  for (bool upper : {false, true}) {
    const std::string given = WithCase(full, upper);
    SCOPED_TRACE(given);
    ASSERT_NE(given, full);
    EXPECT_EQ(MakeLongPath(given), DriveFrom(given, full));
  }
}

TEST(LongPath, WhatCannotBeFoundIsKeptAsGiven) {
  TempDir dir;
  const std::string folder = dir.MakeFolder("Long Folder Name");
  const std::string shortFolder = ShortName(folder);
  ASSERT_NE(shortFolder, folder);
  const std::string kept[] = {
      shortFolder + "\\missing file.TXT",  // short parents included
      shortFolder + "\\nope\\x.txt",
      shortFolder + "\\",  // FindFirstFileA finds nothing for a trailing separator
      WithCase(folder, false) + "\\",
      "C:", "c:", "z:",  // a bare drive keeps its letter case
      "C:\\", "z:\\",   // a root is no entry
      "",
  };
  for (const std::string& path : kept) {
    SCOPED_TRACE(path);
    EXPECT_EQ(MakeLongPath(path), path);
  }
  EXPECT_EQ(FindLongName(folder + "\\missing file.TXT"), "");
}

TEST(LongPath, ShiftJisNamesEndingInTheSeparatorByte) {
  TempDir dir;
  // Both folder names end in 0x5C; a byte-wise split would cut them apart.
  const std::string full = dir.MakeFile(HYO SO "/Report " HYO " Long Name.txt");
  const std::string variants[] = {ShortName(full), WithCase(full, false), full};
  for (const std::string& given : variants) {
    SCOPED_TRACE(given);
    EXPECT_EQ(MakeLongPath(given), DriveFrom(given, full));
  }
  EXPECT_EQ(FindLongName(dir.Path(HYO SO)), HYO SO);
}

// Forms the callers do not pass, each kept meaningful: a relative name stays relative,
// a drive-relative one keeps its drive, "/" stays "/", and a wildcard names no one file.
TEST(LongPath, RelativeSlashAndWildcardForms) {
  TempDir dir;
  const std::string full = dir.MakeFile("Sub Folder/Report 1999.txt");
  const std::string shortName = ShortName(full);
  const std::string bareShort = shortName.substr(sjis::FindLastOf(shortName, "\\") + 1);
  ASSERT_NE(bareShort, "Report 1999.txt");

  CurrentDirectoryAt at(dir.Path("Sub Folder"));
  EXPECT_EQ(MakeLongPath(bareShort), "Report 1999.txt");
  EXPECT_EQ(MakeLongPath(dir.Path().substr(0, 2) + bareShort), dir.Path().substr(0, 2) + "Report 1999.txt");

  std::string slashed = WithCase(full, false);
  slashed[sjis::FindLastOf(slashed, "\\")] = '/';
  std::string expected = full;
  expected[sjis::FindLastOf(expected, "\\")] = '/';
  EXPECT_EQ(MakeLongPath(slashed), DriveFrom(slashed, expected));

  for (const std::string& pattern : {dir.Path("Sub Folder\\*.txt"), dir.Path("sub folder\\Report 199?.txt")}) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(MakeLongPath(pattern), pattern);
  }
}
