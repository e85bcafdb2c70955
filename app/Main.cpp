#include "app/Main.h"

#include <shellapi.h>

#include "app/res/resource.h"
#include "base/Sjis.h"
#include "result/Log.h"
#include "targets/LongPath.h"
#include "widgets/Application.h"

TMainForm* MainForm = nullptr;

namespace {

const FormStyle kStyle = {
    .caption = "Ribeto",
    .left = 0,
    .top = 0,
    .width = 738,
    .height = 471,
    .fixedClient = true,
    .centred = true,
    .iconId = IDI_RIBETO,
};

SYSTEMTIME LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now;
}

// Holds the main window still while a run goes through the files: it repaints between
// files but takes no input, so that no second run, list change or setting change can
// start before the run has ended (record i, line i and entry i must stay together).
class RunGuard {
 public:
  RunGuard(HWND window, bool& running) : window_(window), running_(running) {
    running_ = true;
    EnableWindow(window_, FALSE);
  }
  ~RunGuard() {
    EnableWindow(window_, TRUE);
    running_ = false;
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  HWND window_;
  bool& running_;
};

}  // namespace

TMainForm::TMainForm(TComponent* owner)
    : TForm(owner, kStyle),
      Clock(&LocalNow),
      targets_({this, mpScrollListBox, mpBbtnAdd, mpBbtnErase, mpBbtnClr, mpSbtnUp, mpSbtnDown, mpOpenDialog},
               [this] { UpdateChangeButton(); }) {
  BuildControls();
  FillLists();
  // The fourteen lists start at their first item.
  for (TComboBox* list : {&mpComboFileName, &mpComboExtName, &mpComboFileMakeYear, &mpComboFileMakeMonth,
                          &mpComboFileMakeDay, &mpComboFileMakeHour, &mpComboFileMakeMin, &mpComboFileMakeSec,
                          &mpComboFileUpdateYear, &mpComboFileUpdateMonth, &mpComboFileUpdateDay,
                          &mpComboFileUpdateHour, &mpComboFileUpdateMin, &mpComboFileUpdateSec}) {
    list->SetItemIndex(0);
  }
  mpScrollListBox.SetSorted(true);
  SetKeyPreview(true);
  WireEvents();
}

void TMainForm::WireEvents() {
  OnCreate = [this] { FormCreate(this); };
  OnClose = [this](TCloseAction& action) { FormClose(this, action); };
  OnKeyPress = [this](char& key) { FormKeyPress(this, key); };
  mpBtnCancel.OnClick = [this] { mpBtnCancelClick(&mpBtnCancel); };
  mpBtnHelp.OnClick = [this] { mpBtnHelpClick(&mpBtnHelp); };
  mpChkboxFileName.OnClick = [this] { mpChkboxFileNameClick(&mpChkboxFileName); };
  mpChkboxExtName.OnClick = [this] { mpChkboxExtNameClick(&mpChkboxExtName); };
  mpChkboxDateTime.OnClick = [this] { mpChkboxDateTimeClick(&mpChkboxDateTime); };
  for (TCheckBox* box : {&mpChkboxReadOnly, &mpChkboxHidden, &mpChkboxArchive, &mpChkboxSystem}) {
    box->OnClick = [this, box] { mpChkboxDateTimeClick(box); };
  }
  mpChkboxAttr.OnClick = [this] { mpChkboxAttrClick(&mpChkboxAttr); };
  mpBtnFileMakeToday.OnClick = [this] { mpBtnFileMakeTodayClick(&mpBtnFileMakeToday); };
  mpBtnFileUpdateToday.OnClick = [this] { mpBtnFileUpdateTodayClick(&mpBtnFileUpdateToday); };
  mpBtnFileMakeNow.OnClick = [this] { mpBtnFileMakeNowClick(&mpBtnFileMakeNow); };
  mpBtnFileUpdateNow.OnClick = [this] { mpBtnFileUpdateNowClick(&mpBtnFileUpdateNow); };
  mpBbtnAdd.OnClick = [this] { mpBbtnAddClick(&mpBbtnAdd); };
  mpBbtnErase.OnClick = [this] { mpBbtnEraseClick(&mpBbtnErase); };
  mpBbtnClr.OnClick = [this] { mpBbtnClrClick(&mpBbtnClr); };
  mpSbtnUp.OnClick = [this] { mpSbtnUpClick(&mpSbtnUp); };
  mpSbtnDown.OnClick = [this] { mpSbtnDownClick(&mpSbtnDown); };
  mpBbtnChange.OnClick = [this] { mpBbtnChangeClick(&mpBbtnChange); };
}

// ---- Start, end and keys

