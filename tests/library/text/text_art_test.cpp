#include "library/text/text_art.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/substitute_desktop.h"

namespace velto::testing {
namespace {

using namespace library;

struct StyleCase {
  const char* name;
  std::string (*restyle)(std::string&);
  std::string art, expected;
};

TEST(ArtStyles, ReplaceTheirStringsInOrder) {
  const std::vector<StyleCase> cases = {
      {"01", ArtStyle01, "|_|", "¦_¦"},
      {"02", ArtStyle02, "____", "_')\\._"},
      {"03", ArtStyle03, "¯¯¯¯", "º°°°'¯"},
      {"04", ArtStyle04, "¯¯¯", "`**¯"},
      {"05", ArtStyle05, "¯¯¯", "`'¯`“"},
      {"06", ArtStyle06, "___", "¸¡¸¡¸¡"},
      {"07", ArtStyle07, "___", "-‚„‚¸‚"},
      {"08", ArtStyle08, "___", "î,î,î,"},
      {"09", ArtStyle09, "¯¯¯¯¯", "¯`v´¯¯"},
      {"10", ArtStyle10, "¯¯¯", "ª‘ª‘ª‘"},
      {"11", ArtStyle11, "¯¯¯", "°'°'°'"},
      {"12", ArtStyle12, "___", "¸‚¸‚¸‚"},
      {"13", ArtStyle13, "¯¯¯", "”‘”‘”‘"},
      {"14", ArtStyle14, "¯¯¯¯¯", "¯\\,/¯'v'"},
      {"15", ArtStyle15, "/\\", "{}"},
      {"16", ArtStyle16, "/\\", "()"},
      {"17", ArtStyle17, "/\\", "[]"},
      {"18", ArtStyle18, " | ", ";|;"},
      {"19", ArtStyle19, "|¯¯ ¦¯¯", "|'˜¯ ¦'˜¯"},
      {"20", ArtStyle20, "¯¯¯¯¯¯", "¯\\(¯)/\"¯"},
      {"21", ArtStyle21, "   |   ", "-=|=-"},
      {"22", ArtStyle22, "      |      ", "--^v^|^v^--"},
      {"23", ArtStyle23, "¦,´`,:", "|/  \\;"},
      {"24", ArtStyle24, "/ x\\ x /x \\", ",´x`,x,´x`,"},
      {"25", ArtStyle25, "}{][)(", "\\/\\/\\/"},
      {"26", ArtStyle26, "¯/\\|_¦", "¨¨.··.:..:"},
      {"27", ArtStyle27, "|/ \\ ; /", "¦,´`,:,´"},
      {"28", ArtStyle28, "   |  / \\   '", ".:;¦:;/;\\.:;'"},
      {"28", ArtStyle28, "  |   /  \\  '", ":;¦.:;/:;\\:;'"},
      {"28", ArtStyle28, " | /   \\ '", ";¦;/.:;\\;'"},
  };
  for (const StyleCase& c : cases) {
    std::string art = c.art;
    EXPECT_EQ(c.restyle(art), c.expected) << "ArtStyle" << c.name;
    EXPECT_EQ(art, c.expected) << "ArtStyle" << c.name << " leaves its result in the argument";
  }
}

TEST(MirrorArt, ReversesLinesAndExchangesPartners) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"/a\r\n(b", "a\\\r\nb)"},
      {"«‹<[{", "}]>›»"},
      {"ab\r\n", "ba\r\n"},
      {"ab\rc", "ba\r\nc"},                  // breaks come back as carriage return and line feed
      {"a\u0100\u2000b", "b\u2000\u0100a"},  // characters whose last byte is 0x80
  };
  for (const auto& [art, expected] : cases) EXPECT_EQ(MirrorArt(art), expected) << art;
}

class PumpCountingDesktop : public host::SubstituteDesktop {
 public:
  void PumpEvents() override {
    ++pumps;
    SubstituteDesktop::PumpEvents();
  }
  int pumps = 0;
};

TEST(FlipArt, PutsLastLineFirstAndExchangesHighAndLow) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/a\r\n_b", "¯b\r\n\\a"},
      {"a\r\nb\r\n", "\r\nb\r\na"},
      {"\r\n", "\r\n"},
      {"''", ","},   // quotes become commas, and a doubled comma one
      {"`'", ",,"},  // the grave accent only after that
      {"´.‘’¸ˆ\"„", ".´.,ˆ¸„\""},
      {"\U0001F600/é_", "\U0001F600\\é¯"},  // wide characters of four and two bytes kept whole
  };
  for (const auto& [original, expected] : cases) {
    PumpCountingDesktop desktop;
    std::string art = original;
    EXPECT_EQ(FlipArt(desktop, art), expected) << original;
    EXPECT_EQ(art, expected);
  }
}

TEST(FlipArt, PumpsEventsOncePerLineAndOnceMore) {
  PumpCountingDesktop desktop;
  std::string art = "a\r\nb\r\nc";
  FlipArt(desktop, art);
  EXPECT_EQ(desktop.pumps, 4);

  std::string empty;
  FlipArt(desktop, empty);
  EXPECT_EQ(desktop.pumps, 4) << "an empty drawing comes back at once";
}

}  // namespace
}  // namespace velto::testing
