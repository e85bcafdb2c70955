#pragma once
#include <string>

#include "engine/ChangeSettings.h"

struct PathParts {
  std::string drive, folder, base, ext;
};

// Splits a Shift-JIS path into drive ("C:" or ""), folder (up to and including the last
// separator), base name and extension (from the last dot of the final component, dot
// included). Joined in this order the pieces give the path back, within the limits of
// 260 bytes for the path and 255 for each piece.
PathParts SplitPath(const std::string& path);

// The serial number text of a start number (the masked edit's digits and blanks) for
// the file at index: "" for no digits, zero-filled to the digits' width when they start
// with a 0 and are longer than one character. Throws EConvertError when the digits are
// no number.
std::string SerialText(const std::string& startNumber, int index);

// The new full path of the file at index in the target list. Throws EConvertError
// ("'%s' は数値ではありません") for a start number that does not convert.
std::string MakeNewName(const std::string& oldPath, int index, const ChangeSettings& settings);
