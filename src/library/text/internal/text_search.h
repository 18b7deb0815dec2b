#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The one-pass edits behind ReplaceText, SwapText and the text art, on well-formed UTF-8
// bytes. The folded bytes are searched directly: in well-formed UTF-8 an occurrence of a
// whole character sequence can only begin where a character begins, and every letter
// and its partner of the other case have forms of the same length, so byte positions
// are character positions. Each edit finds every occurrence once and copies the text
// between them whole, so the time grows with the length of the text.
namespace velto::library {

// A pattern prepared for searching: whole characters, matched exactly or ignoring case.
class Pattern {
 public:
  enum class Case { kCounts, kIgnored };
  static constexpr std::size_t kNotFound = std::string_view::npos;

  Pattern(std::string_view wellFormed, Case letterCase);

  // The first occurrence that begins at `from` or after, or kNotFound. An empty pattern
  // occurs nowhere.
  std::size_t Find(std::string_view text, std::size_t from) const;
  std::size_t size() const { return folded_.size(); }
  // Calls onMatch(position) for every occurrence from `from` on, left to right, each
  // search resuming after the occurrence found: what a replacement of every one visits.
  // Defined beside the edits below, in text_search.cpp, which alone use it.
  template <typename OnMatch>
  void ForEachOccurrence(std::string_view text, std::size_t from, const OnMatch& onMatch) const;

 private:
  bool MatchesAt(const char* at) const;
  template <typename Visit>
  std::size_t ForEachCandidate(std::string_view text, std::size_t from, const Visit& visit) const;

  std::string folded_;   // the pattern as matched when case counts, folded otherwise
  std::string raised_;   // each character's partner of the other case, or itself
  bool oneForm_ = true;  // no character of the pattern has a partner
  // Two of the pattern's bytes, its first and its last, each with the bits in which its
  // two forms differ: a cheap test that every occurrence passes.
  unsigned char firstWant_ = 0, firstLoose_ = 0, lastWant_ = 0, lastLoose_ = 0;
};

// The text as well-formed UTF-8: the text itself when it is, otherwise a repaired copy
// kept in `storage`, every stray byte read as U+FFFD (as the decoder reads it). The
// edits below take well-formed texts only.
std::string_view WellFormed(std::string_view text, std::string& storage);

// Every occurrence of `find`, ignoring case, replaced by `replacement`, left to right;
// the search resumes after each inserted replacement. Returns false and leaves `out` as
// it is when there is none (always when `find` is empty); `out` must not be `text`.
bool ReplacedIgnoringCase(std::string_view text, std::string_view find,
                          std::string_view replacement, std::string& out);

// Replacements of single characters found exactly, made together in one pass: every
// occurrence of one of the `finds` (whole characters, each different) replaced by the
// replacement of the same index. Returns false and leaves `out` as it is when none
// occurs; `out` must not be `text`.
struct CharacterReplacement {
  std::string_view find;
  std::string_view replacement;
};
bool ReplacedCharacters(std::string_view text, const std::vector<CharacterReplacement>& each,
                        std::string& out);

// The same as ReplacedIgnoringCase, returning the result; the text unchanged when there
// is no occurrence.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view find,
                                std::string_view replacement);

// Every `first` becomes `second` and every `second` becomes `first` (case counts), left
// to right; the search resumes after each inserted string, and `first` wins where both
// begin at the same position. An empty string is never found.
std::string SwapStrings(std::string_view text, std::string_view first, std::string_view second);

}  // namespace velto::library
