#include "library/text/internal/text_lines.h"

#include <algorithm>
#include <utility>

namespace velto::library {
namespace {

std::u32string WithoutBreakCharacters(std::u32string_view text) {
  std::u32string kept;
  kept.reserve(text.size());
  for (char32_t c : text) {
    if (c != kCarriageReturn && c != kLineFeed)
      kept += c;
  }
  return kept;
}

// Index of the k-th carriage return (from 1), or npos.
std::size_t NthCarriageReturn(std::u32string_view text, int k) {
  std::size_t from = 0;
  for (int seen = 1;; ++seen) {
    const std::size_t at = text.find(kCarriageReturn, from);
    if (at == std::u32string_view::npos || seen == k)
      return at;
    from = at + 1;
  }
}

}  // namespace

int CountLinesIn(std::u32string_view text) {
  if (text.empty())
    return 0;
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), kCarriageReturn));
}

std::u32string LineOf(std::u32string_view text, int n) {
  const int count = CountLinesIn(text);
  if (n < 1 || n > count)
    return {};
  if (count == 1)
    return std::u32string(text);
  const std::size_t begin = n == 1 ? 0 : NthCarriageReturn(text, n - 1);
  const std::size_t end = NthCarriageReturn(text, n);  // npos: to the end of the text
  return WithoutBreakCharacters(text.substr(
      begin, end == std::u32string_view::npos ? std::u32string_view::npos : end - begin));
}

std::vector<std::u32string> LinesWithBreakAppended(std::u32string_view text) {
  std::vector<std::u32string> lines(1);
  for (char32_t c : text) {
    if (c == kCarriageReturn) {
      lines.emplace_back();
    } else if (c != kLineFeed) {
      lines.back() += c;
    }
  }
  lines.emplace_back();  // after the appended break
  return lines;
}

std::u32string JoinWithBreakAfterEach(const std::vector<std::u32string>& lines) {
  std::size_t length = 0;
  for (const std::u32string& line : lines) length += line.size() + kLineBreak.size();
  std::u32string joined;
  joined.reserve(length);
  for (const std::u32string& line : lines) {
    joined += line;
    joined += kLineBreak;
  }
  return joined;
}

std::u32string DropLast(std::u32string text, std::size_t count) {
  text.resize(text.size() > count ? text.size() - count : 0);
  return text;
}

std::u32string TransformLines(std::u32string_view text, LineTransform transform) {
  std::vector<std::u32string> lines = LinesWithBreakAppended(text);
  for (std::u32string& line : lines) line = transform(std::move(line));
  return DropLast(JoinWithBreakAfterEach(lines), kBreaksAroundEmptyLastLine);
}

}  // namespace velto::library
