#include <gtest/gtest.h>

#include "standin/chat_markup.h"

namespace velto::standin {
namespace {

constexpr std::uint32_t kBlue = 0x1e90ff;
constexpr std::uint32_t kRed = 0xf00f00;

TEST(ParseChatMarkup, TheIdlersPrefixGivesTwoColouredRunsWithEveryByteKept) {
  // The idler's lines as the host receives them: blanks and dots inside the tags.
  const std::string line =
      "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 > Velto Idler \x8B\x9B [ "
      "Started  ] \x95";
  const std::vector<MarkupRun> expected = {
      {" \x8B\xAC\xB7 ", kBlue, false},
      {" Velto Idler \x8B\x9B [ Started  ] \x95", kRed, false},
  };
  EXPECT_EQ(ParseChatMarkup(line), expected);
}

TEST(ParseChatMarkup, BoldSwitchesInsideAColourAndClosingTheFontGoesBackToPlain) {
  const std::vector<MarkupRun> expected = {
      {"a", kRed, false}, {"b", kRed, true}, {"c", kRed, false}, {"d", kPlainTextColour, true}};
  EXPECT_EQ(ParseChatMarkup("<font color=#F00F00>a<b>b</b>c</font>< B >d"), expected);
}

TEST(ParseChatMarkup, ReadsLenientlyAndDropsWhatItDoesNotKnow) {
  EXPECT_EQ(ParseChatMarkup("<font color = '#1E90FF'>x"),
            (std::vector<MarkupRun>{{"x", kBlue, false}}))
      << "blanks and a quote around '=', capital hex digits";
  EXPECT_EQ(ParseChatMarkup("<font color=#1e90fz>x<i>y</i>"),
            (std::vector<MarkupRun>{{"xy", kPlainTextColour, false}}))
      << "a colour that is not six hex digits, and unknown tags, change nothing";
  EXPECT_EQ(ParseChatMarkup("1 < 2 and 3 > 2"),
            (std::vector<MarkupRun>{{"1  2", kPlainTextColour, false}}))
      << "a '<' with a '>' after it is a tag, even in plain talk";
  EXPECT_EQ(ParseChatMarkup("<b>unclosed <font"),
            (std::vector<MarkupRun>{{"unclosed <font", kPlainTextColour, true}}));
  EXPECT_TRUE(ParseChatMarkup("").empty());
  EXPECT_TRUE(ParseChatMarkup("<font color=#000000>").empty());
}

}  // namespace
}  // namespace velto::standin
