#pragma once
#include <windows.h>

#include <vector>

// PSAPI's EnumProcesses, as found in the library at run time.
using EnumProcessesProc = BOOL(WINAPI*)(DWORD* ids, DWORD bytes, DWORD* bytesReturned);

enum class ProcessIdsResult { ok, noMemory, enumFailed };

// The ids that enumProcesses reports. They go into a buffer from the process heap of
// firstBytes (at least one id), doubled for another round while the system fills it
// to the last byte, since a full buffer may have cut the list short.
ProcessIdsResult CollectProcessIds(EnumProcessesProc enumProcesses, DWORD firstBytes,
                                   std::vector<DWORD>& ids);
