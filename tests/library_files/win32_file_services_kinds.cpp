#include <windows.h>

#include "host/posix_file_services.h"
#include "host/win32_file_services.h"
#include "library_files/file_services_under_test.h"
#include "support/known_difference.h"

namespace velto::testing {

std::vector<FileServicesKind> FileServicesToCheck() {
  return {{"Substitute", [] { return std::make_unique<host::PosixFileServices>(); }},
          {"RealKernel32", [] { return std::make_unique<host::Win32FileServices>(); },
           RunningUnderWine()}};
}

}  // namespace velto::testing
