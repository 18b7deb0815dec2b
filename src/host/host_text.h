#pragma once

#include <string>
#include <string_view>

namespace velto::host {

// The one crossing between the program's UTF-8 text and the host's 8-bit text, which
// is Windows-1252: the marks ‹ ¬ · › • travel as the bytes 0x8B 0xAC 0xB7 0x9B 0x95.
// A character with no Windows-1252 byte becomes "?", as Windows itself does.
std::string ToHostBytes(std::string_view utf8);
std::string FromHostBytes(std::string_view hostBytes);

}  // namespace velto::host
