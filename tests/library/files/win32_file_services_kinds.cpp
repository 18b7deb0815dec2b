#include <windows.h>

#include "library/files/file_services_under_test.h"
#include "library/files/posix_file_services.h"
#include "library/files/win32_file_services.h"
#include "support/known_difference.h"

namespace velto::testing {

std::vector<FileServicesKind> FileServicesToCheck() {
  return {{"Substitute", [] { return std::make_unique<library::PosixFileServices>(); }},
          {"RealKernel32", [] { return std::make_unique<library::Win32FileServices>(); },
           RunningUnderWine()}};
}

}  // namespace velto::testing
