#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The two turns of a drawing, each in one pass over its well-formed UTF-8 bytes. Lines
// are read as the line-wise text tools read them (split at carriage returns, line feeds
// dropped) and come back joined by carriage return and line feed.
namespace velto::library {

// Every line reversed, character by character, and each of / [ { ( « ‹ < exchanged with
// its partner.
std::string MirroredLines(std::string_view art);

// The lines in reverse order, and what sits high exchanged with what sits low: / and \,
// _ and ¯, ' and "," (a run of apostrophes giving half as many commas, rounded up), ´
// and ".", ¸ and ˆ, a double quote and „; ` and ’ become "," and ‘ becomes ".".
std::string FlippedLines(std::string_view art);

// The number of lines of the text with a line break appended.
std::size_t LinesWithBreakAppendedCount(std::string_view art);

}  // namespace velto::library
