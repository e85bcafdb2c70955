#include "targets/LongPath.h"

#include <windows.h>

#include "base/Handles.h"
#include "base/Sjis.h"

std::string FindLongName(const std::string& path) {
  // The system would read a path holding a zero byte only up to it: another entry.
  if (path.find('\0') != std::string::npos) return {};
  WIN32_FIND_DATAA data;
  const FindHandle find(FindFirstFileA(path.c_str(), &data));
  if (!find) return {};
  return data.cFileName;
}

std::string MakeLongPath(const std::string& path) {
  if (path.size() == 2 && path[1] == ':' && !sjis::IsLeadByte(path[0])) return path;
  // FindFirstFileA would put the first matching entry's name in place of the pattern.
  if (sjis::FindFirstOf(path, "*?") != std::string::npos) return path;
  const std::string name = FindLongName(path);
  if (name.empty()) return path;

  const std::size_t sep = sjis::FindLastOf(path, "\\/:");
  // A name relative to the current directory: its long form, still relative.
  if (sep == std::string::npos) return name;
  // C:name is relative to the drive's current directory: the drive stays as given.
  if (path[sep] == ':') return path.substr(0, sep + 1) + name;
  // The separator as given, so a path written with "/" keeps it.
  return MakeLongPath(path.substr(0, sep)) + path[sep] + name;
}
