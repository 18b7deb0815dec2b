// The C++ runtime's thread-safe statics bring in the threading runtime, and that imports
// GetTickCount64, which Windows XP's kernel32 lacks: an exe that imports it does not load
// there. This file takes the place of that one import, so the linker never asks kernel32
// for it. The program has one thread, so the threading runtime's timed waits never run;
// the stand-in still counts correctly past GetTickCount's 49.7-day wrap.

#include <windows.h>

namespace {

ULONGLONG WINAPI TickCountSinceStart() {
  static DWORD last = 0;
  static ULONGLONG wraps = 0;
  const DWORD now = ::GetTickCount();
  if (now < last)
    wraps += 1ULL << 32;
  last = now;
  return wraps + now;
}

}  // namespace

// The import's own symbol: the address the threading runtime calls through.
#if defined(__i386__)
extern "C" ULONGLONG(WINAPI* velto_imp_GetTickCount64)(void) __asm__("__imp__GetTickCount64@0");
#else
extern "C" ULONGLONG(WINAPI* velto_imp_GetTickCount64)(void) __asm__("__imp_GetTickCount64");
#endif
ULONGLONG(WINAPI* velto_imp_GetTickCount64)(void) = TickCountSinceStart;
