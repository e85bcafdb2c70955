#pragma once
#include <string>

// The stored name (long, in the stored letter case) of the entry that path names, or ""
// when there is none. The bare name only, never a folder part.
std::string FindLongName(const std::string& path);

// path with each component, from the last one back towards the drive, replaced by its
// stored long name; the conversion stops at the first component that cannot be found,
// which is kept with everything before it as given. A bare drive keeps its letter
// case, and so does a path with wildcard characters as a whole: it names no one entry.
std::string MakeLongPath(const std::string& path);
