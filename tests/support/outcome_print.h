#pragma once

#include <ostream>

#include "host/outcome.h"

namespace velto::host {

// GoogleTest prints an outcome by its name.
inline void PrintTo(Outcome outcome, std::ostream* out) {
  *out << '"' << OutcomeName(outcome) << '"';
}

}  // namespace velto::host
