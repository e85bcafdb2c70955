#pragma once
#include <functional>
#include <memory>
#include <string>

#include "engine/ChangeLog.h"
#include "engine/FileApi.h"
#include "targets/ScrollListBox.h"
#include "widgets/Button.h"
#include "widgets/Form.h"

// The result window: one line per file of the last conversion run, "閉じる" to accept the
// outcome (the files with any failure go back into the target list), "元に戻す" to undo
// the batch. It owns the run's records from the run's start until it closes.
class TLogForm : public TForm {
 public:
  explicit TLogForm(TComponent* owner);

  TButton mpBtnOK{this};
  TButton mpBtnUndo{this};
  TScrollListBox mpScrollListBox{this, false};
  std::unique_ptr<LogList> mpLogList;

  // What the window needs of the main window: its target list, refilled by "閉じる",
  // and its timestamp setting, read when undo applies a record.
  void SetMainWindow(TScrollListBox* targets, std::function<bool()> changeTime);
  // The file calls undo makes; tests wrap them.
  void SetFileApi(const FileApi& fs) { fs_ = &fs; }

  // For the conversion run.
  LogList& NewLogList();
  void AppendLine(const std::string& line);
  void SetLine(int index, const std::string& line);
  // Drops the records and lines of a run that stopped before showing them.
  void Discard();

  void FormShow();
  void mpBtnUndoClick(TComponent* Sender);
  void mpBtnOKClick(TComponent* Sender);
  void FormClose(TComponent* Sender, TCloseAction& Action);

 private:
  TScrollListBox* targets_ = nullptr;
  std::function<bool()> changeTime_;
  const FileApi* fs_ = &SystemFileApi();
};

extern TLogForm* LogForm;
