#pragma once
#include <functional>
#include <memory>
#include <string>

#include "engine/ConversionRun.h"
#include "targets/ScrollListBox.h"
#include "targets/TargetList.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/Label.h"
#include "widgets/OpenDialog.h"

// The main window: the target list on the left, the four settings panels on the right,
// the Convert, Help and Exit buttons at the bottom. It runs the conversion and feeds it.
class TMainForm : public TForm, public ConversionHost {
 public:
  explicit TMainForm(TComponent* owner);

  // Target list panel.
  TBevel mpBvlList{this};
  TLabel mpLblList{this};
  TScrollListBox mpScrollListBox{this, true};
  TSpeedButton mpSbtnUp{this};
  TSpeedButton mpSbtnDown{this};
  TBitBtn mpBbtnAdd{this};
  TBitBtn mpBbtnErase{this};
  TBitBtn mpBbtnClr{this};
  TOpenDialog mpOpenDialog{this};

  // File name panel.
  TBevel mpBvlFileName{this};
  TCheckBox mpChkboxFileName{this};
  TLabel mpLblFileName1{this};
  TEdit mpEdtFileName{this};
  TLabel mpLblFileName2{this};
  TComboBox mpComboFileName{this};
  TLabel mpLblFileName4{this};
  TMaskEdit mpMedtFileName{this};
  TLabel mpLblFileName3{this};

  // Extension panel.
  TBevel mpBvlExtName{this};
  TCheckBox mpChkboxExtName{this};
  TLabel mpLblExtName1{this};
  TEdit mpEdtExtName{this};
  TLabel mpLblExtName2{this};
  TComboBox mpComboExtName{this};
  TLabel mpLblExtName4{this};
  TMaskEdit mpMedtExtName{this};
  TLabel mpLblExtName3{this};

  // Timestamp panel.
  TBevel mpBvlDateTime{this};
  TCheckBox mpChkboxDateTime{this};
  TLabel mpLblFileMakeDate{this};
  TComboBox mpComboFileMakeYear{this};
  TLabel mpLblFileMakeYear{this};
  TComboBox mpComboFileMakeMonth{this};
  TLabel mpLblFileMakeMonth{this};
  TComboBox mpComboFileMakeDay{this};
  TLabel mpLblFileMakeDay{this};
  TButton mpBtnFileMakeToday{this};
  TLabel mpLblFileMakeTime{this};
  TComboBox mpComboFileMakeHour{this};
  TLabel mpLblFileMakeHour{this};
  TComboBox mpComboFileMakeMin{this};
  TLabel mpLblFileMakeMin{this};
  TComboBox mpComboFileMakeSec{this};
  TLabel mpLblFileMakeSec{this};
  TButton mpBtnFileMakeNow{this};
  TLabel mpLblFileUpdateDate{this};
  TComboBox mpComboFileUpdateYear{this};
  TLabel mpLblFileUpdateYear{this};
  TComboBox mpComboFileUpdateMonth{this};
  TLabel mpLblFileUpdateMonth{this};
  TComboBox mpComboFileUpdateDay{this};
  TLabel mpLblFileUpdateDay{this};
  TButton mpBtnFileUpdateToday{this};
  TLabel mpLblFileUpdateTime{this};
  TComboBox mpComboFileUpdateHour{this};
  TLabel mpLblFileUpdateHour{this};
  TComboBox mpComboFileUpdateMin{this};
  TLabel mpLblFileUpdateMin{this};
  TComboBox mpComboFileUpdateSec{this};
  TLabel mpLblFileUpdateSec{this};
  TButton mpBtnFileUpdateNow{this};

  // Attribute panel.
  TBevel mpBvlReadOnly{this};
  TCheckBox mpChkboxAttr{this};
  TCheckBox mpChkboxReadOnly{this};
  TCheckBox mpChkboxHidden{this};
  TCheckBox mpChkboxArchive{this};
  TCheckBox mpChkboxSystem{this};

  // Bottom buttons.
  TBitBtn mpBbtnChange{this};
  TButton mpBtnHelp{this};
  TButton mpBtnCancel{this};

  // Start, end and keys.
  void FormCreate(TComponent* Sender);
  void FormClose(TComponent* Sender, TCloseAction& Action);
  void FormKeyPress(TComponent* Sender, char& Key);
  void mpBtnCancelClick(TComponent* Sender);
  void mpBtnHelpClick(TComponent* Sender);

  // The panels and the Convert button.
  void mpChkboxFileNameClick(TComponent* Sender);
  void mpChkboxExtNameClick(TComponent* Sender);
  void mpChkboxDateTimeClick(TComponent* Sender);
  void mpChkboxAttrClick(TComponent* Sender);
  void UpdateChangeButton() override;
  void mpBtnFileMakeTodayClick(TComponent* Sender);
  void mpBtnFileUpdateTodayClick(TComponent* Sender);
  void mpBtnFileMakeNowClick(TComponent* Sender);
  void mpBtnFileUpdateNowClick(TComponent* Sender);

  // The target list.
  bool AddFolderFiles(const std::string& path);
  bool UpdateListButtons() override;
  void mpBbtnAddClick(TComponent* Sender);
  void mpBbtnEraseClick(TComponent* Sender);
  void mpBbtnClrClick(TComponent* Sender);
  void mpSbtnUpClick(TComponent* Sender);
  void mpSbtnDownClick(TComponent* Sender);
  TargetList& Targets() { return targets_; }

  // The conversion run.
  void mpBbtnChangeClick(TComponent* Sender);
  bool RunInProgress() const { return running_; }
  // The local clock, read by Today and Now; tests set another.
  std::function<SYSTEMTIME()> Clock;
  // The file calls of the run; tests wrap them.
  void SetFileApi(const FileApi& fs) { fs_ = &fs; }

  // ConversionHost.
  ChangeSettings Settings() override;
  int TargetCount() override;
  std::string Target(int index) override;
  LogList& NewLogList() override;
  void AppendLine(const std::string& line) override;
  void SetLine(int index, const std::string& line) override;
  void DiscardResults() override;
  void ShowResults() override;
  void FocusNextControl() override;
  void ProcessMessages() override;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildControls();
  void WireEvents();
  void FillLists();
  void SelectToday(TComboBox& year, TComboBox& month, TComboBox& day);
  void SelectNow(TComboBox& hour, TComboBox& minute, TComboBox& second);

  TargetList targets_;
  const FileApi* fs_ = &SystemFileApi();
  bool running_ = false;
  HWND focusBeforeRun_ = nullptr;
};

extern TMainForm* MainForm;

// The command line that starts the help program beside the program file exeName.
std::string HelpCommandLine(const std::string& exeName);
