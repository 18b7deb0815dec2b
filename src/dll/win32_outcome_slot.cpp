// The calling thread's last outcome in velto.dll: a thread-local slot of Windows' own
// (TlsAlloc), as C++'s thread_local would bring in the threading runtime, which the DLL
// must not import.
#include <windows.h>

#include "dll/dll_boundary.h"

namespace velto::dll {
namespace {

LONG slot = static_cast<LONG>(TLS_OUT_OF_INDEXES);

// The slot is taken by the first call on any thread; a thread that loses the race to
// take it gives its own back and uses the winner's.
DWORD Slot() {
  LONG taken = ::InterlockedCompareExchange(&slot, slot, slot);
  if (taken != static_cast<LONG>(TLS_OUT_OF_INDEXES))
    return static_cast<DWORD>(taken);
  const DWORD mine = ::TlsAlloc();
  taken = ::InterlockedCompareExchange(&slot, static_cast<LONG>(mine),
                                       static_cast<LONG>(TLS_OUT_OF_INDEXES));
  if (taken == static_cast<LONG>(TLS_OUT_OF_INDEXES))
    return mine;
  ::TlsFree(mine);
  return static_cast<DWORD>(taken);
}

// The slot goes back to Windows when the DLL is unloaded, so a caller that loads and
// frees it again and again does not use up the process's slots.
void FreeOutcomeSlot() {
  const LONG taken = ::InterlockedExchange(&slot, static_cast<LONG>(TLS_OUT_OF_INDEXES));
  if (taken != static_cast<LONG>(TLS_OUT_OF_INDEXES))
    ::TlsFree(static_cast<DWORD>(taken));
}

}  // namespace

void KeepOutcome(host::Outcome outcome) {
  const DWORD index = Slot();
  if (index != TLS_OUT_OF_INDEXES)
    ::TlsSetValue(index, reinterpret_cast<void*>(static_cast<INT_PTR>(outcome)));
}

host::Outcome KeptOutcome() {
  const DWORD index = Slot();
  if (index == TLS_OUT_OF_INDEXES)
    return host::Outcome::kFailed;
  // A thread that has made no call yet reads 0, which is done.
  return static_cast<host::Outcome>(reinterpret_cast<INT_PTR>(::TlsGetValue(index)));
}

}  // namespace velto::dll

// A FreeLibrary (not the process's end, when `reserved` is set) frees the slot.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
    velto::dll::FreeOutcomeSlot();
  return TRUE;
}
