#include <windows.h>

#include "dll/win32_thread_slot.h"

namespace velto::dll {

static_assert(static_cast<long>(TLS_OUT_OF_INDEXES) == -1, "the slot's mark of not taken");

// The slot is taken by the first call on any thread; a thread that loses the race to
// take it gives its own back and uses the winner's.
unsigned long ThreadSlot::Index() {
  LONG taken = ::InterlockedCompareExchange(&slot_, slot_, slot_);
  if (taken != static_cast<LONG>(TLS_OUT_OF_INDEXES))
    return static_cast<DWORD>(taken);
  const DWORD mine = ::TlsAlloc();
  taken = ::InterlockedCompareExchange(&slot_, static_cast<LONG>(mine),
                                       static_cast<LONG>(TLS_OUT_OF_INDEXES));
  if (taken == static_cast<LONG>(TLS_OUT_OF_INDEXES))
    return mine;
  ::TlsFree(mine);
  return static_cast<DWORD>(taken);
}

void* ThreadSlot::Get() {
  const DWORD index = Index();
  return index == TLS_OUT_OF_INDEXES ? nullptr : ::TlsGetValue(index);
}

void ThreadSlot::Set(void* value) {
  const DWORD index = Index();
  if (index != TLS_OUT_OF_INDEXES)
    ::TlsSetValue(index, value);
}

// The slot goes back to Windows when the DLL is unloaded, so a caller that loads and
// frees it again and again does not use up the process's slots.
void ThreadSlot::Free() {
  const LONG taken = ::InterlockedExchange(&slot_, static_cast<LONG>(TLS_OUT_OF_INDEXES));
  if (taken != static_cast<LONG>(TLS_OUT_OF_INDEXES))
    ::TlsFree(static_cast<DWORD>(taken));
}

}  // namespace velto::dll
