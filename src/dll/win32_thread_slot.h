#pragma once

// A value each thread of the caller keeps for itself in velto.dll: a thread-local slot of
// Windows' own (TlsAlloc), as C++'s thread_local would bring in the threading runtime,
// which the DLL must not import.
namespace velto::dll {

class ThreadSlot {
 public:
  // The calling thread's value; null before it set one, or when Windows had no slot left.
  void* Get();
  void Set(void* value);
  // Gives the slot back to Windows (when the DLL is unloaded).
  void Free();

 private:
  unsigned long Index();

  long slot_ = -1;  // TLS_OUT_OF_INDEXES: not taken yet
};

}  // namespace velto::dll
