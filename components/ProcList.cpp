#include "components/ProcList.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>
#include <string_view>

#include "base/Handles.h"
#include "base/Sjis.h"
#include "base/Text.h"
#include "components/ProcessIds.h"

namespace {

// The one list that every TProcList reads and Update replaces: the names are the
// machine's, not one component's.
ProcNames& SharedNames() {
  static ProcNames names;
  return names;
}

using EnumProcessModulesProc = BOOL(WINAPI*)(HANDLE process, HMODULE* modules, DWORD bytes,
                                             DWORD* bytesNeeded);
using GetModuleFileNameExProc = DWORD(WINAPI*)(HANDLE process, HMODULE module, char* name,
                                               DWORD size);
using TaskEnumProc = BOOL(WINAPI*)(DWORD threadId, WORD module16, WORD task16, char* moduleName,
                                   char* fileName, LPARAM data);
using VdmEnumTaskWowExProc = INT(WINAPI*)(DWORD processId, TaskEnumProc each, LPARAM data);
using CreateSnapshotProc = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using ProcessWalkProc = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

// The tool-help record as the 95 family defines it.
static_assert(sizeof(PROCESSENTRY32) == 296);

template <typename Proc>
Proc Function(const Library& library, const char* name) {
  // Through void(*)(): the one function pointer type that any other converts from
  // without a warning about incompatible casts.
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(library.Get(), name)));
}

std::string Terminated(const char* text, std::size_t size) {
  return std::string(text, strnlen(text, size));
}

// The last nine characters spell NTVDM.EXE, ASCII letters in any case; a trail byte
// that happens to be an N does not start them.
bool IsVirtualDosMachine(std::string_view name) {
  constexpr std::string_view kName = "NTVDM.EXE";
  if (name.size() < kName.size()) return false;
  const std::size_t start = name.size() - kName.size();
  for (std::size_t i = 0; i < kName.size(); ++i) {
    char c = name[start + i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kName[i]) return false;
  }
  std::size_t pos = 0;
  while (pos < start) pos = sjis::NextChar(name, pos);
  return pos == start;
}

BOOL WINAPI AppendTask(DWORD, WORD, WORD, char*, char* fileName, LPARAM data) {
  // Called from VDMDBG.DLL: nothing may unwind through it, so a name that cannot be
  // stored ends the enumeration instead.
  try {
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(
        fileName ? Terminated(fileName, MAX_PATH) : std::string());
  } catch (...) {
    return TRUE;
  }
  return FALSE;  // go on to the next task
}

std::string ModuleName(DWORD id, EnumProcessModulesProc enumModules,
                       GetModuleFileNameExProc moduleFileName) {
  KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
  if (!process) return {};
  HMODULE first = nullptr;
  DWORD needed = 0;
  if (!enumModules(process.Get(), &first, sizeof first, &needed)) return {};
  char name[MAX_PATH] = "";
  if (moduleFileName(process.Get(), first, name, sizeof name) == 0) return {};
  return Terminated(name, sizeof name);
}

EProcListError ListNtFamily(std::vector<std::string>& names, const ProcListSystem& system) {
  const Library psapi(LoadLibraryA(system.psapi));
  if (!psapi) return ePrcLstErrNtPsapiDll;
  // Required even when no 16-bit program runs.
  const Library vdmdbg(LoadLibraryA(system.vdmdbg));
  if (!vdmdbg) return ePrcLstErrNtVdmdbgDll;
  const auto enumProcesses = Function<EnumProcessesProc>(psapi, "EnumProcesses");
  const auto enumModules = Function<EnumProcessModulesProc>(psapi, "EnumProcessModules");
  const auto moduleFileName = Function<GetModuleFileNameExProc>(psapi, "GetModuleFileNameExA");
  const auto enumTasks = Function<VdmEnumTaskWowExProc>(vdmdbg, "VDMEnumTaskWOWEx");
  if (!enumProcesses || !enumModules || !moduleFileName || !enumTasks) return ePrcLstErrDllFuncP;

  std::vector<DWORD> ids;
  switch (CollectProcessIds(enumProcesses, system.firstIdBufferBytes, ids)) {
    case ProcessIdsResult::ok:
      break;
    case ProcessIdsResult::noMemory:
      return ePrcLstErrAllocMem;
    case ProcessIdsResult::enumFailed:
      return ePrcLstErrDllFuncP;
  }
  for (const DWORD id : ids) {
    names.push_back(ModuleName(id, enumModules, moduleFileName));
    // A virtual DOS machine's 16-bit tasks follow its own entry.
    if (IsVirtualDosMachine(names.back())) {
      enumTasks(id, &AppendTask, reinterpret_cast<LPARAM>(&names));
    }
  }
  return ePrcLstErrNone;
}

EProcListError List95Family(std::vector<std::string>& names, const ProcListSystem& system) {
  const Library kernel32(LoadLibraryA(system.kernel32));
  if (!kernel32) return ePrcLstErr95Kernel32Dll;
  const auto createSnapshot = Function<CreateSnapshotProc>(kernel32, "CreateToolhelp32Snapshot");
  const auto processFirst = Function<ProcessWalkProc>(kernel32, "Process32First");
  const auto processNext = Function<ProcessWalkProc>(kernel32, "Process32Next");
  if (!createSnapshot || !processFirst || !processNext) return ePrcLstErrDllFuncP;

  const FileHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return ePrcLstErrGetProcess;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = processFirst(snapshot.Get(), &entry); more;
       more = processNext(snapshot.Get(), &entry)) {
    names.push_back(Terminated(entry.szExeFile, sizeof entry.szExeFile));
    entry.dwSize = sizeof entry;
  }
  return ePrcLstErrNone;
}

EProcListError ListProcesses(std::vector<std::string>& names, const ProcListSystem& system) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return ePrcLstErrOsVersion;
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT:
      return ListNtFamily(names, system);
    case VER_PLATFORM_WIN32_WINDOWS:
      return List95Family(names, system);
    default:
      return ePrcLstErrOsVersion;
  }
}

}  // namespace

const ProcNames& ProcNameList() { return SharedNames(); }

TProcList::TProcList(TComponent* owner) : TComponent(owner) {}

TProcList::~TProcList() = default;

bool TProcList::Update() { return Update(ProcListSystem{}); }

bool TProcList::Update(const ProcListSystem& system) {
  std::vector<std::string>& names = SharedNames().emplace();
  FError = ListProcesses(names, system);
  if (FError != ePrcLstErrNone) names.clear();
  return FError == ePrcLstErrNone;
}

int TProcList::GetProcessNo() {
  if (!SharedNames()) Update();
  return static_cast<int>(SharedNames()->size());
}

std::string TProcList::GetProcess(int i) {
  if (i < 0 || i >= GetProcessNo()) return {};
  return (*SharedNames())[i];
}

int TProcList::GetProcessIndex(const std::string& name) {
  const std::string wanted = UpperCase(name);
  if (wanted.empty()) return -1;
  const int count = GetProcessNo();
  const std::vector<std::string>& names = *SharedNames();
  for (int i = 0; i < count; ++i) {
    if (!names[i].empty() && UpperCase(names[i]) == wanted) return i;
  }
  return -1;
}