void TMainForm::FormCreate(TComponent*) {
  DragAcceptFiles(Handle(), TRUE);
  const int n = Application().ParamCount();
  if (n == 0) return;
  {
    TargetList::Batch batch(mpScrollListBox);
    for (int i = 1; i <= n; ++i) {
      const std::string path = MakeLongPath(Application().ParamStr(i));
      if (IsFolder(path)) {
        AddFolderFiles(path);
      } else {
        targets_.AddFile(path);
      }
    }
  }
  UpdateListButtons();
}

void TMainForm::FormClose(TComponent*, TCloseAction& Action) { Action = caFree; }

void TMainForm::FormKeyPress(TComponent*, char& Key) {
  if (Key == 27) Close();
}

void TMainForm::mpBtnCancelClick(TComponent*) { Close(); }

std::string HelpCommandLine(const std::string& exeName) {
  const std::string folder = exeName.substr(0, sjis::FindLastOf(exeName, "\\:") + 1);
  // Quoted: in a folder such as C:\Program Files\Ribeto an unquoted command line would
  // start C:\Program.exe first, if there is one.
  return "\"" + folder + "RibetoHelp.exe\"";
}

void TMainForm::mpBtnHelpClick(TComponent*) {
  WinExec(HelpCommandLine(Application().ExeName()).c_str(), SW_SHOWNORMAL);
}

// ---- The panels and the Convert button

namespace {
void EnableAll(std::initializer_list<TControl*> controls, bool on) {
  for (TControl* c : controls) c->SetEnabled(on);
}
}  // namespace

void TMainForm::mpChkboxFileNameClick(TComponent*) {
  EnableAll({&mpLblFileName1, &mpLblFileName2, &mpLblFileName3, &mpLblFileName4, &mpEdtFileName,
             &mpMedtFileName, &mpComboFileName},
            mpChkboxFileName.Checked());
  UpdateChangeButton();
}

void TMainForm::mpChkboxExtNameClick(TComponent*) {
  EnableAll({&mpLblExtName1, &mpLblExtName2, &mpLblExtName3, &mpLblExtName4, &mpEdtExtName, &mpMedtExtName,
             &mpComboExtName},
            mpChkboxExtName.Checked());
  UpdateChangeButton();
}

void TMainForm::mpChkboxDateTimeClick(TComponent*) {
  EnableAll({&mpLblFileMakeDate, &mpLblFileMakeTime, &mpLblFileMakeYear, &mpLblFileMakeMonth,
           &mpLblFileMakeDay, &mpLblFileMakeHour, &mpLblFileMakeMin, &mpLblFileMakeSec,
           &mpComboFileMakeYear, &mpComboFileMakeMonth, &mpComboFileMakeDay, &mpComboFileMakeHour,
           &mpComboFileMakeMin, &mpComboFileMakeSec, &mpBtnFileMakeToday, &mpBtnFileMakeNow,
           &mpLblFileUpdateDate, &mpLblFileUpdateTime, &mpLblFileUpdateYear, &mpLblFileUpdateMonth,
           &mpLblFileUpdateDay, &mpLblFileUpdateHour, &mpLblFileUpdateMin, &mpLblFileUpdateSec,
           &mpComboFileUpdateYear, &mpComboFileUpdateMonth, &mpComboFileUpdateDay, &mpComboFileUpdateHour,
           &mpComboFileUpdateMin, &mpComboFileUpdateSec, &mpBtnFileUpdateToday, &mpBtnFileUpdateNow},
            mpChkboxDateTime.Checked());
  UpdateChangeButton();
}

void TMainForm::mpChkboxAttrClick(TComponent*) {
  EnableAll({&mpChkboxReadOnly, &mpChkboxHidden, &mpChkboxArchive, &mpChkboxSystem}, mpChkboxAttr.Checked());
  UpdateChangeButton();
}

void TMainForm::UpdateChangeButton() {
  const bool anyPanel = mpChkboxFileName.Checked() || mpChkboxExtName.Checked() ||
                        mpChkboxDateTime.Checked() || mpChkboxAttr.Checked();
  mpBbtnChange.SetEnabled(anyPanel && mpScrollListBox.Count() >= 1);
}

void TMainForm::SelectToday(TComboBox& year, TComboBox& month, TComboBox& day) {
  const SYSTEMTIME today = Clock();
  const int y = (today.wYear < 1980 || today.wYear > 2100) ? 1980 : today.wYear;
  year.SetItemIndex(y - 1979);
  month.SetItemIndex(today.wMonth);
  day.SetItemIndex(today.wDay);
}

void TMainForm::SelectNow(TComboBox& hour, TComboBox& minute, TComboBox& second) {
  const SYSTEMTIME now = Clock();
  hour.SetItemIndex(now.wHour + 1);
  minute.SetItemIndex(now.wMinute + 1);
  second.SetItemIndex(now.wSecond + 1);
}

