#pragma once
#include <string>

#include "engine/ChangeLog.h"
#include "engine/FileApi.h"

// Carries out one planned record on the file system, from its old values to its new
// ones, in this order: clear a read-only bit, write the times (on the old name), rename,
// set the final attributes (on whichever name the file now has). Sets the flags of the
// parts that fail (never clears one) and returns the record's result line.
// changeTime is the timestamp setting at the moment of the call.
std::string ApplyChange(ChangeLog& record, bool changeTime, const FileApi& fs = SystemFileApi());
