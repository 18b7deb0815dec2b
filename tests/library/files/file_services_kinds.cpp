#include "library/files/file_services_under_test.h"
#include "library/files/posix_file_services.h"

namespace velto::testing {

std::vector<FileServicesKind> FileServicesToCheck() {
  return {{"Substitute", [] { return std::make_unique<library::PosixFileServices>(); }}};
}

}  // namespace velto::testing
