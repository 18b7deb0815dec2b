#include <gtest/gtest.h>

#include "standin/received_log.h"
#include "standin/standin_command_line.h"

namespace velto::standin {
namespace {

TEST(FormatLogRecord, KeepsTheHostsBytesOneRecordPerLine) {
  EXPECT_EQ(FormatLogRecord({1.2345, Received::Kind::kChatLine, "<b>\x8B\xAC\xB7 \x9B\x95", {}}),
            "1.234 CHAT <b>\x8B\xAC\xB7 \x9B\x95\n");
  EXPECT_EQ(FormatLogRecord({0, Received::Kind::kKeyword, "aol://2719:2-2-vb4", {}}),
            "0.000 KEYWORD aol://2719:2-2-vb4\n");
  EXPECT_EQ(FormatLogRecord({62.5, Received::Kind::kInstantMessage, "Vrel owns you", "$IM_OFF"}),
            "62.500 IM $IM_OFF Vrel owns you\n");
  EXPECT_EQ(FormatLogRecord({3, Received::Kind::kInstantMessage, "a\r\nb\n", "Ann \xC2\xB7"}),
            "3.000 IM Ann \xB7 a\\r\\nb\\n\n")
      << "the recipient as host bytes; line breaks in the text escaped";
}

TEST(ParseStandinCommandLine, ReadsEveryOption) {
  const ParsedCommandLine parsed =
      ParseStandinCommandLine({"--im=box", "--name=Ann Lee", "--room=vb4",
                               "--people=Bob,Ann Lee,Zo\u00eb", "--log=/tmp/s.log", "--echo"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.settings.people, (std::vector<std::string>{"Bob", "Ann Lee", "Zo\u00eb"}));
  EXPECT_EQ(ParseStandinCommandLine({"--people=Bob"}).settings.people,
            std::vector<std::string>{"Bob"});
  EXPECT_EQ(parsed.settings.options.instantMessageAnswer, InstantMessageAnswer::kMessageBox);
  EXPECT_EQ(parsed.settings.options.screenName, "Ann Lee");
  EXPECT_EQ(parsed.settings.options.roomName, "vb4");
  EXPECT_EQ(parsed.settings.logPath, "/tmp/s.log");
  EXPECT_TRUE(parsed.settings.echo);

  const std::pair<const char*, InstantMessageAnswer> answers[] = {
      {"--im=close", InstantMessageAnswer::kCloseWindow},
      {"--im=never", InstantMessageAnswer::kNeverOpen},
      {"--im=silent", InstantMessageAnswer::kNeverAnswer}};
  for (const auto& [argument, answer] : answers) {
    EXPECT_EQ(ParseStandinCommandLine({argument}).settings.options.instantMessageAnswer, answer)
        << argument;
  }
  const ParsedCommandLine defaults = ParseStandinCommandLine({});
  EXPECT_EQ(defaults.settings.options.instantMessageAnswer, InstantMessageAnswer::kCloseWindow);
  EXPECT_EQ(defaults.settings.logPath, "");
  EXPECT_FALSE(defaults.settings.echo);
  EXPECT_TRUE(defaults.settings.people.empty()) << "the user alone, as the host model has it";
}

TEST(ParseStandinCommandLine, RefusesWhatItDoesNotKnow) {
  EXPECT_NE(ParseStandinCommandLine({"--im=maybe"}).error, "");
  EXPECT_NE(ParseStandinCommandLine({"--name=Ann", "--verbose"}).error, "");
  EXPECT_NE(ParseStandinCommandLine({"--echo=yes"}).error, "");
}

TEST(ParseMisbehaviour, ReadsEveryOrderAndRefusesOthers) {
  const std::pair<const char*, Misbehaviour> orders[] = {
      {"close-room", Misbehaviour::kCloseRoomWhenUsed},
      {"close-im", Misbehaviour::kCloseImWhenUsed},
      {"never-open-im", Misbehaviour::kNeverOpenIm},
      {"quit", Misbehaviour::kQuit},
      {"behave", Misbehaviour::kNone}};
  for (const auto& [text, what] : orders) {
    ASSERT_TRUE(ParseMisbehaviour(text)) << text;
    EXPECT_EQ(ParseMisbehaviour(text)->what, what) << text;
  }
  EXPECT_EQ(ParseMisbehaviour("hang:30")->amount, 30) << "seconds";
  EXPECT_EQ(ParseMisbehaviour("slow:500")->amount, 0.5) << "milliseconds, kept as seconds";
  for (const char* wrong : {"hang:", "hang:x", "slow:-1", "close", ""}) {
    EXPECT_FALSE(ParseMisbehaviour(wrong)) << wrong;
  }
  const ParsedCommandLine parsed =
      ParseStandinCommandLine({"--misbehave=hang:5", "--control=/tmp/orders"});
  EXPECT_EQ(parsed.settings.options.misbehaviour.what, Misbehaviour::kHang);
  EXPECT_EQ(parsed.settings.controlPath, "/tmp/orders");
  EXPECT_NE(ParseStandinCommandLine({"--misbehave=sulk"}).error, "");
}

}  // namespace
}  // namespace velto::standin
