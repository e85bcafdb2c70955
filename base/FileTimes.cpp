#include "base/FileTimes.h"

bool UtcToLocalSystemTime(const FILETIME& utc, SYSTEMTIME& local) {
  FILETIME localFileTime;
  return FileTimeToLocalFileTime(&utc, &localFileTime) &&
         FileTimeToSystemTime(&localFileTime, &local);
}

bool LocalSystemTimeToUtc(const SYSTEMTIME& local, FILETIME& utc) {
  FILETIME localFileTime;
  return SystemTimeToFileTime(&local, &localFileTime) &&
         LocalFileTimeToFileTime(&localFileTime, &utc);
}
