#include "result/Undo.h"

#include <utility>

#include "engine/ApplyChange.h"

UndoOutcome UndoChange(ChangeLog& r, bool changeTime, const FileApi& fs) {
  UndoOutcome outcome;
  if (r.NameFailed && r.AttrFailed && r.TimeFailed) return outcome;

  if (r.NameFailed) {
    r.NewName = r.OldName;
  } else {
    std::swap(r.OldName, r.NewName);
  }
  if (r.AttrFailed) {
    r.NewAttr = r.OldAttr;
  } else {
    std::swap(r.OldAttr, r.NewAttr);
  }
  bool writeTimes = changeTime;
  if (r.TimeFailed) {
    writeTimes = false;
  } else {
    std::swap(r.OldMakeTime, r.NewMakeTime);
    std::swap(r.OldUpdateTime, r.NewUpdateTime);
    std::swap(r.OldAccessTime, r.NewAccessTime);
  }

  // The flags of the run are kept, but the undo's own failures must show even in a part
  // that had already failed once; so the pass starts from clear flags and adds them back.
  // A skipped name has NewName equal to OldName, so the cleared flag cannot redirect the
  // attributes to another path.
  const ChangeLog before = r;
  r.NameFailed = r.AttrFailed = r.TimeFailed = false;
  outcome.applied = true;
  outcome.line = ApplyChange(r, writeTimes, fs);
  outcome.failed = r.NameFailed || r.AttrFailed || r.TimeFailed;
  r.NameFailed |= before.NameFailed;
  r.AttrFailed |= before.AttrFailed;
  r.TimeFailed |= before.TimeFailed;
  return outcome;
}
