#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Component.h"

enum EProcListError : std::uint8_t {
  ePrcLstErrNone,           // the list was built
  ePrcLstErrOsVersion,      // no version, or neither the NT nor the 95 family
  ePrcLstErrNtPsapiDll,     // NT: PSAPI.DLL cannot be loaded
  ePrcLstErrNtVdmdbgDll,    // NT: VDMDBG.DLL cannot be loaded
  ePrcLstErrDllFuncP,       // a function is missing, or the NT enumeration failed
  ePrcLstErrAllocMem,       // NT: no memory for the process ids
  ePrcLstErrGetProcess,     // 95: no process snapshot
  ePrcLstErr95Kernel32Dll,  // 95: Kernel32.DLL cannot be loaded
};

// The executable names of the last Update, in the order the system reported them,
// shared by every TProcList. Absent until the first Update; an entry is empty for a
// process that could not be read.
using ProcNames = std::optional<std::vector<std::string>>;
const ProcNames& ProcNameList();

// Where Update finds the system's process enumeration. The defaults are the real ones;
// tests change them to reach the paths that a healthy system never takes.
struct ProcListSystem {
  const char* psapi = "PSAPI.DLL";
  const char* vdmdbg = "VDMDBG.DLL";
  const char* kernel32 = "Kernel32.DLL";
  unsigned long firstIdBufferBytes = 1024;  // room for 256 ids, doubled while full
};

// The programs running on the machine, by executable name: through PSAPI.DLL and
// VDMDBG.DLL (16-bit tasks included) on the NT family, through the tool-help functions
// of Kernel32.DLL on the 95 family. The libraries are loaded by name for each Update
// and released before it returns.
class TProcList : public TComponent {
 public:
  explicit TProcList(TComponent* owner);
  ~TProcList() override;

  bool Update();
  bool Update(const ProcListSystem& system);

  std::string GetProcess(int i);  // "" outside 0 to GetProcessNo() - 1
  int GetProcessNo();             // runs the first Update when there is no list yet
  // The first entry equal to name, ignoring case; -1 for none and for "".
  int GetProcessIndex(const std::string& name);

  EProcListError Error() const { return FError; }

 private:
  EProcListError FError = ePrcLstErrNone;
};
