#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "library/files/file_services.h"

namespace velto::testing {

struct FileServicesKind {
  std::string name;
  std::function<std::unique_ptr<library::FileServices>()> make;
  // Real kernel32 under Wine, whose known differences from Windows are marked, not
  // dropped, as Wine's own tests mark them.
  bool isWine = false;
};

inline void PrintTo(const FileServicesKind& kind, std::ostream* out) {
  *out << kind.name;
}

// Every implementation this build can check: the substitute everywhere, the real
// kernel32 functions on Windows.
std::vector<FileServicesKind> FileServicesToCheck();

}  // namespace velto::testing
