#pragma once

#include <string>

namespace velto_run {

// Whether a <#window> argument (a decimal handle) names a window now: one that names
// none is a bad argument, as velto.dll takes it.
bool NamesAWindow(const std::string& handle);

}  // namespace velto_run
