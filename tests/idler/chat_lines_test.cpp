#include <gtest/gtest.h>

#include "host/host_text.h"
#include "idler/chat_lines.h"

namespace velto::idler::lines {
namespace {

// Lengths in characters: peers' clients and the host's line limit see these exact texts.
TEST(ChatLines, HaveTheirExactLengthsAndBytes) {
  const auto length = [](const std::string& line) { return host::ToHostBytes(line).size(); };
  EXPECT_EQ(length(std::string(kPrefix)), 53u);
  EXPECT_EQ(length(StartedLine()), 80u);
  EXPECT_EQ(length(StoppedLine()), 79u);
  EXPECT_EQ(length(BannerLine()), 75u);
  EXPECT_EQ(length(IdleLine("1", "Reason???")), 86u);
  EXPECT_EQ(length(ImsOffLine()), 88u);
  EXPECT_EQ(length(ImsOnLine()), 88u);
  EXPECT_EQ(length(UnloadedLine()), 66u);
  EXPECT_EQ(length(UnloadLine()), 25u);
  EXPECT_EQ(length(AnnouncementLine()), 74u);
  EXPECT_EQ(length(LoadedByLine("")), 69u);

  EXPECT_EQ(host::ToHostBytes(std::string(kPrefix)),
            "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 >");
  EXPECT_EQ(
      host::ToHostBytes(IdleLine("12", "")),
      "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 > [<b>12</b>] Min \x95 []    ");
  EXPECT_EQ(host::ToHostBytes(UnloadLine()), "<> Velto Idle \x8B\x9B By: Vrel");
  EXPECT_EQ(ImsOnLine().back(), '"');
  EXPECT_EQ(ImsOffLine().back(), ']');
}

}  // namespace
}  // namespace velto::idler::lines
