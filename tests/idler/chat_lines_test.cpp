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

// Each text function against the pinned bytes.
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

}  // namespace
}  // namespace velto::idler::lines
