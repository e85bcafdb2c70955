#include "engine/ConversionRun.h"

#include "engine/ApplyChange.h"
#include "engine/PlanChange.h"

namespace {

bool ChangesAnything(const ChangeSettings& s) {
  return s.ChangeName || s.ChangeExt || s.ChangeTime || s.ChangeAttr;
}

}  // namespace

void RunConversion(ConversionHost& host, const FileApi& fs) {
  if (!ChangesAnything(host.Settings()) || host.TargetCount() == 0) return;

  LogList& records = host.NewLogList();
  try {
    for (int i = 0; i < host.TargetCount(); ++i) {
      // Read afresh for every file: the window keeps processing messages between files.
      const ChangeSettings settings = host.Settings();
      records.push_back(std::make_unique<ChangeLog>());
      ChangeLog& record = *records.back();
      PlanChange(settings, i, host.Target(i), record, fs);
      host.AppendLine(record.OldName);
      host.SetLine(i, ApplyChange(record, settings.ChangeTime, fs));
      host.ProcessMessages();
    }
  } catch (...) {
    host.DiscardResults();
    throw;
  }

  host.ShowResults();
  if (!host.UpdateListButtons()) host.FocusNextControl();
  host.UpdateChangeButton();
}
