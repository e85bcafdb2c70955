#pragma once
#include <string>

#include "engine/ChangeLog.h"
#include "engine/ChangeSettings.h"
#include "engine/FileApi.h"

// What a conversion run needs of the windows: the main window's settings and target
// list, the result window's record list and lines, and the refreshes after the run.
class ConversionHost {
 public:
  virtual ~ConversionHost() = default;

  // The settings as the controls hold them now.
  virtual ChangeSettings Settings() = 0;
  virtual int TargetCount() = 0;
  virtual std::string Target(int index) = 0;

  // A new, empty record list handed to the result window, which owns it from now on.
  virtual LogList& NewLogList() = 0;
  virtual void AppendLine(const std::string& line) = 0;
  virtual void SetLine(int index, const std::string& line) = 0;
  // Drops the record list and lines of a run that a conversion error stopped, so the
  // next run starts from an empty list and record i, line i and entry i agree again.
  virtual void DiscardResults() = 0;
  // Shows the result window modally; returns when it has closed.
  virtual void ShowResults() = 0;

  // Refreshes the controls that follow the target list; true when it is not empty.
  virtual bool UpdateListButtons() = 0;
  virtual void UpdateChangeButton() = 0;
  virtual void FocusNextControl() = 0;
  virtual void ProcessMessages() = 0;
};

// The conversion run: plans and applies one record per target-list entry, in list
// order, shows the result window, then brings the main window up to date. An
// EConvertError (start number, date) stops it at the file being planned; files before
// it stay changed.
void RunConversion(ConversionHost& host, const FileApi& fs = SystemFileApi());
