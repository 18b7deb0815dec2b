#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "support/host_fixture.h"

namespace velto::testing {
namespace {

class GetScreenNameTest : public HostTest {
 protected:
  void SetWelcome(const std::string& caption) {
    desktop_.SetCaptionBytes(standin_.welcomeWindow(), caption);
  }
};

TEST_F(GetScreenNameTest, TakesEverythingBetweenWelcomeAndTheFirstBang) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Welcome, Ann!", "Ann"},
      {"Welcome, Ann Lee !", "Ann Lee "},
      {"Welcome, Ann! Good to see you!", "Ann"},
      {"Welcome, !", ""},
      {"welcome, Ann!", ""},
      {"Hi. Welcome, Ann!", ""},
      {"Welcome, Ann", "Ann"},  // no "!": the rest of the caption
  };
  for (const auto& [caption, name] : cases) {
    SetWelcome(caption);
    EXPECT_EQ(host::GetScreenName(desktop_), name) << caption;
  }
}

TEST_F(GetScreenNameTest, FindsTheFirstWelcomeWindowAfterOtherWindows) {
  // The welcome window is created before the chat room; move it after by reopening.
  desktop_.RemoveWindow(standin_.welcomeWindow());
  desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Welcome, Bob!");
  desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Welcome, Carl!");
  EXPECT_EQ(host::GetScreenName(desktop_), "Bob");
}

TEST_F(GetScreenNameTest, EmptyWithoutHost) {
  desktop_.RemoveWindow(standin_.frame());
  EXPECT_EQ(host::GetScreenName(desktop_), "");
  EXPECT_EQ(host::GetWindowCaption(desktop_, host::kNoWindow), "");
}

}  // namespace
}  // namespace velto::testing
