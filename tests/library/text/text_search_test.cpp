#include "library/text/internal/text_search.h"

#include <gtest/gtest.h>

#include <string>

#include "host/substitute_desktop.h"
#include "host/utf8.h"
#include "library/text/text_art.h"
#include "library/text/text_tools.h"

namespace velto::library {
namespace {

// The search compares 16 bytes at a time and the last few one by one: an occurrence is
// found wherever it begins, up to the very end of the text.
TEST(Pattern, FindsAnOccurrenceAtEveryPositionOfTheBlocks) {
  for (std::size_t at = 0; at <= 40; ++at) {
    std::string text(40, 'a');
    text.insert(at, "Xy\xC3\x89");  // "Xyé" in the other case of each letter
    const Pattern pattern("xY\xC3\xA9", Pattern::Case::kIgnored);
    EXPECT_EQ(pattern.Find(text, 0), at) << at;
    EXPECT_EQ(pattern.Find(text, at + 1), Pattern::kNotFound) << at;
  }
}

// The two forms of ÿ (C3 BF) and Ÿ (C5 B8) hold, byte for byte, the form of ø (C3 B8).
TEST(Pattern, IgnoringCaseMatchesWholeCharactersOnly) {
  EXPECT_EQ(ReplaceIgnoringCase("\xC3\xB8 \xC5\xB8 \xC3\xBF", "\xC3\xBF", "y"), "\xC3\xB8 y y");
  EXPECT_EQ(ReplaceIgnoringCase("\xC5\xA0\xC5\xA1", "\xC5\xA1", "s"), "ss");  // Š š
}

TEST(Pattern, CaseCountsWhenAsked) {
  const Pattern pattern("ab", Pattern::Case::kCounts);
  EXPECT_EQ(pattern.Find("AB Ab ab", 0), 6u);
}

TEST(ReplacedCharacters, ReplacesEveryListedCharacterInOnePass) {
  std::string out;
  ASSERT_TRUE(
      ReplacedCharacters("a/b\\c\xC2\xAF", {{"/", "\\"}, {"\\", "/"}, {"\xC2\xAF", "_"}}, out));
  EXPECT_EQ(out, "a\\b/c_");
  EXPECT_FALSE(ReplacedCharacters("abc", {{"/", "\\"}}, out));
}

// The edits take well-formed text only; anything else is read as the decoder reads it.
TEST(WellFormed, AgreesWithTheDecoder) {
  for (const std::string bytes :
       {"plain", "caf\xC3\xA9", "\xE2\x80\xB9\xF0\x9F\x98\x80", "\xC3", "\xC0\x80", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xE2\x80", "a\x80z", "\xF8\x88\x80\x80\x80", "\xC3\xA9\x80"}) {
    std::string storage;
    EXPECT_EQ(WellFormed(bytes, storage), host::EncodeUtf8(host::DecodeUtf8(bytes)))
        << ::testing::PrintToString(bytes);
  }
}

// The caller's text comes back as the decoder reads it whether or not anything matched.
TEST(ReplaceText, GivesBackStrayBytesAsReplacementCharactersEvenWithoutAMatch) {
  std::string text =
      "a\xFF"
      "b";
  EXPECT_EQ(ReplaceText(text, "z", "y"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(text,
            "a\xEF\xBF\xBD"
            "b");
}

// Apostrophes become commas and each pair of commas one: a dropped line feed does not
// end a run, a line break does.
TEST(FlipArt, HalvesRunsOfApostrophesWithinALine) {
  host::SubstituteDesktop desktop;
  std::string overFeed = "'\n'";
  EXPECT_EQ(FlipArt(desktop, overFeed), ",");
  std::string overBreak = "'''\r\n''";
  EXPECT_EQ(FlipArt(desktop, overBreak), ",\r\n,,");
}

}  // namespace
}  // namespace velto::library
