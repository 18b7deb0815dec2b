#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one-pass edits behind ReplaceText and SwapText, on texts decoded to characters.
// Each finds every occurrence once (Knuth-Morris-Pratt) and builds the result once, so
// the time grows with the length of the text, not with the number of replacements.
namespace velto::library {

// Marks every position of `text` where `pattern` begins, overlapping occurrences
// included. An empty pattern begins nowhere.
std::vector<bool> OccurrenceStarts(std::u32string_view text, std::u32string_view pattern);

// Every occurrence of `find`, ignoring case, replaced by `replacement`, left to right;
// the search resumes after each inserted replacement. Unchanged when `find` is empty.
std::u32string ReplaceIgnoringCase(std::u32string_view text, std::u32string_view find,
                                   std::u32string_view replacement);

// Every `first` becomes `second` and every `second` becomes `first` (case counts), left
// to right; the search resumes after each inserted string, and `first` wins where both
// begin at the same position. An empty string is never found.
std::u32string SwapStrings(std::u32string_view text, std::u32string_view first,
                           std::u32string_view second);

}  // namespace velto::library
