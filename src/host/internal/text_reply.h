#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velto::host {

// The byte a text buffer is filled with before a window writes its reply into it.
inline constexpr char kUnwrittenByte = '\x7F';

// The text a window wrote into a buffer filled with kUnwrittenByte, given the count of
// characters it answered (LB_GETTEXT, WM_GETTEXT), as UTF-8. An 8-bit reply is the
// count's bytes, NULs inside included, then a NUL. Wine hands a 64-bit program another
// process's LB_GETTEXT reply in UTF-16 instead, two bytes a character: such a reply
// reaches past where an 8-bit one ends (its NUL is two bytes, at twice the count). A
// count that does not fit the buffer reads up to the first NUL.
std::string TextReplyUtf8(std::string_view buffer, std::intptr_t count);

}  // namespace velto::host
