#include <windows.h>

#include "host/posix_file_services.h"
#include "host/win32_file_services.h"
#include "library_files/file_services_under_test.h"

namespace velto::testing {
namespace {

bool RunsOnWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

std::vector<FileServicesKind> FileServicesToCheck() {
  return {
      {"Substitute", [] { return std::make_unique<host::PosixFileServices>(); }},
      {"RealKernel32", [] { return std::make_unique<host::Win32FileServices>(); }, RunsOnWine()}};
}

}  // namespace velto::testing
