// The trace of a thread's calls, to a file of the caller's choosing.
#include <cstdio>

#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"

namespace dll = velto::dll;

int VELTO_CALL velto_TraceTo(const VELTO_CHAR* path) {
  if (std::FILE* previous = dll::TraceFile()) {
    dll::SetTraceFile(nullptr);
    std::fclose(previous);
  }
  dll::KeepOutcome(velto::host::Outcome::kDone);
  if (!path)
    return VELTO_DONE;
  std::FILE* file = ::_wfopen(path, L"w");
  if (!file) {
    dll::KeepOutcome(velto::host::Outcome::kFailed);
    return VELTO_FAILED;
  }
  dll::SetTraceFile(file);
  return VELTO_DONE;
}
