#pragma once
#include <string>

#include "base/Handles.h"

// A Shift-JIS font of the given face and character height in pixels. Where the system
// lacks the face, a proportional sans-serif Japanese face stands in for it: Wine, asked
// for a missing face, gives a fixed-pitch one, which reads poorly in running text.
GdiObject CreateJapaneseFont(const std::wstring& face, int height);
