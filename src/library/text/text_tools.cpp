#include "library/text/text_tools.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "host/utf8.h"
#include "library/text/internal/text_lines.h"
#include "library/text/internal/text_search.h"

namespace velto::library {
namespace {

using host::DecodeUtf8;
using host::EncodeUtf8;

constexpr char32_t kSpace = U' ';
constexpr std::string_view kItemSeparator = ", ";

std::u32string Doubled(std::u32string text) {
  std::u32string doubled;
  doubled.reserve(2 * text.size());
  for (char32_t c : text) doubled.append(2, c);
  return doubled;
}

std::u32string WithoutFirstCharacter(std::u32string line) {
  if (!line.empty())
    line.erase(0, 1);
  return line;
}

}  // namespace

// The edits work on well-formed UTF-8; the caller's text is given back repaired (stray
// bytes as U+FFFD) even when nothing in it is replaced, as a decoded text would be.
std::string ReplaceText(std::string& text, std::string_view find, std::string_view replacement) {
  std::string repairedText, repairedFind, repairedReplacement;
  const std::string_view wellFormed = WellFormed(text, repairedText);
  std::string replaced;
  if (ReplacedIgnoringCase(wellFormed, WellFormed(find, repairedFind),
                           WellFormed(replacement, repairedReplacement), replaced)) {
    text = std::move(replaced);
  } else if (wellFormed.data() != text.data()) {
    text = std::move(repairedText);
  }
  return text;
}

std::string SwapText(std::string& text, std::string_view first, std::string_view second) {
  std::string repairedText, repairedFirst, repairedSecond;
  text = SwapStrings(WellFormed(text, repairedText), WellFormed(first, repairedFirst),
                     WellFormed(second, repairedSecond));
  return text;
}

std::string ReverseText(std::string_view text) {
  std::u32string characters = DecodeUtf8(text);
  std::reverse(characters.begin(), characters.end());
  return EncodeUtf8(characters);
}

std::string CharAt(std::string_view text, int position) {
  const std::u32string characters = DecodeUtf8(text);
  if (position < 1 || static_cast<std::size_t>(position) > characters.size())
    return {};
  std::string character;
  host::AppendUtf8(character, characters[static_cast<std::size_t>(position) - 1]);
  return character;
}

std::string DoubleLetters(std::string_view text) {
  return EncodeUtf8(Doubled(DecodeUtf8(text)));
}

int CountLines(std::string_view text) {
  return CountLinesIn(DecodeUtf8(text));
}

std::string GetLine(std::string_view text, int n) {
  return EncodeUtf8(LineOf(DecodeUtf8(text), n));
}

std::string RemoveSpaces(std::string& text) {
  return ReplaceText(text, " ", "");
}

std::string ListItemsToText(const library::ListItems& list) {
  if (list.Count() < 1 || list.Item(0).empty())
    return {};
  std::string text;
  for (int i = 0; i < list.Count(); ++i) {
    if (i > 0)
      text += kItemSeparator;
    text += "(" + list.Item(i) + ")";
  }
  return text;
}

std::string DoubleLettersLines(std::string_view text) {
  return EncodeUtf8(TransformLines(DecodeUtf8(text), Doubled));
}

std::string IndentLines(std::string& text) {
  const std::u32string original = DecodeUtf8(text);
  std::vector<std::u32string> lines = LinesWithBreakAppended(original);
  for (std::u32string& line : lines) line.insert(line.begin(), kSpace);
  std::u32string indented = JoinWithBreakAfterEach(lines);
  indented.resize(std::min(indented.size(), original.size() + lines.size() - 1));
  text = EncodeUtf8(indented);
  return text;
}

std::string UnindentLines(std::string& text) {
  text = EncodeUtf8(TransformLines(DecodeUtf8(text), WithoutFirstCharacter));
  return text;
}

}  // namespace velto::library
