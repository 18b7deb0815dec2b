#include "library/case_fold.h"

namespace velto::library {
namespace {

// Upper and lower case letters of one block sit this far apart (ASCII and Latin-1).
constexpr char32_t kBlockCaseDistance = U'a' - U'A';
constexpr char32_t kMultiplicationSign = U'×';  // sits among the Latin-1 capitals

bool IsAsciiCapital(char32_t c) {
  return c >= U'A' && c <= U'Z';
}

bool IsLatin1Capital(char32_t c) {
  return c >= U'À' && c <= U'Þ' && c != kMultiplicationSign;
}

// The Windows-1252 letters outside Latin-1, each paired with its small letter.
char32_t SmallOfWindows1252Capital(char32_t c) {
  switch (c) {
    case U'Š':
      return U'š';
    case U'Œ':
      return U'œ';
    case U'Ž':
      return U'ž';
    case U'Ÿ':
      return U'ÿ';
    default:
      return c;
  }
}

}  // namespace

char32_t FoldCase(char32_t c) {
  if (IsAsciiCapital(c) || IsLatin1Capital(c))
    return c + kBlockCaseDistance;
  return SmallOfWindows1252Capital(c);
}

std::u32string FoldCase(std::u32string_view text) {
  std::u32string folded(text);
  for (char32_t& c : folded) c = FoldCase(c);
  return folded;
}

}  // namespace velto::library
