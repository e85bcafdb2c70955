// The main window's controls: captions, places (client pixels at 96 dpi), tab order and
// state at start.
#include "app/Main.h"
#include "app/res/resource.h"

namespace {

constexpr int kBottomFont = 15;

std::vector<std::string> Numbered(const char* keep, int first, int last) {
  std::vector<std::string> items{keep};
  for (int n = first; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

}  // namespace

void TMainForm::BuildControls() {
  const char* kSerialText = "からの連番を足し合わせたものに変換します";
  BuildLayout({
      {&mpBvlList, nullptr, 8, 16, 317, 445, kNoTab, true},
      {&mpBvlFileName, nullptr, 336, 16, 393, 77, kNoTab, true},
      {&mpBvlExtName, nullptr, 336, 108, 393, 77, kNoTab, true},
      {&mpBvlDateTime, nullptr, 336, 200, 393, 129, kNoTab, true},
      {&mpBvlReadOnly, nullptr, 336, 344, 393, 73, kNoTab, true},

      {&mpLblList, "変換ファイル一覧", 16, 12, 89, 12, kNoTab, true},
      {&mpScrollListBox, nullptr, 16, 32, 301, 385, 34, true},
      {&mpSbtnUp, nullptr, 16, 428, 25, 25, kNoTab, false},
      {&mpSbtnDown, nullptr, 44, 428, 25, 25, kNoTab, false},
      {&mpBbtnAdd, "登録", 80, 428, 89, 25, 0, true},
      {&mpBbtnErase, "解除", 180, 428, 67, 25, 35, false},
      {&mpBbtnClr, "全解除", 252, 428, 64, 25, 36, false},

      {&mpChkboxFileName, "ファイル名を変更する", 344, 8, 130, 17, 1, true},
      {&mpLblFileName1, "ファイル名を", 344, 36, 63, 12, kNoTab, false},
      {&mpEdtFileName, nullptr, 416, 32, 117, 20, 2, false},
      {&mpLblFileName2, "の", 540, 36, 12, 12, kNoTab, false},
      {&mpComboFileName, nullptr, 560, 32, 37, 20, 3, false},
      {&mpLblFileName4, "に", 604, 36, 11, 12, kNoTab, false},
      {&mpMedtFileName, nullptr, 416, 60, 73, 20, 4, false},
      {&mpLblFileName3, kSerialText, 496, 64, 225, 12, kNoTab, false},

      {&mpChkboxExtName, "拡張子を変更する", 344, 100, 114, 17, 5, true},
      {&mpLblExtName1, "拡張子を", 344, 128, 46, 12, kNoTab, false},
      {&mpEdtExtName, nullptr, 416, 124, 117, 20, 6, false},
      {&mpLblExtName2, "の", 540, 128, 12, 12, kNoTab, false},
      {&mpComboExtName, nullptr, 560, 124, 37, 20, 7, false},
      {&mpLblExtName4, "に", 604, 128, 11, 12, kNoTab, false},
      {&mpMedtExtName, nullptr, 416, 152, 73, 20, 8, false},
      {&mpLblExtName3, kSerialText, 496, 156, 225, 12, kNoTab, false},

      {&mpChkboxDateTime, "タイムスタンプを変更する", 344, 192, 149, 17, 9, true},
      {&mpLblFileMakeDate, "ファイル作成日付", 344, 220, 89, 12, kNoTab, false},
      {&mpComboFileMakeYear, nullptr, 464, 216, 49, 20, 10, false},
      {&mpLblFileMakeYear, "年", 516, 220, 12, 12, kNoTab, false},
      {&mpComboFileMakeMonth, nullptr, 536, 216, 37, 20, 11, false},
      {&mpLblFileMakeMonth, "月", 576, 220, 12, 12, kNoTab, false},
      {&mpComboFileMakeDay, nullptr, 596, 216, 37, 20, 12, false},
      {&mpLblFileMakeDay, "日", 636, 220, 12, 12, kNoTab, false},
      {&mpBtnFileMakeToday, "< 今日", 668, 216, 45, 21, 13, false},
      {&mpLblFileMakeTime, "作成時刻", 384, 244, 48, 12, kNoTab, false},
      {&mpComboFileMakeHour, nullptr, 476, 240, 37, 20, 14, false},
      {&mpLblFileMakeHour, "時", 516, 244, 12, 12, kNoTab, false},
      {&mpComboFileMakeMin, nullptr, 536, 240, 37, 20, 15, false},
      {&mpLblFileMakeMin, "分", 576, 244, 12, 12, kNoTab, false},
      {&mpComboFileMakeSec, nullptr, 596, 240, 37, 20, 16, false},
      {&mpLblFileMakeSec, "秒", 636, 244, 12, 12, kNoTab, false},
      {&mpBtnFileMakeNow, "< 現在", 668, 240, 45, 21, 17, false},
      {&mpLblFileUpdateDate, "ファイル更新日付", 344, 276, 89, 12, kNoTab, false},
      {&mpComboFileUpdateYear, nullptr, 464, 272, 49, 20, 18, false},
      {&mpLblFileUpdateYear, "年", 516, 276, 12, 12, kNoTab, false},
      {&mpComboFileUpdateMonth, nullptr, 536, 272, 37, 20, 19, false},
      {&mpLblFileUpdateMonth, "月", 576, 276, 12, 12, kNoTab, false},
      {&mpComboFileUpdateDay, nullptr, 596, 272, 37, 20, 20, false},
      {&mpLblFileUpdateDay, "日", 636, 276, 12, 12, kNoTab, false},
      {&mpBtnFileUpdateToday, "< 今日", 668, 272, 45, 21, 21, false},
      {&mpLblFileUpdateTime, "更新時刻", 384, 300, 48, 12, kNoTab, false},
      {&mpComboFileUpdateHour, nullptr, 476, 296, 37, 20, 22, false},
      {&mpLblFileUpdateHour, "時", 516, 300, 12, 12, kNoTab, false},
      {&mpComboFileUpdateMin, nullptr, 536, 296, 37, 20, 23, false},
      {&mpLblFileUpdateMin, "分", 576, 300, 12, 12, kNoTab, false},
      {&mpComboFileUpdateSec, nullptr, 596, 296, 37, 20, 24, false},
      {&mpLblFileUpdateSec, "秒", 636, 300, 12, 12, kNoTab, false},
      {&mpBtnFileUpdateNow, "< 現在", 668, 296, 45, 21, 25, false},

      {&mpChkboxAttr, "属性を変更する", 344, 336, 101, 17, 26, true},
      {&mpChkboxReadOnly, "読み取り専用", 416, 360, 109, 17, 27, false},
      {&mpChkboxHidden, "隠しファイル", 572, 360, 109, 17, 28, false},
      {&mpChkboxArchive, "アーカイブ", 416, 384, 109, 17, 29, false},
      {&mpChkboxSystem, "システム", 572, 384, 109, 17, 30, false},

      {&mpBbtnChange, "変換実行", 336, 428, 201, 33, 31, false, kBottomFont, true},
      {&mpBtnHelp, "ヘルプ", 552, 428, 85, 33, 33, true, kBottomFont},
      {&mpBtnCancel, "終了", 648, 428, 81, 33, 32, true, kBottomFont},
  });

  mpSbtnUp.SetGlyph(IDB_UP, IDB_UP_GREY);
  mpSbtnDown.SetGlyph(IDB_DOWN, IDB_DOWN_GREY);
  mpBbtnAdd.SetGlyph(IDB_ADD, IDB_ADD_GREY);
  mpBbtnErase.SetGlyph(IDB_ERASE, IDB_ERASE_GREY);
  mpBbtnClr.SetGlyph(IDB_CLEAR, IDB_CLEAR_GREY);
  mpBbtnChange.SetGlyph(IDB_CONVERT, IDB_CONVERT_GREY);
  mpOpenDialog.Title = "変換するファイルを選択してください！";
}

void TMainForm::FillLists() {
  for (TComboBox* place : {&mpComboFileName, &mpComboExtName}) place->SetItems({"後", "前"});
  for (TComboBox* year : {&mpComboFileMakeYear, &mpComboFileUpdateYear}) {
    year->SetItems(Numbered("----", 1980, 2100));
  }
  for (TComboBox* month : {&mpComboFileMakeMonth, &mpComboFileUpdateMonth}) month->SetItems(Numbered("--", 1, 12));
  for (TComboBox* day : {&mpComboFileMakeDay, &mpComboFileUpdateDay}) day->SetItems(Numbered("--", 1, 31));
  for (TComboBox* hour : {&mpComboFileMakeHour, &mpComboFileUpdateHour}) hour->SetItems(Numbered("--", 0, 23));
  for (TComboBox* sixty : {&mpComboFileMakeMin, &mpComboFileMakeSec, &mpComboFileUpdateMin, &mpComboFileUpdateSec}) {
    sixty->SetItems(Numbered("--", 0, 59));
  }
  mpMedtFileName.SetText("0");
}
