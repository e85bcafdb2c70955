#include <gtest/gtest.h>

#include "tests/app/MainWindowFixture.h"
#include "widgets/Gdi.h"
#include "widgets/Wide.h"

namespace {

RECT PlaceOf(const TControl& c) {
  RECT r;
  GetWindowRect(c.Handle(), &r);
  MapWindowPoints(nullptr, c.Form()->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LOGFONTW FontOf(const TControl& c) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

}  // namespace

// The window's layout, written out here from the design rather than read from the code's
// own table: left, top, width, height, tab order (-1: none), enabled at start, caption.
TEST_F(MainWindowTest, EveryControlStandsWhereTheDesignPutsIt) {
  TMainForm& m = *main;
  struct Row {
    TControl* c;
    int left, top, width, height, tab;
    bool enabled;
    const char* caption;
  } rows[] = {
      {&m.mpBvlList, 8, 16, 317, 445, -1, true, ""},
      {&m.mpBvlFileName, 336, 16, 393, 77, -1, true, ""},
      {&m.mpBvlExtName, 336, 108, 393, 77, -1, true, ""},
      {&m.mpBvlDateTime, 336, 200, 393, 129, -1, true, ""},
      {&m.mpBvlReadOnly, 336, 344, 393, 73, -1, true, ""},
      {&m.mpLblList, 16, 12, 89, 12, -1, true, "変換ファイル一覧"},
      {&m.mpScrollListBox, 16, 32, 301, 385, 34, true, ""},
      {&m.mpSbtnUp, 16, 428, 25, 25, -1, false, ""},
      {&m.mpSbtnDown, 44, 428, 25, 25, -1, false, ""},
      {&m.mpBbtnAdd, 80, 428, 89, 25, 0, true, "登録"},
      {&m.mpBbtnErase, 180, 428, 67, 25, 35, false, "解除"},
      {&m.mpBbtnClr, 252, 428, 64, 25, 36, false, "全解除"},
      {&m.mpChkboxFileName, 344, 8, 130, 17, 1, true, "ファイル名を変更する"},
      {&m.mpLblFileName1, 344, 36, 63, 12, -1, false, "ファイル名を"},
      {&m.mpEdtFileName, 416, 32, 117, 20, 2, false, ""},
      {&m.mpLblFileName2, 540, 36, 12, 12, -1, false, "の"},
      {&m.mpComboFileName, 560, 32, 37, -1, 3, false, nullptr},
      {&m.mpLblFileName4, 604, 36, 11, 12, -1, false, "に"},
      {&m.mpMedtFileName, 416, 60, 73, 20, 4, false, "0         "},
      {&m.mpLblFileName3, 496, 64, 225, 12, -1, false, "からの連番を足し合わせたものに変換します"},
      {&m.mpChkboxExtName, 344, 100, 114, 17, 5, true, "拡張子を変更する"},
      {&m.mpLblExtName1, 344, 128, 46, 12, -1, false, "拡張子を"},
      {&m.mpEdtExtName, 416, 124, 117, 20, 6, false, ""},
      {&m.mpLblExtName2, 540, 128, 12, 12, -1, false, "の"},
      {&m.mpComboExtName, 560, 124, 37, -1, 7, false, nullptr},
      {&m.mpLblExtName4, 604, 128, 11, 12, -1, false, "に"},
      {&m.mpMedtExtName, 416, 152, 73, 20, 8, false, "          "},
      {&m.mpLblExtName3, 496, 156, 225, 12, -1, false, "からの連番を足し合わせたものに変換します"},
      {&m.mpChkboxDateTime, 344, 192, 149, 17, 9, true, "タイムスタンプを変更する"},
      {&m.mpLblFileMakeDate, 344, 220, 89, 12, -1, false, "ファイル作成日付"},
      {&m.mpComboFileMakeYear, 464, 216, 49, -1, 10, false, nullptr},
      {&m.mpLblFileMakeYear, 516, 220, 12, 12, -1, false, "年"},
      {&m.mpComboFileMakeMonth, 536, 216, 37, -1, 11, false, nullptr},
      {&m.mpLblFileMakeMonth, 576, 220, 12, 12, -1, false, "月"},
      {&m.mpComboFileMakeDay, 596, 216, 37, -1, 12, false, nullptr},
      {&m.mpLblFileMakeDay, 636, 220, 12, 12, -1, false, "日"},
      {&m.mpBtnFileMakeToday, 668, 216, 45, 21, 13, false, "< 今日"},
      {&m.mpLblFileMakeTime, 384, 244, 48, 12, -1, false, "作成時刻"},
      {&m.mpComboFileMakeHour, 476, 240, 37, -1, 14, false, nullptr},
      {&m.mpLblFileMakeHour, 516, 244, 12, 12, -1, false, "時"},
      {&m.mpComboFileMakeMin, 536, 240, 37, -1, 15, false, nullptr},
      {&m.mpLblFileMakeMin, 576, 244, 12, 12, -1, false, "分"},
      {&m.mpComboFileMakeSec, 596, 240, 37, -1, 16, false, nullptr},
      {&m.mpLblFileMakeSec, 636, 244, 12, 12, -1, false, "秒"},
      {&m.mpBtnFileMakeNow, 668, 240, 45, 21, 17, false, "< 現在"},
      {&m.mpLblFileUpdateDate, 344, 276, 89, 12, -1, false, "ファイル更新日付"},
      {&m.mpComboFileUpdateYear, 464, 272, 49, -1, 18, false, nullptr},
      {&m.mpLblFileUpdateYear, 516, 276, 12, 12, -1, false, "年"},
      {&m.mpComboFileUpdateMonth, 536, 272, 37, -1, 19, false, nullptr},
      {&m.mpLblFileUpdateMonth, 576, 276, 12, 12, -1, false, "月"},
      {&m.mpComboFileUpdateDay, 596, 272, 37, -1, 20, false, nullptr},
      {&m.mpLblFileUpdateDay, 636, 276, 12, 12, -1, false, "日"},
      {&m.mpBtnFileUpdateToday, 668, 272, 45, 21, 21, false, "< 今日"},
      {&m.mpLblFileUpdateTime, 384, 300, 48, 12, -1, false, "更新時刻"},
      {&m.mpComboFileUpdateHour, 476, 296, 37, -1, 22, false, nullptr},
      {&m.mpLblFileUpdateHour, 516, 300, 12, 12, -1, false, "時"},
      {&m.mpComboFileUpdateMin, 536, 296, 37, -1, 23, false, nullptr},
      {&m.mpLblFileUpdateMin, 576, 300, 12, 12, -1, false, "分"},
      {&m.mpComboFileUpdateSec, 596, 296, 37, -1, 24, false, nullptr},
      {&m.mpLblFileUpdateSec, 636, 300, 12, 12, -1, false, "秒"},
      {&m.mpBtnFileUpdateNow, 668, 296, 45, 21, 25, false, "< 現在"},
      {&m.mpChkboxAttr, 344, 336, 101, 17, 26, true, "属性を変更する"},
      {&m.mpChkboxReadOnly, 416, 360, 109, 17, 27, false, "読み取り専用"},
      {&m.mpChkboxHidden, 572, 360, 109, 17, 28, false, "隠しファイル"},
      {&m.mpChkboxArchive, 416, 384, 109, 17, 29, false, "アーカイブ"},
      {&m.mpChkboxSystem, 572, 384, 109, 17, 30, false, "システム"},
      {&m.mpBbtnChange, 336, 428, 201, 33, 31, false, "変換実行"},
      {&m.mpBtnHelp, 552, 428, 85, 33, 33, true, "ヘルプ"},
      {&m.mpBtnCancel, 648, 428, 81, 33, 32, true, "終了"},
  };
  std::vector<HWND> byTab(37, nullptr);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption ? row.caption : "(list)");
    const RECT r = PlaceOf(*row.c);
    EXPECT_EQ(r.left, row.left);
    EXPECT_EQ(r.top, row.top);
    EXPECT_EQ(r.right - r.left, row.width);
    if (row.height >= 0) {
      EXPECT_EQ(r.bottom - r.top, row.height);
    }
    EXPECT_EQ(row.c->Enabled(), row.enabled);
    if (row.caption) {
      EXPECT_EQ(row.c->Caption(), row.caption);
    }
    const bool tabStop = (GetWindowLongW(row.c->Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
    EXPECT_EQ(tabStop, row.tab >= 0);
    if (row.tab >= 0) byTab[row.tab] = row.c->Handle();
  }
  // Keyboard order is z-order among the tab stops: 0 to 36 without gaps.
  std::vector<HWND> zOrder;
  for (HWND w = GetWindow(main->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP) zOrder.push_back(w);
  }
  EXPECT_EQ(zOrder, byTab);
}

TEST_F(MainWindowTest, WindowFrameAndFonts) {
  RECT client;
  GetClientRect(main->Handle(), &client);
  EXPECT_EQ(client.right, 738);
  EXPECT_EQ(client.bottom, 471);
  const LONG style = GetWindowLongW(main->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  wchar_t caption[32];
  GetWindowTextW(main->Handle(), caption, 32);
  EXPECT_EQ(std::wstring(caption), L"Ribeto");
  EXPECT_TRUE(main->KeyPreview());

  const std::wstring face = FromShiftJis("ＭＳ Ｐゴシック");
  struct Case {
    TControl* c;
    int height;
    bool bold;
  } cases[] = {{&main->mpChkboxFileName, -12, false}, {&main->mpScrollListBox, -12, false},
               {&main->mpComboFileMakeYear, -12, false}, {&main->mpBbtnChange, -15, true},
               {&main->mpBtnHelp, -15, false}, {&main->mpBtnCancel, -15, false}};
  for (const Case& c : cases) {
    const LOGFONTW lf = FontOf(*c.c);
    EXPECT_EQ(lf.lfHeight, c.height);
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, c.bold);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    if (std::wstring(lf.lfFaceName) != face) {
      // Where the system lacks the face, a proportional one stands in for it.
      WindowDC dc(c.c->Handle());
      Selected font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(c.c->Handle(), WM_GETFONT, 0, 0)));
      TEXTMETRICW tm{};
      GetTextMetricsW(dc.Get(), &tm);
      EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH) << "fixed pitch";  // set means variable
    }
  }
}

