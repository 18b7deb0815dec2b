#pragma once

namespace velto::library {

// The library's yes and no, as its routines take and give them.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

}  // namespace velto::library