void TMainForm::mpBtnFileMakeTodayClick(TComponent*) {
  SelectToday(mpComboFileMakeYear, mpComboFileMakeMonth, mpComboFileMakeDay);
}
void TMainForm::mpBtnFileUpdateTodayClick(TComponent*) {
  SelectToday(mpComboFileUpdateYear, mpComboFileUpdateMonth, mpComboFileUpdateDay);
}
void TMainForm::mpBtnFileMakeNowClick(TComponent*) {
  SelectNow(mpComboFileMakeHour, mpComboFileMakeMin, mpComboFileMakeSec);
}
void TMainForm::mpBtnFileUpdateNowClick(TComponent*) {
  SelectNow(mpComboFileUpdateHour, mpComboFileUpdateMin, mpComboFileUpdateSec);
}

// ---- The target list

bool TMainForm::AddFolderFiles(const std::string& path) { return targets_.AddFolderFiles(path); }
bool TMainForm::UpdateListButtons() { return targets_.UpdateListButtons(); }
void TMainForm::mpBbtnAddClick(TComponent*) { targets_.AddClick(); }
void TMainForm::mpBbtnEraseClick(TComponent*) { targets_.EraseClick(); }
void TMainForm::mpBbtnClrClick(TComponent*) { targets_.ClearClick(); }
void TMainForm::mpSbtnUpClick(TComponent*) { targets_.UpClick(); }
void TMainForm::mpSbtnDownClick(TComponent*) { targets_.DownClick(); }

LRESULT TMainForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) {
    const auto drop = reinterpret_cast<HDROP>(wParam);
    if (running_) {
      DragFinish(drop);  // the list must stay as the run found it
    } else {
      targets_.DropFiles(drop);
    }
    return 0;
  }
  return TForm::WndProc(message, wParam, lParam);
}

// ---- The conversion run

void TMainForm::mpBbtnChangeClick(TComponent*) {
  if (running_) return;
  focusBeforeRun_ = GetFocus();
  RunGuard guard(Handle(), running_);
  RunConversion(*this, *fs_);
}

ChangeSettings TMainForm::Settings() {
  ChangeSettings s;
  s.ChangeName = mpChkboxFileName.Checked();
  s.NameText = mpEdtFileName.Text();
  s.NameNumber = mpMedtFileName.Text();
  s.NameNumberItem = mpComboFileName.ItemIndex();
  s.ChangeExt = mpChkboxExtName.Checked();
  s.ExtText = mpEdtExtName.Text();
  s.ExtNumber = mpMedtExtName.Text();
  s.ExtNumberItem = mpComboExtName.ItemIndex();
  s.ChangeTime = mpChkboxDateTime.Checked();
  s.MakeYearItem = mpComboFileMakeYear.ItemIndex();
  s.MakeMonthItem = mpComboFileMakeMonth.ItemIndex();
  s.MakeDayItem = mpComboFileMakeDay.ItemIndex();
  s.MakeHourItem = mpComboFileMakeHour.ItemIndex();
  s.MakeMinItem = mpComboFileMakeMin.ItemIndex();
  s.MakeSecItem = mpComboFileMakeSec.ItemIndex();
  s.UpdateYearItem = mpComboFileUpdateYear.ItemIndex();
  s.UpdateMonthItem = mpComboFileUpdateMonth.ItemIndex();
  s.UpdateDayItem = mpComboFileUpdateDay.ItemIndex();
  s.UpdateHourItem = mpComboFileUpdateHour.ItemIndex();
  s.UpdateMinItem = mpComboFileUpdateMin.ItemIndex();
  s.UpdateSecItem = mpComboFileUpdateSec.ItemIndex();
  s.ChangeAttr = mpChkboxAttr.Checked();
  s.AttrReadOnly = mpChkboxReadOnly.Checked();
  s.AttrArchive = mpChkboxArchive.Checked();
  s.AttrHidden = mpChkboxHidden.Checked();
  s.AttrSystem = mpChkboxSystem.Checked();
  return s;
}

int TMainForm::TargetCount() { return mpScrollListBox.Count(); }
std::string TMainForm::Target(int index) { return mpScrollListBox.Strings(index); }
LogList& TMainForm::NewLogList() { return LogForm->NewLogList(); }
void TMainForm::AppendLine(const std::string& line) { LogForm->AppendLine(line); }
void TMainForm::SetLine(int index, const std::string& line) { LogForm->SetLine(index, line); }
void TMainForm::DiscardResults() { LogForm->Discard(); }

void TMainForm::ShowResults() {
  // The result window is modal: it holds the main window still from here on, and gives
  // the focus back where it was when the run began.
  EnableWindow(Handle(), TRUE);
  if (focusBeforeRun_ && IsWindow(focusBeforeRun_)) ::SetFocus(focusBeforeRun_);
  LogForm->ShowModal();
}

void TMainForm::FocusNextControl() { SelectNext(ActiveControl(), true); }
void TMainForm::ProcessMessages() { Application().ProcessMessages(); }
