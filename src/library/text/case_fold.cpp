#include "library/text/internal/case_fold.h"

#include "host/utf8.h"

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

// The Windows-1252 letters outside Latin-1: each capital with its small letter.
struct CasePair {
  char32_t capital;
  char32_t small;
};
constexpr CasePair kWindows1252Pairs[] = {{U'Š', U'š'}, {U'Œ', U'œ'}, {U'Ž', U'ž'}, {U'Ÿ', U'ÿ'}};

char32_t SmallOfWindows1252Capital(char32_t c) {
  for (const CasePair& pair : kWindows1252Pairs) {
    if (pair.capital == c)
      return pair.small;
  }
  return c;
}

char32_t CapitalOfWindows1252Small(char32_t c) {
  for (const CasePair& pair : kWindows1252Pairs) {
    if (pair.small == c)
      return pair.capital;
  }
  return c;
}

bool IsAsciiSmall(char32_t c) {
  return c >= U'a' && c <= U'z';
}

constexpr char32_t kDivisionSign = U'÷';  // sits among the Latin-1 small letters

bool IsLatin1Small(char32_t c) {
  return c >= U'à' && c <= U'þ' && c != kDivisionSign;
}

std::string EachCharacter(std::string_view text, char32_t (*change)(char32_t)) {
  std::string changed;
  changed.reserve(text.size());
  for (char32_t c : host::DecodeUtf8(text)) host::AppendUtf8(changed, change(c));
  return changed;
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

char32_t RaiseCase(char32_t c) {
  if (IsAsciiSmall(c) || IsLatin1Small(c))
    return c - kBlockCaseDistance;
  return CapitalOfWindows1252Small(c);
}

std::string FoldCaseUtf8(std::string_view text) {
  return EachCharacter(text, FoldCase);
}

std::string RaiseCaseUtf8(std::string_view text) {
  return EachCharacter(text, RaiseCase);
}

}  // namespace velto::library
