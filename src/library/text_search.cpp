#include "library/text_search.h"

#include "library/case_fold.h"

namespace velto::library {
namespace {

// For every prefix of the pattern, the length of its longest proper prefix that is also
// its suffix: where a failed comparison lets the search carry on.
std::vector<std::size_t> LongestBorders(std::u32string_view pattern) {
  std::vector<std::size_t> borders(pattern.size(), 0);
  std::size_t border = 0;
  for (std::size_t i = 1; i < pattern.size(); ++i) {
    while (border > 0 && pattern[i] != pattern[border]) border = borders[border - 1];
    if (pattern[i] == pattern[border])
      ++border;
    borders[i] = border;
  }
  return borders;
}

}  // namespace

std::vector<bool> OccurrenceStarts(std::u32string_view text, std::u32string_view pattern) {
  std::vector<bool> starts(text.size(), false);
  if (pattern.empty() || pattern.size() > text.size())
    return starts;
  const std::vector<std::size_t> borders = LongestBorders(pattern);
  std::size_t matched = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (matched > 0 && text[i] != pattern[matched]) matched = borders[matched - 1];
    if (text[i] == pattern[matched])
      ++matched;
    if (matched == pattern.size()) {
      starts[i + 1 - pattern.size()] = true;
      matched = borders[matched - 1];
    }
  }
  return starts;
}

std::u32string ReplaceIgnoringCase(std::u32string_view text, std::u32string_view find,
                                   std::u32string_view replacement) {
  // Folding keeps every position, so occurrences in the folded text are occurrences in
  // the original.
  const std::vector<bool> found = OccurrenceStarts(FoldCase(text), FoldCase(find));
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (found[i]) {
      result += replacement;
      i += find.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::u32string SwapStrings(std::u32string_view text, std::u32string_view first,
                           std::u32string_view second) {
  const std::vector<bool> firstFound = OccurrenceStarts(text, first);
  const std::vector<bool> secondFound = OccurrenceStarts(text, second);
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (firstFound[i]) {
      result += second;
      i += first.size();
    } else if (secondFound[i]) {
      result += first;
      i += second.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

}  // namespace velto::library
