#include <gtest/gtest.h>

#include "host/host_text.h"
#include "idler/chat_lines.h"
#include "idler/pinned_lines.h"

namespace velto::idler::lines {
namespace {

namespace pinned = testing::pinned;

std::string Host(const std::string& utf8) {
  return host::ToHostBytes(utf8);
}

// Each text function against the pinned bytes; lengths in characters as peers' clients
// and the host's line limit see them.
TEST(ChatLines, AreThePinnedBytes) {
  EXPECT_EQ(Host(std::string(kPrefix)), pinned::kPrefix);
  EXPECT_EQ(Host(StartedLine()), pinned::kStarted);
  EXPECT_EQ(Host(StoppedLine()), pinned::kStopped);
  EXPECT_EQ(Host(BannerLine()), pinned::kBanner);
  EXPECT_EQ(Host(IdleLine("12", "")), pinned::IdleLine("12", ""));
  EXPECT_EQ(Host(IdleLine("1", "Reason???")), pinned::IdleLine("1", "Reason???"));
  EXPECT_EQ(Host(ImsOffLine()), pinned::kImsOff);
  EXPECT_EQ(Host(ImsOnLine()), pinned::kImsOn);
  EXPECT_EQ(Host(UnloadedLine()), pinned::kUnloaded);
  EXPECT_EQ(Host(UnloadLine()), pinned::kUnload);
  EXPECT_EQ(Host(AnnouncementLine()), pinned::kAnnouncement);
  EXPECT_EQ(Host(LoadedByLine("")), pinned::LoadedBy(""));
}

TEST(ChatLines, HaveTheirExactLengths) {
  EXPECT_EQ(pinned::kPrefix.size(), 53u);
  EXPECT_EQ(pinned::kStarted.size(), 80u);
  EXPECT_EQ(pinned::kStopped.size(), 79u);
  EXPECT_EQ(pinned::kBanner.size(), 75u);
  EXPECT_EQ(pinned::IdleLine("1", "Reason???").size(), 86u);
  EXPECT_EQ(pinned::kImsOff.size(), 88u);
  EXPECT_EQ(pinned::kImsOn.size(), 88u);
  EXPECT_EQ(pinned::kUnloaded.size(), 66u);
  EXPECT_EQ(pinned::kUnload.size(), 25u);
  EXPECT_EQ(pinned::kAnnouncement.size(), 74u);
  EXPECT_EQ(pinned::LoadedBy("").size(), 69u);
}

TEST(ChatLines, KeywordsRecipientsAndBoxTextsAreThePinnedOnes) {
  EXPECT_EQ(kIdleRoom, pinned::kIdleRoom);
  EXPECT_EQ(std::string(kRoomLink) + "idle", pinned::kIdleRoom);
  EXPECT_EQ(kImsOffRecipient, pinned::kImsOffRecipient);
  EXPECT_EQ(kImsOnRecipient, pinned::kImsOnRecipient);
  EXPECT_EQ(kImsSwitchMessage, pinned::kImsSwitchMessage);
  EXPECT_EQ(kApplicationTitle, pinned::kApplicationTitle);
  EXPECT_EQ(kAboutTitle, pinned::kAboutTitle);
  EXPECT_EQ(kAboutText, pinned::kAboutText);
  EXPECT_EQ(kGreetsTitle, pinned::kGreetsTitle);
  EXPECT_EQ(kGreetsText, pinned::kGreetsText);
}

}  // namespace
}  // namespace velto::idler::lines
