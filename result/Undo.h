#pragma once
#include <string>

#include "engine/ChangeLog.h"
#include "engine/FileApi.h"

struct UndoOutcome {
  bool applied = false;  // false: the record was not applied in the run and is left alone
  bool failed = false;   // some part of the undo failed
  std::string line;      // the record's new result line, when applied
};

// Takes one file back to where it was before the run: the pairs of the parts that
// succeeded are swapped and the record is applied again. A part that failed in the run
// is not tried again: its name stays, its times are not written, and its attributes go
// back to what the file had before the run (a read-only bit may have been cleared before
// the final attributes failed). A record that was not applied at all is left alone.
UndoOutcome UndoChange(ChangeLog& record, bool changeTime, const FileApi& fs = SystemFileApi());