TEST_F(MainWindowTest, ListsStartAtTheirFirstItem) {
  struct Case {
    TComboBox* list;
    int count;
    const char* first;
    const char* second;
    const char* last;
  } cases[] = {
      {&main->mpComboFileName, 2, "後", "前", "前"},     {&main->mpComboExtName, 2, "後", "前", "前"},
      {&main->mpComboFileMakeYear, 122, "----", "1980", "2100"},
      {&main->mpComboFileUpdateYear, 122, "----", "1980", "2100"},
      {&main->mpComboFileMakeMonth, 13, "--", "1", "12"}, {&main->mpComboFileUpdateMonth, 13, "--", "1", "12"},
      {&main->mpComboFileMakeDay, 32, "--", "1", "31"},   {&main->mpComboFileUpdateDay, 32, "--", "1", "31"},
      {&main->mpComboFileMakeHour, 25, "--", "0", "23"},  {&main->mpComboFileUpdateHour, 25, "--", "0", "23"},
      {&main->mpComboFileMakeMin, 61, "--", "0", "59"},   {&main->mpComboFileUpdateMin, 61, "--", "0", "59"},
      {&main->mpComboFileMakeSec, 61, "--", "0", "59"},   {&main->mpComboFileUpdateSec, 61, "--", "0", "59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last);
    EXPECT_EQ(c.list->Count(), c.count);
    EXPECT_EQ(c.list->ItemIndex(), 0);
    EXPECT_EQ(c.list->Item(0), c.first);
    EXPECT_EQ(c.list->Item(1), c.second);
    EXPECT_EQ(c.list->Item(c.count - 1), c.last);
  }
  const ChangeSettings s = main->Settings();
  EXPECT_EQ(s.NameNumber, "0         ");
  EXPECT_EQ(s.ExtNumber, "          ");
  EXPECT_FALSE(s.ChangeName || s.ChangeExt || s.ChangeTime || s.ChangeAttr);
  EXPECT_TRUE(main->mpScrollListBox.Sorted());
}

TEST_F(MainWindowTest, PanelsFollowTheirCheckBoxes) {
  TMainForm& m = *main;
  struct Case {
    TCheckBox* box;
    std::vector<TControl*> panel;
  } cases[] = {
      {&m.mpChkboxFileName,
       {&m.mpLblFileName1, &m.mpLblFileName2, &m.mpLblFileName3, &m.mpLblFileName4, &m.mpEdtFileName,
        &m.mpMedtFileName, &m.mpComboFileName}},
      {&m.mpChkboxExtName,
       {&m.mpLblExtName1, &m.mpLblExtName2, &m.mpLblExtName3, &m.mpLblExtName4, &m.mpEdtExtName,
        &m.mpMedtExtName, &m.mpComboExtName}},
      {&m.mpChkboxDateTime,
       {&m.mpLblFileMakeDate, &m.mpLblFileMakeTime, &m.mpLblFileMakeYear, &m.mpLblFileMakeMonth,
        &m.mpLblFileMakeDay, &m.mpLblFileMakeHour, &m.mpLblFileMakeMin, &m.mpLblFileMakeSec,
        &m.mpComboFileMakeYear, &m.mpComboFileMakeMonth, &m.mpComboFileMakeDay, &m.mpComboFileMakeHour,
        &m.mpComboFileMakeMin, &m.mpComboFileMakeSec, &m.mpBtnFileMakeToday, &m.mpBtnFileMakeNow,
        &m.mpLblFileUpdateDate, &m.mpLblFileUpdateTime, &m.mpLblFileUpdateYear, &m.mpLblFileUpdateMonth,
        &m.mpLblFileUpdateDay, &m.mpLblFileUpdateHour, &m.mpLblFileUpdateMin, &m.mpLblFileUpdateSec,
        &m.mpComboFileUpdateYear, &m.mpComboFileUpdateMonth, &m.mpComboFileUpdateDay,
        &m.mpComboFileUpdateHour, &m.mpComboFileUpdateMin, &m.mpComboFileUpdateSec,
        &m.mpBtnFileUpdateToday, &m.mpBtnFileUpdateNow}},
      {&m.mpChkboxAttr, {&m.mpChkboxReadOnly, &m.mpChkboxHidden, &m.mpChkboxArchive, &m.mpChkboxSystem}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box->Caption());
    Click(*c.box);
    for (TControl* control : c.panel) EXPECT_TRUE(control->Enabled());
    EXPECT_FALSE(m.mpBbtnChange.Enabled());  // the list is empty
    Click(*c.box);
    for (TControl* control : c.panel) EXPECT_FALSE(control->Enabled());
  }
  // Unchecking the attribute box greys the four boxes but keeps their marks.
  Click(m.mpChkboxAttr);
  Click(m.mpChkboxHidden);
  Click(m.mpChkboxAttr);
  EXPECT_FALSE(m.mpChkboxHidden.Enabled());
  EXPECT_TRUE(m.mpChkboxHidden.Checked());
  Click(m.mpChkboxAttr);
  EXPECT_TRUE(m.mpChkboxHidden.Checked());
}

TEST_F(MainWindowTest, ConvertButtonNeedsAPanelAndAFile) {
  using Box = TCheckBox TMainForm::*;
  struct Case {
    std::vector<Box> clicks;  // clicked in this order, with one file in the list
    bool enabled;
  } cases[] = {
      {{}, false},
      {{&TMainForm::mpChkboxAttr}, true},
      {{&TMainForm::mpChkboxFileName}, true},
      {{&TMainForm::mpChkboxExtName, &TMainForm::mpChkboxDateTime}, true},
      {{&TMainForm::mpChkboxExtName, &TMainForm::mpChkboxExtName}, false},
      // The four attribute boxes do not count.
      {{&TMainForm::mpChkboxAttr, &TMainForm::mpChkboxReadOnly, &TMainForm::mpChkboxAttr}, false},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(n++);
    Drop({"C:\\nowhere\\a.txt"});
    for (Box box : c.clicks) Click(main->*box);
    EXPECT_EQ(main->mpBbtnChange.Enabled(), c.enabled);
    // An empty list disables it whatever the panels say.
    Click(main->mpBbtnClr);
    EXPECT_FALSE(main->mpBbtnChange.Enabled());
    for (auto it = c.clicks.rbegin(); it != c.clicks.rend(); ++it) Click(main->**it);
  }
}
