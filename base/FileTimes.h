#pragma once
#include <windows.h>

// File times are UTC; the program shows and composes local wall-clock times, converted
// with the offset that applies now (not the one that applied at the time itself).
bool UtcToLocalSystemTime(const FILETIME& utc, SYSTEMTIME& local);
bool LocalSystemTimeToUtc(const SYSTEMTIME& local, FILETIME& utc);
