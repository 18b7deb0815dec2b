#include <gtest/gtest.h>

#include "host/window_search.h"
#include "support/host_fixture.h"

namespace velto::testing {
namespace {

using host::kNoWindow;
using host::WindowHandle;

// Three "_AOL_Icon" children of one window, as the host's toolbars hold them.
class WindowSearchTest : public HostTest {
 protected:
  void SetUp() override {
    parent_ = desktop_.AddWindow(kNoWindow, "VeltoSearchParent", "");
    for (WindowHandle& icon : icons_) icon = desktop_.AddWindow(parent_, "_AOL_Icon", "");
  }
  WindowHandle parent_ = kNoWindow;
  WindowHandle icons_[3] = {};
};

TEST_F(WindowSearchTest, TheNthChildCountsFromOneAndEndsPastTheLast) {
  EXPECT_EQ(host::FindNthChild(desktop_, parent_, "_AOL_Icon", 1), icons_[0]);
  EXPECT_EQ(host::FindNthChild(desktop_, parent_, "_AOL_Icon", 3), icons_[2]);
  EXPECT_EQ(host::FindNthChild(desktop_, parent_, "_AOL_Icon", 4), kNoWindow);
  EXPECT_EQ(host::FindNthChild(desktop_, kNoWindow, "_AOL_Icon", 1), kNoWindow);
}

// A missing window earlier in a walk ends the walk: it never restarts from the first
// child, nor searches the whole desktop.
TEST_F(WindowSearchTest, AMissingParentOrPlaceEndsTheSearch) {
  EXPECT_EQ(host::FindNextChild(desktop_, parent_, icons_[0], "_AOL_Icon"), icons_[1]);
  EXPECT_EQ(host::FindNextChild(desktop_, parent_, kNoWindow, "_AOL_Icon"), kNoWindow);
  EXPECT_EQ(host::FindNextChild(desktop_, kNoWindow, icons_[0], "_AOL_Icon"), kNoWindow);
  EXPECT_EQ(host::FindChild(desktop_, kNoWindow, "VeltoSearchParent"), kNoWindow);
}

}  // namespace
}  // namespace velto::testing
