#include "result/Log.h"

#include "app/res/resource.h"
#include "result/Undo.h"

TLogForm* LogForm = nullptr;

namespace {

const FormStyle kStyle = {
    .caption = "Ribeto - 処理結果",
    .left = 167,
    .top = 240,
    .width = 684,
    .height = 396,
    .fixedClient = false,
    .centred = false,
    .iconId = IDI_RIBETO,
};

bool AnyFlag(const ChangeLog& r) { return r.NameFailed || r.AttrFailed || r.TimeFailed; }

}  // namespace

TLogForm::TLogForm(TComponent* owner) : TForm(owner, kStyle) {
  BuildLayout({
      {&mpBtnOK, "閉じる", 580, 336, 89, 25, 0, true},
      {&mpBtnUndo, "元に戻す", 8, 336, 93, 25, 1, false},
      {&mpScrollListBox, nullptr, 8, 8, 661, 321, 2, true},
  });
  mpBtnOK.ModalResult = mrOk;
  mpBtnUndo.ModalResult = mrCancel;
  mpBtnOK.OnClick = [this] { mpBtnOKClick(&mpBtnOK); };
  mpBtnUndo.OnClick = [this] { mpBtnUndoClick(&mpBtnUndo); };
  OnShow = [this] { FormShow(); };
  OnClose = [this](TCloseAction& action) { FormClose(this, action); };
}

void TLogForm::SetMainWindow(TScrollListBox* targets, std::function<bool()> changeTime) {
  targets_ = targets;
  changeTime_ = std::move(changeTime);
}

LogList& TLogForm::NewLogList() {
  mpLogList = std::make_unique<LogList>();
  return *mpLogList;
}

void TLogForm::AppendLine(const std::string& line) { mpScrollListBox.Add(line); }

void TLogForm::SetLine(int index, const std::string& line) {
  mpScrollListBox.Delete(index);
  mpScrollListBox.Insert(index, line);
}

void TLogForm::Discard() {
  mpScrollListBox.Clear();
  mpLogList.reset();
}

void TLogForm::FormShow() {
  mpScrollListBox.DispHorzScrollBar();
  bool undoable = false;
  for (int i = 0; i < mpScrollListBox.Count() && mpLogList; ++i) {
    const ChangeLog& r = *(*mpLogList)[i];
    if (!(r.NameFailed && r.AttrFailed && r.TimeFailed)) {
      undoable = true;
      break;
    }
  }
  mpBtnUndo.SetEnabled(undoable);
}

void TLogForm::mpBtnUndoClick(TComponent*) {
  if (!mpLogList) return;
  const bool changeTime = changeTime_ ? changeTime_() : false;
  bool failed = false;
  for (int i = 0; i < mpScrollListBox.Count(); ++i) {
    const UndoOutcome outcome = UndoChange(*(*mpLogList)[i], changeTime, *fs_);
    if (!outcome.applied) continue;
    SetLine(i, outcome.line);
    failed |= outcome.failed;
  }
  if (failed) {
    // Files that could not be restored must not vanish from sight with the lines: the
    // window stays, showing the undo's outcome, until the user closes it.
    SetModalResult(mrNone);
    mpBtnUndo.SetEnabled(false);
    mpScrollListBox.DispHorzScrollBar();
  }
}

void TLogForm::mpBtnOKClick(TComponent*) {
  if (!targets_ || !mpLogList) return;
  targets_->Clear();
  for (int i = 0; i < mpScrollListBox.Count(); ++i) {
    const ChangeLog& r = *(*mpLogList)[i];
    if (AnyFlag(r)) targets_->Add(r.NameFailed ? r.OldName : r.NewName);
  }
}

void TLogForm::FormClose(TComponent*, TCloseAction&) {
  mpScrollListBox.Clear();
  if (mpLogList) {
    for (auto& record : *mpLogList) record.reset();
    mpLogList.reset();
  }
}
