#pragma once
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

// A drop handle as the shell builds it for WM_DROPFILES: DROPFILES, then the paths in the
// ANSI code page, each ended by a zero, and a second zero at the end. The receiver frees
// it with DragFinish. Shared by the window tests and the benchmarks.
inline HGLOBAL MakeDropHandle(const std::vector<std::string>& paths) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const auto& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* out = reinterpret_cast<char*>(header + 1);
  for (const auto& p : paths) {
    std::memcpy(out, p.c_str(), p.size() + 1);
    out += p.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}
