// The platform rules the host routines rely on, checked on every desktop this build has:
// the substitute always, and real user32 (under Wine) in the Windows build. Where the
// two disagree, the substitute is wrong.

#include <gtest/gtest.h>

#include "support/contract_desktop.h"

namespace velto::testing {
namespace {

using host::kAnyCaption;
using host::kNoWindow;
using host::WindowHandle;

class PlatformContract : public ::testing::TestWithParam<ContractDesktopKind> {
 protected:
  void SetUp() override { desktop_ = GetParam().make(); }
  host::Platform& platform() { return desktop_->platform(); }
  WindowHandle Create(WindowHandle parent, const std::string& cls,
                      const std::string& caption = "") {
    return desktop_->Create(parent, cls, caption);
  }
  // A top-level window with three children, "one" to "three", and one grandchild,
  // "inner", under the second.
  struct Family {
    WindowHandle top, first, second, grandchild, third;
  };
  Family CreateFamily(const std::string& topClass) {
    Family f;
    f.top = Create(kNoWindow, topClass);
    f.first = Create(f.top, "AOL Child", "one");
    f.second = Create(f.top, "AOL Child", "two");
    f.grandchild = Create(f.second, "AOL Child", "inner");
    f.third = Create(f.top, "AOL Child", "three");
    return f;
  }

  std::unique_ptr<ContractDesktop> desktop_;
};

TEST_P(PlatformContract, ClassNamesMatchWithoutRegardToCase) {
  const WindowHandle top = Create(kNoWindow, "VeltoContractFrame");
  const WindowHandle mdi = Create(top, "MDIClient");
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "MDICLIENT", kAnyCaption), mdi);
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "mdiclient", kAnyCaption), mdi);
  EXPECT_EQ(platform().FindWindowA("veltocontractframe", kAnyCaption), top);
}

TEST_P(PlatformContract, ParentZeroSearchesTopLevelWindows) {
  const WindowHandle top = Create(kNoWindow, "VeltoContractTop", "Top caption");
  Create(top, "VeltoContractInner");
  EXPECT_EQ(platform().FindWindowExA(kNoWindow, kNoWindow, "VeltoContractTop", kAnyCaption), top);
  EXPECT_EQ(platform().FindWindowExA(kNoWindow, kNoWindow, "VeltoContractInner", kAnyCaption),
            kNoWindow);
}

TEST_P(PlatformContract, ChildrenEnumerateInCreationOrderAndOnlyDirectChildrenCount) {
  const auto [top, first, second, grandchild, third] = CreateFamily("VeltoContractOrder");

  std::vector<WindowHandle> seen;
  for (WindowHandle c = platform().FindWindowExA(top, kNoWindow, "AOL Child", kAnyCaption); c;
       c = platform().FindWindowExA(top, c, "AOL Child", kAnyCaption)) {
    seen.push_back(c);
  }
  EXPECT_EQ(seen, (std::vector<WindowHandle>{first, second, third}));
  EXPECT_NE(grandchild, kNoWindow);
}

TEST_P(PlatformContract, CaptionFilterMatchesWholeCaptionsWithoutRegardToCase) {
  const WindowHandle top = Create(kNoWindow, "VeltoContractCaption");
  Create(top, "AOL Child", "Send Instant Message ");
  const WindowHandle im = Create(top, "AOL Child", "Send Instant Message");
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "AOL Child", "Send Instant Message"), im);
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "AOL Child", "send instant message"), im);
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "AOL Child", "Send Instant"), kNoWindow);
}

TEST_P(PlatformContract, GoneAfterWindowEndsTheEnumeration) {
  const WindowHandle top = Create(kNoWindow, "VeltoContractGone");
  const WindowHandle first = Create(top, "AOL Child");
  Create(top, "AOL Child");
  desktop_->Destroy(first);
  EXPECT_EQ(platform().FindWindowExA(top, first, "AOL Child", kAnyCaption), kNoWindow);
}

TEST_P(PlatformContract, DestroyingAWindowTakesItsChildrenAndLeavesItsSiblingsInOrder) {
  const auto [top, first, middle, inner, last] = CreateFamily("VeltoContractDestroy");
  desktop_->Destroy(middle);
  EXPECT_EQ(platform().FindWindowExA(top, first, "AOL Child", kAnyCaption), last);
  EXPECT_EQ(platform().FindWindowExA(top, kNoWindow, "AOL Child", "two"), kNoWindow);
  EXPECT_EQ(platform().FindWindowExA(middle, kNoWindow, "AOL Child", kAnyCaption), kNoWindow)
      << "a gone window has no children to search";
  EXPECT_EQ(platform().GetWindowTextLengthA(inner), 0) << "the child went with its parent";
  EXPECT_EQ(platform().GetWindowTextA(inner, 10), "");
  EXPECT_FALSE(platform().IsWindowVisible(inner));
  platform().SendMessageA(inner, 0x000C /* WM_SETTEXT */, 0, std::string("late"));
  EXPECT_FALSE(platform().LastSendAnswered());
}

TEST_P(PlatformContract, CaptionTextTravelsAsWindows1252Bytes) {
  const WindowHandle top =
      Create(kNoWindow, "VeltoContractText", "Welcome, \u2039\u00AC\u00B7\u203A\u2022!");
  EXPECT_EQ(platform().GetWindowTextLengthA(top), 15);
  EXPECT_EQ(platform().GetWindowTextA(top, 16), "Welcome, \u2039\u00AC\u00B7\u203A\u2022!");
  EXPECT_EQ(platform().GetWindowTextA(top, 5), "Welc") << "size counts the NUL";
  EXPECT_EQ(platform().GetWindowTextA(top, 1), "");
  EXPECT_EQ(platform().GetWindowTextA(top, 0), "") << "no room at all";
  EXPECT_EQ(platform().GetWindowTextLengthA(kNoWindow), 0);
}

TEST_P(PlatformContract, SetTextReplacesTheCaption) {
  const WindowHandle top = Create(kNoWindow, "VeltoContractSetText", "old");
  EXPECT_EQ(
      platform().SendMessageA(top, 0x000C /* WM_SETTEXT */, 0, std::string("new \u2022 text")), 1);
  EXPECT_EQ(platform().GetWindowTextA(top, 100), "new \u2022 text");
  EXPECT_EQ(platform().SendMessageA(top, 0x0102 /* WM_CHAR */, 'x', 0u), 0)
      << "a message the window leaves alone answers 0 and changes nothing";
  EXPECT_EQ(platform().GetWindowTextA(top, 100), "new \u2022 text");
}

INSTANTIATE_TEST_SUITE_P(Desktops, PlatformContract, ::testing::ValuesIn(ContractDesktopsToCheck()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace velto::testing
