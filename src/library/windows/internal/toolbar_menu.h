#pragma once

#include <cstdint>
#include <initializer_list>

#include "host/platform.h"

namespace velto::library {

// Opens the popup menu of the n-th (from 1) "_AOL_Icon" of the host's inner toolbar and
// types the keys into it (each pressed and released; the last one is usually return).
// The pointer is moved out of the menu's way meanwhile and put back at the end. Returns
// false, having typed nothing, when the button is missing or the menu does not show
// within the bound.
bool RunToolbarMenu(host::Platform& platform, int iconNumber,
                    std::initializer_list<std::uint32_t> keys);

}  // namespace velto::library
