// How the window primitives and the host menus end: each outcome they can meet.
#include <gtest/gtest.h>

#include "library/library_host_fixture.h"
#include "library/windows/host_menus.h"
#include "library/windows/primitives.h"

namespace velto::testing {
namespace {

using host::Outcome;

class WindowOutcomes : public LibraryHostTest {
 protected:
  WindowHandle Box() const { return ChatInput(standin_.chatRoom()); }
};

TEST_F(WindowOutcomes, APrimitiveIsDoneHungOrHasNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { ClickControl(desktop_, Box()); }), Outcome::kDone);
  EXPECT_EQ(OutcomeOf([&] { SetControlText(desktop_, kNoWindow, "x"); }), Outcome::kNothingToActOn);
  desktop_.SetHung(Box(), true);
  EXPECT_EQ(OutcomeOf([&] { PressSpace(desktop_, Box()); }), Outcome::kHostDidNotAnswer);
  EXPECT_EQ(OutcomeOf([&] { GetControlText(desktop_, Box()); }), Outcome::kHostDidNotAnswer);
}

TEST_F(WindowOutcomes, AToolbarMenuThatNeverOpensTimesOutAndAQuitEndsIt) {
  EXPECT_EQ(OutcomeOf([&] { ToolbarMenuDown4(desktop_); }), Outcome::kDone);
  desktop_.RunFor(0.1);  // the menu closes on the keys

  desktop_.SetHandler(ToolbarIcon(3), {});  // the icon no longer opens its menu
  EXPECT_EQ(OutcomeOf([&] { ToolbarMenuDown4(desktop_); }), Outcome::kTimedOut);

  desktop_.PostQuitMessage(0);
  EXPECT_EQ(OutcomeOf([&] { ToolbarMenuDown4(desktop_); }), Outcome::kQuitRequested);
}

TEST_F(WindowOutcomes, AMenuEntryThatIsNotThereOrAMenuOfNoHostHasNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { RunHostMenuItem(desktop_, 99, 0); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { RunHostMenuText(desktop_, "no such entry"); }),
            Outcome::kNothingToActOn);
  standin_.Misbehave({standin::Misbehaviour::kQuit});
  EXPECT_EQ(OutcomeOf([&] { ToolbarMenuDown2(desktop_); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { RunHostMenuText(desktop_, "Exit"); }), Outcome::kNothingToActOn);
}

}  // namespace
}  // namespace velto::testing
