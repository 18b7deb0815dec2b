#include "host/posix_file_services.h"
#include "library_files/file_services_under_test.h"

namespace velto::testing {

std::vector<FileServicesKind> FileServicesToCheck() {
  return {{"Substitute", [] { return std::make_unique<host::PosixFileServices>(); }}};
}

}  // namespace velto::testing
