#include "components/ProcessIds.h"

#include "base/Handles.h"

namespace {

struct HeapBlockTraits {
  using Value = void*;
  static Value None() { return nullptr; }
  static void Close(Value block) { HeapFree(GetProcessHeap(), 0, block); }
};
using HeapBlock = UniqueHandle<HeapBlockTraits>;

}  // namespace

ProcessIdsResult CollectProcessIds(EnumProcessesProc enumProcesses, DWORD firstBytes,
                                   std::vector<DWORD>& ids) {
  DWORD bytes = firstBytes < sizeof(DWORD) ? sizeof(DWORD) : firstBytes - firstBytes % sizeof(DWORD);
  for (;;) {
    HeapBlock buffer(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (!buffer) return ProcessIdsResult::noMemory;
    DWORD returned = 0;
    auto* first = static_cast<DWORD*>(buffer.Get());
    if (!enumProcesses(first, bytes, &returned)) return ProcessIdsResult::enumFailed;
    if (returned < bytes) {
      ids.assign(first, first + returned / sizeof(DWORD));
      return ProcessIdsResult::ok;
    }
    if (bytes > MAXDWORD / 2) return ProcessIdsResult::noMemory;
    bytes *= 2;
  }
}
