#pragma once

#include <string>
#include <string_view>

namespace velto::host {

// The program's strings are UTF-8; where it speaks of characters it means code points.
// A byte that does not start a well-formed sequence decodes as U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view codePoints);
void AppendUtf8(std::string& out, char32_t codePoint);
// True when every byte belongs to a well-formed sequence: then decoding and encoding
// again gives the same bytes.
bool IsWellFormedUtf8(std::string_view utf8);

}  // namespace velto::host
