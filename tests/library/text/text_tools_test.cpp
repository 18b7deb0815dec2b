#include "library/text/text_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/own_controls.h"

namespace velto::testing {
namespace {

using namespace library;

struct EditCase {
  std::string text, one, other, expected;
};

TEST(ReplaceText, ReplacesEveryOccurrenceIgnoringCase) {
  const std::vector<EditCase> cases = {
      {"Hello World", "o", "0", "Hell0 W0rld"},
      {"HELLO", "l", "x", "HExxO"},  // upper-case match, replacement unchanged
      {"aaaa", "aa", "b", "bb"},     // occurrences do not overlap
      {"aaa", "aa", "b", "ba"},      // the leftmost one wins
      {"a b  c ", " ", "", "abc"},   // adjacent occurrences, empty replacement
      {"AZaz", "az", "-", "--"},     // the ends of the alphabet, either way round
      {"azAZ", "AZ", "-", "--"},
      {"ÀÉÎ ŠŒŽŸ", "àéî šœžÿ", "-", "-"},  // Windows-1252 letters fold too
      {"×÷", "÷", "=", "×="},              // signs among the letters do not fold
      {"¯¯¯¯¯¯¯", "¯¯¯", "^", "^^¯"},      // characters, not bytes
      {"no match", "xyz", "!", "no match"},
      {"", "a", "b", ""},
  };
  for (const EditCase& c : cases) {
    std::string text = c.text;
    SCOPED_TRACE(c.text + " / " + c.one);
    EXPECT_EQ(ReplaceText(text, c.one, c.other), c.expected);
    EXPECT_EQ(text, c.expected) << "and the caller's text holds the result";
  }
}

TEST(ReplaceText, ResumesAfterInsertedReplacement) {
  std::string text = "banana";
  EXPECT_EQ(ReplaceText(text, "a", "aa"), "baanaanaa");
  text = "abab";
  EXPECT_EQ(ReplaceText(text, "AB", "xaby"), "xabyxaby");
}

TEST(ReplaceText, EmptyFindLeavesTextUnchanged) {
  std::string text = "abc";
  EXPECT_EQ(ReplaceText(text, "", "x"), "abc");
}

TEST(SwapText, ExchangesBothStringsInOnePass) {
  const std::vector<EditCase> cases = {
      {"/ \\", "/", "\\", "\\ /"},
      {"(a(b)", "(", ")", ")a)b("},
      {"Aa", "a", "b", "Ab"},            // case counts
      {"x<-->y", "<-", "->", "x-><-y"},  // strings of two characters
      {"abc", "ab", "a", "ac"},          // both at one position: first wins
      {"aab", "a", "ab", "ababb"},       // resumes after the inserted string
      {"ab", "", "b", "a"},              // an empty string is never found
  };
  for (const EditCase& c : cases) {
    std::string text = c.text;
    SCOPED_TRACE(c.text + " / " + c.one + " / " + c.other);
    EXPECT_EQ(SwapText(text, c.one, c.other), c.expected);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(CharacterTools, WorkInCharactersNotBytes) {
  EXPECT_EQ(ReverseText("a¦b‹"), "‹b¦a");
  EXPECT_EQ(ReverseText(""), "");
  EXPECT_EQ(DoubleLetters("a¯ "), "aa¯¯  ");
  EXPECT_EQ(DoubleLetters(""), "");
}

TEST(CharAt, IsEmptyOutsideTheText) {
  const std::string text = "a¯c";
  const std::vector<std::pair<int, std::string>> cases = {{-1, ""}, {0, ""},  {1, "a"},
                                                          {2, "¯"}, {3, "c"}, {4, ""}};
  for (const auto& [position, expected] : cases) {
    EXPECT_EQ(CharAt(text, position), expected) << "position " << position;
  }
}

TEST(CountLines, CountsCarriageReturns) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"", 0}, {"a", 1}, {"a\r", 2}, {"a\r\nb", 2}, {"a\nb", 1}, {"\r\r\n", 3}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(CountLines(text), expected) << text;
}

TEST(GetLine, ReadsLineWithoutBreakCharacters) {
  struct Case {
    std::string text;
    int n;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"one\r\ntwo", 1, "one"},  {"one\r\ntwo", 2, "two"},
      {"one\r\ntwo", 3, ""},     {"one\r\ntwo", 0, ""},
      {"one\r\ntwo\r\n", 3, ""}, {"a\nb\r\nc", 1, "ab"},
      {"a\nb", 1, "a\nb"},  // one line comes back whole
      {"a\rb\n\nc\rd", 2, "bc"}, {"", 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GetLine(c.text, c.n), c.expected) << c.text << " #" << c.n;
}

TEST(RemoveSpaces, RemovesThemFromTheCallersText) {
  std::string text = " a b  ";
  EXPECT_EQ(RemoveSpaces(text), "ab");
  EXPECT_EQ(text, "ab");
}

TEST(ListItemsToText, ParenthesisesItemsSeparatedByComma) {
  EXPECT_EQ(ListItemsToText(testing::ItemList({"one", "two"})), "(one), (two)");
  EXPECT_EQ(ListItemsToText(testing::ItemList({"one", ""})), "(one), ()");
  EXPECT_EQ(ListItemsToText(testing::ItemList({"", "two"})), "")
      << "an empty first item means none";
  EXPECT_EQ(ListItemsToText(testing::ItemList()), "");
}

TEST(LineWiseTools, JoinLinesByCarriageReturnAndLineFeed) {
  EXPECT_EQ(DoubleLettersLines("ab\r\ncd"), "aabb\r\nccdd");
  EXPECT_EQ(DoubleLettersLines("ab\rc\nd"), "aabb\r\nccdd") << "breaks are rewritten";
  EXPECT_EQ(DoubleLettersLines(""), "");

  std::string text = "  a\r\n\r\nb";
  EXPECT_EQ(UnindentLines(text), " a\r\n\r\n");
  EXPECT_EQ(text, " a\r\n\r\n");
}

TEST(IndentLines, CutsResultToTextLengthPlusLinesMinusOne) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a\r\nb", " a\r\n b"}, {"a\r\n", " a\r\n "}, {"", " "},
      {"a\rb", " a\r\n "},  // a lone carriage return: the cut falls short of the last line
      {"a\nb", " ab\r"},
  };
  for (const auto& [original, expected] : cases) {
    std::string text = original;
    EXPECT_EQ(IndentLines(text), expected) << original;
    EXPECT_EQ(text, expected);
  }
}

TEST(IndentLines, UnindentLinesGivesBackTheLines) {
  for (std::string original : {"", "a", " a\r\n\r\n b", "x\r\ny\r\n", "¯¯\r\n|_|"}) {
    std::string text = original;
    IndentLines(text);
    EXPECT_EQ(UnindentLines(text), original);
  }
}

}  // namespace
}  // namespace velto::testing
