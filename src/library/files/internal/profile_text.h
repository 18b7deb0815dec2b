#pragma once

#include <string>
#include <string_view>

// The rules of Windows' private profile (INI) files, over a file's text in the host's
// 8-bit code page. The substitute file services read and write profile files with
// these; the contract tests hold them to the real GetPrivateProfileStringA and
// WritePrivateProfileStringA.
//
// A line is a section header ("[name]", the name running to the last "]") or an entry
// ("key=value", or a key alone); blank lines are passed over, and a line ends at CR or
// LF. Names and values are trimmed of blanks (tab to carriage return, space and ^Z).
// Sections and keys compare without regard to case, Windows-1252 letters included;
// only the first section of a name and the first key of a name in it count, and
// entries before the first section header belong to none.
namespace velto::library::profile {

// What GetPrivateProfileStringA copies into a buffer of `size` characters: the key's
// value or, when the section, the key or the key's "=" is missing, the default with
// its trailing spaces removed; a pair of enclosing quotes (double or single) removed;
// at most size - 1 characters.
std::string GetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view defaultValue, int size);

// The text as WritePrivateProfileStringA leaves it: the key's line rewritten, or a new
// "key=value" line after the last line of its section, or "[section]" and the key
// appended at the end of the file. Leading blanks of the value are dropped; the rest
// of the text is kept as it was.
std::string SetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace velto::library::profile
