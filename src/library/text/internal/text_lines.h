#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lines of texts decoded to characters. Lines are counted by carriage returns; a line
// feed after one belongs to the break, and line feeds are dropped from the lines read.
namespace velto::library {

inline constexpr char32_t kCarriageReturn = U'\r';
inline constexpr char32_t kLineFeed = U'\n';
inline constexpr std::u32string_view kLineBreak = U"\r\n";
// What ends a join of lines whose last line is empty: its break and the one before it.
inline constexpr std::size_t kBreaksAroundEmptyLastLine = 2 * kLineBreak.size();

// 0 for an empty text, otherwise the number of carriage returns + 1.
int CountLinesIn(std::u32string_view text);

// Line n from 1, without carriage returns and line feeds; empty when there is no line n.
// A text of one line comes back whole, line feeds included.
std::u32string LineOf(std::u32string_view text, int n);

// The lines of the text with a line break appended, as LineOf reads them: the last one
// is the empty line after that break. Reads the text once.
std::vector<std::u32string> LinesWithBreakAppended(std::u32string_view text);

// The lines, each followed by a line break.
std::u32string JoinWithBreakAfterEach(const std::vector<std::u32string>& lines);

// The text without its last `count` characters; empty when it is no longer than that.
std::u32string DropLast(std::u32string text, std::size_t count);

// Changes one line; an empty line must stay empty.
using LineTransform = std::u32string (*)(std::u32string line);

// Every line of the text (as LinesWithBreakAppended reads them) transformed, joined by
// line breaks, with no break at the end.
std::u32string TransformLines(std::u32string_view text, LineTransform transform);

}  // namespace velto::library
