#pragma once
#include <string>

#include "engine/ChangeLog.h"
#include "engine/ChangeSettings.h"
#include "engine/FileApi.h"

// Fills a fresh record for the target-list entry at index: the new name, the file's
// times and the composed new ones (when times are to change), the attributes read and
// the new ones. Throws EConvertError for a start number that is no number or a composed
// date that does not exist.
void PlanChange(const ChangeSettings& settings, int index, const std::string& entry,
                ChangeLog& record, const FileApi& fs = SystemFileApi());

// The new time from the time lists' item indexes, each member taken from old where its
// item is 0 or below; milliseconds 0. Throws EConvertError when the date does not exist.
SYSTEMTIME ComposeTime(const SYSTEMTIME& old, int yearItem, int monthItem, int dayItem,
                       int hourItem, int minItem, int secItem);
