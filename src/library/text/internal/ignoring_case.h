#pragma once

#include <string>
#include <string_view>

// Comparisons of UTF-8 texts without regard to letter case, as the host's text knows it
// (ASCII and the letters of Windows-1252).
namespace velto::library {

std::string LowerCase(std::string_view text);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace velto::library
