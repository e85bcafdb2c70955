#include "engine/NameGen.h"

#include "base/ConvertError.h"
#include "base/Sjis.h"
#include "base/Text.h"

namespace {

constexpr std::size_t kMaxPath = 260;
constexpr std::size_t kMaxPiece = 255;

std::string Piece(std::string_view s) { return std::string(sjis::CutAt(s, kMaxPiece)); }

// The text and serial of one side (base name or extension), or nothing when both are
// empty and the piece is to stay as it is.
bool ComposePiece(const std::string& text, const std::string& number, int place, int index,
                  std::string& out) {
  const std::string_view digits = TrimBlanks(number);
  if (text.empty() && digits.empty()) return false;
  const std::string serial = SerialText(number, index);
  out = place == 0 ? text + serial : serial + text;
  return true;
}

}  // namespace

PathParts SplitPath(const std::string& fullPath) {
  const std::string_view path = sjis::CutAt(fullPath, kMaxPath);
  PathParts parts;

  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && !sjis::IsLeadByte(path[0])) {
    parts.drive = std::string(path.substr(0, 2));
    start = 2;
  }
  std::string_view rest = path.substr(start);

  const std::size_t sep = sjis::FindLastOf(rest, "\\/");
  std::string_view folder = sep == std::string_view::npos ? std::string_view() : rest.substr(0, sep + 1);
  std::string_view name = rest.substr(folder.size());
  if (name == "." || name == "..") {
    folder = rest;
    name = {};
  }

  const std::size_t dot = sjis::FindLastOf(name, ".");
  parts.folder = Piece(folder);
  if (dot == std::string_view::npos) {
    parts.base = Piece(name);
  } else {
    parts.base = Piece(name.substr(0, dot));
    parts.ext = Piece(name.substr(dot));
  }
  return parts;
}

std::string SerialText(const std::string& startNumber, int index) {
  const std::string_view digits = TrimBlanks(startNumber);
  if (digits.empty()) return {};

  int width = 0;
  std::string_view toConvert = digits;
  if (digits.size() >= 2 && digits[0] == '0') {
    width = static_cast<int>(digits.size());
    std::size_t first = 1;
    while (first + 1 < digits.size() && digits[first] == '0') ++first;
    toConvert = digits.substr(first);
  }

  const auto start = ParseDecimal(toConvert);
  if (!start) {
    throw EConvertError("'" + std::string(toConvert) + "' は数値ではありません");
  }
  // Start and index are both 32-bit; their sum is written as the true number even when
  // it passes 2147483647.
  return FormatDecimal(static_cast<std::int64_t>(*start) + index, width);
}

std::string MakeNewName(const std::string& oldPath, int index, const ChangeSettings& settings) {
  if (!settings.ChangeName && !settings.ChangeExt) return oldPath;

  PathParts parts = SplitPath(oldPath);
  if (settings.ChangeName) {
    ComposePiece(settings.NameText, settings.NameNumber, settings.NameNumberItem, index,
                 parts.base);
  }
  if (settings.ChangeExt) {
    std::string ext;
    if (ComposePiece(settings.ExtText, settings.ExtNumber, settings.ExtNumberItem, index, ext)) {
      parts.ext = "." + ext;
    }
  }
  return parts.drive + parts.folder + parts.base + parts.ext;
}
