#pragma once

#include <string>
#include <string_view>

namespace velto::library {

// Letter case as the host's text knows it: ASCII and the letters of Windows-1252
// (À-Þ with à-þ, Š/š, Œ/œ, Ž/ž, Ÿ/ÿ). Every character folds to exactly one character,
// so a folded text keeps the positions of the original.
char32_t FoldCase(char32_t c);
std::u32string FoldCase(std::u32string_view text);
// The capital of a small letter, the inverse of FoldCase; ß, µ and the letters outside
// Windows-1252 stay as they are.
char32_t RaiseCase(char32_t c);

// The same on UTF-8 texts, character by character. Every letter and its partner have
// UTF-8 forms of the same length, so both keep every byte position of the original.
std::string FoldCaseUtf8(std::string_view text);
std::string RaiseCaseUtf8(std::string_view text);

}  // namespace velto::library
