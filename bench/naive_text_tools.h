#pragma once

// ReplaceText, SwapText, MirrorArt and FlipArt written the straightforward way they are
// usually described: after every replacement the text is rebuilt, lowered again and
// searched again, and lines are read one at a time from the start of the text. The results are the
// library's; the time grows with the square of the length. The benchmarks measure the
// library against these, and the fuzzer checks that both give the same results.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "host/utf8.h"
#include "library/text/internal/case_fold.h"

namespace velto::naive {

inline constexpr std::u32string_view kLineBreak = U"\r\n";
inline constexpr std::size_t kNotFound = std::u32string::npos;

inline std::u32string ReplaceText(std::u32string text, std::u32string_view find,
                                  std::u32string_view replacement) {
  if (find.empty())
    return text;
  const std::u32string lowerFind = library::FoldCase(find);
  std::size_t pos = library::FoldCase(text).find(lowerFind);
  while (pos != kNotFound) {
    text = text.substr(0, pos) + std::u32string(replacement) + text.substr(pos + find.size());
    const std::size_t start = pos + replacement.size();
    pos = library::FoldCase(text).find(lowerFind, start);
  }
  return text;
}

inline std::u32string SwapText(std::u32string text, std::u32string_view first,
                               std::u32string_view second) {
  std::size_t from = 0;
  for (;;) {
    const std::size_t atFirst = first.empty() ? kNotFound : text.find(first, from);
    const std::size_t atSecond = second.empty() ? kNotFound : text.find(second, from);
    if (atFirst == kNotFound && atSecond == kNotFound)
      return text;
    const bool firstIsEarlier = atFirst != kNotFound && atFirst <= atSecond;
    const std::size_t at = firstIsEarlier ? atFirst : atSecond;
    const std::u32string_view found = firstIsEarlier ? first : second;
    const std::u32string_view other = firstIsEarlier ? second : first;
    text = text.substr(0, at) + std::u32string(other) + text.substr(at + found.size());
    from = at + other.size();
  }
}

inline int CountLines(std::u32string_view text) {
  if (text.empty())
    return 0;
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), U'\r'));
}

inline std::u32string GetLine(std::u32string_view text, int n) {
  const int count = CountLines(text);
  if (n > count || n < 1)
    return {};
  if (n == 1 && count == 1)
    return std::u32string(text);
  std::u32string line;
  int breaksSeen = 1;
  for (char32_t c : text) {
    if (c == U'\r')
      ++breaksSeen;
    if (breaksSeen == n && c != U'\r' && c != U'\n')
      line += c;
    if (breaksSeen > n)
      break;
  }
  return line;
}

inline std::string ReplaceText(std::string& text, std::string_view find,
                               std::string_view replacement) {
  text = host::EncodeUtf8(
      ReplaceText(host::DecodeUtf8(text), host::DecodeUtf8(find), host::DecodeUtf8(replacement)));
  return text;
}

inline std::string SwapText(std::string& text, std::string_view first, std::string_view second) {
  text = host::EncodeUtf8(
      SwapText(host::DecodeUtf8(text), host::DecodeUtf8(first), host::DecodeUtf8(second)));
  return text;
}

inline std::string MirrorArt(std::string_view original) {
  if (original.empty())
    return {};
  const std::u32string text = host::DecodeUtf8(original) + std::u32string(kLineBreak);
  std::u32string mirrored;
  for (int n = 1; n <= CountLines(text); ++n) {
    std::u32string line = GetLine(text, n);
    std::reverse(line.begin(), line.end());
    mirrored += line + std::u32string(kLineBreak);
  }
  mirrored.resize(mirrored.size() - 2 * kLineBreak.size());
  for (const auto& [one, other] :
       {std::pair{U"/", U"\\"}, std::pair{U"[", U"]"}, std::pair{U"{", U"}"}, std::pair{U"(", U")"},
        std::pair{U"«", U"»"}, std::pair{U"‹", U"›"}, std::pair{U"<", U">"}}) {
    mirrored = SwapText(mirrored, one, other);
  }
  return host::EncodeUtf8(mirrored);
}

// Without the event pump: the result is all that is compared.
inline std::string FlipArt(std::string_view original) {
  if (original.empty())
    return std::string(original);
  const std::u32string text = host::DecodeUtf8(original) + std::u32string(kLineBreak);
  std::u32string flipped;
  for (int k = CountLines(text) - 1; k >= 0; --k)
    flipped += GetLine(text, k) + std::u32string(kLineBreak);
  flipped.resize(flipped.size() - 2 * kLineBreak.size());
  flipped = SwapText(flipped, U"/", U"\\");
  flipped = SwapText(flipped, U"_", U"¯");
  flipped = SwapText(flipped, U"'", U",");
  flipped = ReplaceText(flipped, U",,", U",");
  flipped = ReplaceText(flipped, U"`", U",");
  flipped = SwapText(flipped, U"´", U".");
  flipped = ReplaceText(flipped, U"‘", U".");
  flipped = ReplaceText(flipped, U"’", U",");
  flipped = SwapText(flipped, U"¸", U"ˆ");
  flipped = SwapText(flipped, U"\"", U"„");
  return host::EncodeUtf8(flipped);
}

}  // namespace velto::naive
