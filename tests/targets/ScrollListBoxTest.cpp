#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "targets/ScrollListBox.h"
#include "widgets/Form.h"

namespace {

const FormStyle kStyle = {"Test", 10, 10, 300, 200, true, false, 0};

// A hidden form with one scroll list box narrower than the paths it will hold.
class ListForm : public TForm {
 public:
  ListForm() : TForm(nullptr, kStyle) { BuildLayout({{&list, nullptr, 10, 10, 200, 150, 0, true}}); }
  TScrollListBox list{this, true};
};

class ScrollListBoxTest : public ::testing::Test {
 protected:
  HWND List() const { return form.list.Handle(); }

  // The width of text in the list window's default device-context font, measured as
  // the program measures it: its bytes, unchanged.
  int DefaultFontWidth(const std::string& text) const {
    HDC dc = GetDC(List());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ReleaseDC(List(), dc);
    return size.cx;
  }

  // The same text in the list's own font, which the entries are drawn in.
  int ListFontWidth(const std::string& text) const {
    HDC dc = GetDC(List());
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(List(), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(List(), dc);
    return size.cx;
  }

  int Extent() const { return static_cast<int>(SendMessageW(List(), LB_GETHORIZONTALEXTENT, 0, 0)); }

  void Fill(const std::vector<std::string>& entries) {
    form.list.Clear();
    for (const auto& e : entries) form.list.Add(e);
  }

  ListForm form;
};

const std::string kWide = "C:\\Documents and Settings\\someone\\My Documents\\WWWWWWWWWWWWWWWWWWWWWWWW.txt";

}  // namespace

TEST_F(ScrollListBoxTest, ExtentIsTheWidestEntryInTheDefaultFont) {
  struct Case {
    const char* name;
    std::vector<std::string> entries;
    int widest;  // index of the entry that sets the extent; -1: extent 0
  } cases[] = {
      {"empty list", {}, -1},
      {"only an empty string", {""}, -1},
      {"wide entry among short ones", {"C:\\a", kWide, "C:\\iiii"}, 1},
      {"wide entry last", {"C:\\a", "", kWide}, 2},
      // 表 (95 5C) and 示 (8E A6): measured as Shift-JIS bytes, the trail byte 5C
      // being part of the character and no backslash.
      {"Shift-JIS entry", {"C:\\a", "C:\\\x95\x5C\x8E\xA6\x95\x5C\x8E\xA6\x95\x5C\x8E\xA6\x95\x5C\x8E\xA6.txt"}, 1},
  };
  // The entries are drawn in the list's own font; the extent measures them in the
  // context's default font. The wide entry tells the two apart.
  ASSERT_NE(DefaultFontWidth(kWide), ListFontWidth(kWide));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fill(c.entries);
    // A stale extent from before must not survive.
    SendMessageW(List(), LB_SETHORIZONTALEXTENT, 5000, 0);
    form.list.DispHorzScrollBar();
    const int expected = c.widest < 0 ? 0 : DefaultFontWidth(c.entries[c.widest]);
    if (c.widest >= 0) {
      ASSERT_GT(expected, 0);
    }
    EXPECT_EQ(Extent(), expected);
  }
}

TEST_F(ScrollListBoxTest, ExtentShrinksWhenTheWidestEntryGoes) {
  const std::string medium = "C:\\Data\\medium length name.txt";
  Fill({"C:\\a", kWide, medium});
  form.list.DispHorzScrollBar();
  EXPECT_EQ(Extent(), DefaultFontWidth(kWide));
  form.list.Delete(1);
  form.list.DispHorzScrollBar();
  EXPECT_EQ(Extent(), DefaultFontWidth(medium));
  EXPECT_LT(Extent(), DefaultFontWidth(kWide));
  form.list.Clear();
  form.list.DispHorzScrollBar();
  EXPECT_EQ(Extent(), 0);
}

TEST_F(ScrollListBoxTest, HorizontalBarFollowsTheExtent) {
  // The list box shows its horizontal bar only when it was created with WS_HSCROLL, and
  // then only while the extent is wider than its client area.
  RECT client;
  GetClientRect(List(), &client);
  Fill({"C:\\a"});
  form.list.DispHorzScrollBar();
  ASSERT_LT(Extent(), client.right);
  EXPECT_FALSE(GetWindowLongW(List(), GWL_STYLE) & WS_HSCROLL);

  Fill({"C:\\a", kWide});
  form.list.DispHorzScrollBar();
  ASSERT_GT(Extent(), client.right);
  EXPECT_TRUE(GetWindowLongW(List(), GWL_STYLE) & WS_HSCROLL);
  SCROLLINFO info{sizeof info, SIF_RANGE};
  ASSERT_TRUE(GetScrollInfo(List(), SB_HORZ, &info));
  EXPECT_EQ(info.nMax + 1, DefaultFontWidth(kWide));
}
