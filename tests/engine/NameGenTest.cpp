#include <gtest/gtest.h>

#include <random>

#include "base/ConvertError.h"
#include "base/Sjis.h"
#include "engine/NameGen.h"

namespace {

const std::string kHyo = "\x95\x5C";  // 表: its second byte is the code of "\"
const std::string kSo = "\x83\x5C";   // ソ: likewise
const std::string kNo = "\x94\x5C";   // 能: likewise

ChangeSettings NameSettings(const std::string& text, const std::string& number, int place = 0) {
  ChangeSettings s;
  s.ChangeName = true;
  s.NameText = text;
  s.NameNumber = number;
  s.NameNumberItem = place;
  return s;
}

ChangeSettings ExtSettings(const std::string& text, const std::string& number, int place = 0) {
  ChangeSettings s;
  s.ChangeExt = true;
  s.ExtText = text;
  s.ExtNumber = number;
  s.ExtNumberItem = place;
  return s;
}

std::string Pad(const std::string& digits) { return digits + std::string(10 - digits.size(), ' '); }

}  // namespace

TEST(SplitPath, Pieces) {
  struct Case {
    std::string path, drive, folder, base, ext;
  } cases[] = {
      {"C:\\work\\a.txt", "C:", "\\work\\", "a", ".txt"},
      {"C:\\work\\c", "C:", "\\work\\", "c", ""},
      {"C:\\work\\.profile", "C:", "\\work\\", "", ".profile"},
      {"C:\\work\\x.", "C:", "\\work\\", "x", "."},
      {"C:\\work\\a.b.c", "C:", "\\work\\", "a.b", ".c"},
      {"C:\\w.d\\file", "C:", "\\w.d\\", "file", ""},
      {"C:/work/a.txt", "C:", "/work/", "a", ".txt"},
      {"C:\\work\\..", "C:", "\\work\\..", "", ""},
      {"C:\\work\\.", "C:", "\\work\\.", "", ""},
      {"\\\\server\\share\\f.doc", "", "\\\\server\\share\\", "f", ".doc"},
      {"a:b.txt", "a:", "", "b", ".txt"},
      {"ab:c.txt", "", "", "ab:c", ".txt"},
      {"C:\\" + kHyo + "\\" + kSo + ".txt", "C:", "\\" + kHyo + "\\", kSo, ".txt"},
      {"C:\\" + kHyo + kNo + "\\a" + kHyo, "C:", "\\" + kHyo + kNo + "\\", "a" + kHyo, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const PathParts p = SplitPath(c.path);
    EXPECT_EQ(p.drive, c.drive);
    EXPECT_EQ(p.folder, c.folder);
    EXPECT_EQ(p.base, c.base);
    EXPECT_EQ(p.ext, c.ext);
  }
}

TEST(SplitPath, Limits) {
  // The path is read up to 260 bytes, each piece up to 255, never ending mid-character.
  const std::string longBase(300, 'b');
  PathParts p = SplitPath("C:\\" + longBase);
  EXPECT_EQ(p.base.size(), 255u);

  std::string kanji;
  for (int i = 0; i < 130; ++i) kanji += kHyo;  // 260 bytes
  p = SplitPath("C:\\" + kanji + ".txt");
  EXPECT_EQ(p.ext, "");
  EXPECT_EQ(p.base.size(), 254u);  // 255 would split the 128th character
  EXPECT_EQ(p.base, kanji.substr(0, 254));
}

// Random paths of valid Shift-JIS characters, many of them with 0x5C as second byte,
// always split into pieces that join back and never cut a character.
TEST(SplitPath, RandomShiftJisPathsJoinBack) {
  std::mt19937 rng(20261211);
  const std::vector<std::string> alphabet = {"a", "Z", "0", "_", " ", ".", "-", kHyo, kSo, kNo,
                                             "\x83\x7C" /* ポ */, "\x82\xA0" /* あ */,
                                             "\x88\x9F" /* 亜 */, "\xB1" /* ｱ (one byte) */};
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
  for (int round = 0; round < 2000; ++round) {
    std::string path = pick(2) ? "C:" : "";
    const std::size_t components = 1 + pick(5);
    for (std::size_t c = 0; c < components; ++c) {
      path += pick(4) ? "\\" : "/";
      const std::size_t chars = 1 + pick(12);
      for (std::size_t k = 0; k < chars; ++k) path += alphabet[pick(alphabet.size())];
    }
    SCOPED_TRACE(path);
    const PathParts p = SplitPath(path);
    EXPECT_EQ(p.drive + p.folder + p.base + p.ext, path);
    // Every piece begins where a character of the path begins.
    std::vector<bool> boundary(path.size() + 1, false);
    for (std::size_t i = 0; i < path.size(); i = sjis::NextChar(path, i)) boundary[i] = true;
    boundary[path.size()] = true;
    std::size_t offset = 0;
    for (const std::string* piece : {&p.drive, &p.folder, &p.base, &p.ext}) {
      EXPECT_TRUE(boundary[offset]) << "piece starts inside a character at " << offset;
      offset += piece->size();
    }
    const std::string name = path.substr(p.drive.size() + p.folder.size());
    EXPECT_EQ(sjis::FindFirstOf(name, "\\/"), std::string::npos);
  }
}

TEST(MakeNewName, WorkedExampleAndVariants) {
  const std::vector<std::string> files = {"C:\\work\\a.txt", "C:\\work\\b.doc", "C:\\work\\c"};
  struct Case {
    const char* what;
    ChangeSettings settings;
    std::vector<std::string> expected;
  } cases[] = {
      {"after, 1", NameSettings("abc", Pad("1")),
       {"C:\\work\\abc1.txt", "C:\\work\\abc2.doc", "C:\\work\\abc3"}},
      {"after, 001", NameSettings("abc", Pad("001")),
       {"C:\\work\\abc001.txt", "C:\\work\\abc002.doc", "C:\\work\\abc003"}},
      {"before, 1", NameSettings("abc", Pad("1"), 1),
       {"C:\\work\\1abc.txt", "C:\\work\\2abc.doc", "C:\\work\\3abc"}},
      {"ext, no number", ExtSettings("bak", Pad("")),
       {"C:\\work\\a.bak", "C:\\work\\b.bak", "C:\\work\\c.bak"}},
      {"ext, 1", ExtSettings("bak", Pad("1")),
       {"C:\\work\\a.bak1", "C:\\work\\b.bak2", "C:\\work\\c.bak3"}},
      {"ext before", ExtSettings("bak", Pad("1"), 1),
       {"C:\\work\\a.1bak", "C:\\work\\b.2bak", "C:\\work\\c.3bak"}},
      {"default start 0", NameSettings("f", Pad("0")),
       {"C:\\work\\f0.txt", "C:\\work\\f1.doc", "C:\\work\\f2"}},
      {"start 10", NameSettings("f", Pad("10")),
       {"C:\\work\\f10.txt", "C:\\work\\f11.doc", "C:\\work\\f12"}},
      {"start 0010", NameSettings("f", Pad("0010")),
       {"C:\\work\\f0010.txt", "C:\\work\\f0011.doc", "C:\\work\\f0012"}},
      {"start 00", NameSettings("f", Pad("00")),
       {"C:\\work\\f00.txt", "C:\\work\\f01.doc", "C:\\work\\f02"}},
      {"start 000", NameSettings("f", Pad("000")),
       {"C:\\work\\f000.txt", "C:\\work\\f001.doc", "C:\\work\\f002"}},
      {"blanks around", NameSettings("f", "   7      "),
       {"C:\\work\\f7.txt", "C:\\work\\f8.doc", "C:\\work\\f9"}},
      {"no text", NameSettings("", Pad("1")),
       {"C:\\work\\1.txt", "C:\\work\\2.doc", "C:\\work\\3"}},
      {"no number", NameSettings("abc", Pad("")),
       {"C:\\work\\abc.txt", "C:\\work\\abc.doc", "C:\\work\\abc"}},
      {"nothing typed", NameSettings("", Pad("")),
       {"C:\\work\\a.txt", "C:\\work\\b.doc", "C:\\work\\c"}},
      {"ext with a dot", ExtSettings(".txt", Pad("")),
       {"C:\\work\\a..txt", "C:\\work\\b..txt", "C:\\work\\c..txt"}},
      {"neither", ChangeSettings{},
       {"C:\\work\\a.txt", "C:\\work\\b.doc", "C:\\work\\c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(MakeNewName(files[i], i, c.settings), c.expected[i]);
  }

  ChangeSettings both = NameSettings("n", Pad("1"));
  both.ChangeExt = true;
  both.ExtText = "e";
  both.ExtNumber = Pad("01");
  both.ExtNumberItem = 1;
  EXPECT_EQ(MakeNewName("C:\\work\\a.txt", 4, both), "C:\\work\\n5.05e");
}

TEST(MakeNewName, DotFilesAndShiftJisFolders) {
  EXPECT_EQ(MakeNewName("C:\\w\\.profile", 0, NameSettings("abc", Pad("1"))), "C:\\w\\abc1.profile");
  EXPECT_EQ(MakeNewName("C:\\w\\.profile", 0, ExtSettings("bak", Pad(""))), "C:\\w\\.bak");
  EXPECT_EQ(MakeNewName("C:\\w\\x.", 0, ExtSettings("bak", Pad(""))), "C:\\w\\x.bak");
  EXPECT_EQ(MakeNewName("C:\\w\\a.b.c", 0, NameSettings("z", Pad(""))), "C:\\w\\z.c");
  const std::string folder = "C:\\" + kHyo + kSo + "\\";
  EXPECT_EQ(MakeNewName(folder + "a.txt", 2, NameSettings(kNo, Pad("1"))), folder + kNo + "3.txt");
}

TEST(MakeNewName, SerialWidths) {
  // Width 2 with 120 files: 00 to 99, then the full numbers 100 to 119.
  const ChangeSettings s = NameSettings("", Pad("00"));
  EXPECT_EQ(MakeNewName("C:\\a", 0, s), "C:\\00");
  EXPECT_EQ(MakeNewName("C:\\a", 9, s), "C:\\09");
  EXPECT_EQ(MakeNewName("C:\\a", 99, s), "C:\\99");
  EXPECT_EQ(MakeNewName("C:\\a", 100, s), "C:\\100");
  EXPECT_EQ(MakeNewName("C:\\a", 119, s), "C:\\119");
}

TEST(MakeNewName, SerialPastTheIntegerRangeIsTheTrueNumber) {
  const ChangeSettings s = NameSettings("", "2147483647");
  EXPECT_EQ(MakeNewName("C:\\a", 0, s), "C:\\2147483647");
  EXPECT_EQ(MakeNewName("C:\\a", 1, s), "C:\\2147483648");
  EXPECT_EQ(MakeNewName("C:\\a", 2147483647, s), "C:\\4294967294");
}

TEST(MakeNewName, StartNumberThatIsNoNumber) {
  struct Case {
    const char* number;
    const char* shown;
  } cases[] = {{"1 2       ", "1 2"}, {"9999999999", "9999999999"}, {"0 x", " x"},
               {"2147483648", "2147483648"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    try {
      MakeNewName("C:\\a.txt", 0, NameSettings("a", c.number));
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + c.shown + "' は数値ではありません");
    }
  }
  // The base name is worked out first, so its error wins over the extension's.
  ChangeSettings s = NameSettings("a", "1 1");
  s.ChangeExt = true;
  s.ExtNumber = "2 2";
  try {
    MakeNewName("C:\\a.txt", 0, s);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'1 1' は数値ではありません");
  }
}
