// The calling thread's last outcome in velto.dll, and the file its calls are traced to.
#include <windows.h>

#include "dll/dll_boundary.h"
#include "dll/win32_dll_boundary.h"
#include "dll/win32_thread_slot.h"

namespace velto::dll {
namespace {

ThreadSlot outcomeSlot;
ThreadSlot traceSlot;

}  // namespace

void KeepOutcome(host::Outcome outcome) {
  outcomeSlot.Set(reinterpret_cast<void*>(static_cast<INT_PTR>(outcome)));
}

host::Outcome KeptOutcome() {
  // A thread that has made no call yet reads 0, which is done.
  return static_cast<host::Outcome>(reinterpret_cast<INT_PTR>(outcomeSlot.Get()));
}

std::FILE* TraceFile() {
  return static_cast<std::FILE*>(traceSlot.Get());
}

void SetTraceFile(std::FILE* file) {
  traceSlot.Set(file);
}

}  // namespace velto::dll

// A FreeLibrary (not the process's end, when `reserved` is set) frees the slots.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    velto::dll::outcomeSlot.Free();
    velto::dll::traceSlot.Free();
  }
  return TRUE;
}
