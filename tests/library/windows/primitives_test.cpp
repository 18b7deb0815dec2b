#include <gtest/gtest.h>

#include "library/library_host_fixture.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/primitives.h"

namespace velto::testing {
namespace {

class PrimitivesTest : public LibraryHostTest {};

TEST_F(PrimitivesTest, MessagePrimitivesReachTheWindowInTheHostsForms) {
  const WindowHandle box = desktop_.AddWindow(standin_.mdiClient(), "RICHCNTL", "Hi \u2022");
  CloseHostWindow(desktop_, box);
  SetControlText(desktop_, box, "caf\u00e9 \u2039\u00AC\u00B7\u203A");
  EXPECT_EQ(GetControlText(desktop_, box), "caf\u00e9 \u2039\u00AC\u00B7\u203A");
  PressSpace(desktop_, box);
  ClickControl(desktop_, box);
  ExpectSequence(
      desktop_,
      {Posted(box, WM_CLOSE), SentText(box, WM_SETTEXT, "caf\xE9 \x8B\xAC\xB7\x9B"),
       SentZeroReference(box, WM_GETTEXTLENGTH), SentBuffer(box, WM_GETTEXT, 10),
       SentZeroReference(box, WM_KEYDOWN, VK_SPACE), SentZeroReference(box, WM_KEYUP, VK_SPACE),
       SentZeroReference(box, WM_LBUTTONDOWN), SentZeroReference(box, WM_LBUTTONUP)},
      "primitives on one window", {box});
}

TEST_F(PrimitivesTest, GetControlTextOfAnEmptyWindowOrOfNoWindowIsEmpty) {
  const WindowHandle empty = desktop_.AddWindow(standin_.mdiClient(), "RICHCNTL", "");
  EXPECT_EQ(GetControlText(desktop_, empty), "");
  EXPECT_EQ(GetControlText(desktop_, kNoWindow), "");
  EXPECT_EQ(GetListText(desktop_, kNoWindow), "");
}

TEST_F(PrimitivesTest, NothingIsSentToWindowZero) {
  PlacedForm noForm(kNoWindow, 0, 0, 100, 100);
  HideWindow(desktop_, kNoWindow);
  UnhideWindow(desktop_, kNoWindow);
  CloseHostWindow(desktop_, kNoWindow);
  SetControlText(desktop_, kNoWindow, "lost");
  GetControlText(desktop_, kNoWindow);
  GetListText(desktop_, kNoWindow);
  PressSpace(desktop_, kNoWindow);
  ClickControl(desktop_, kNoWindow);
  MakeTopmost(desktop_, noForm);
  ExpectSequence(desktop_, {}, "window 0");
}

// Whether any message of the kind reached (or was sent towards) the window.
bool AnySent(const host::SubstituteDesktop& desktop, WindowHandle window, std::uint32_t message) {
  for (const host::LoggedMessage& m : desktop.Log()) {
    if (m.window == window && m.message.message == message)
      return true;
  }
  return false;
}

TEST_F(PrimitivesTest, AHungWindowEndsAClickKeyOrReadAfterItsFirstMessage) {
  const WindowHandle box = desktop_.AddWindow(standin_.mdiClient(), "RICHCNTL", "text");
  desktop_.SetHung(box, true);
  EXPECT_FALSE(ClickControl(desktop_, box));
  EXPECT_FALSE(PressSpace(desktop_, box));
  EXPECT_FALSE(SendSpaceKey(desktop_, box));
  EXPECT_EQ(GetControlText(desktop_, box), "");
  EXPECT_FALSE(SetControlText(desktop_, box, "lost"));
  EXPECT_TRUE(AnySent(desktop_, box, WM_LBUTTONDOWN));
  EXPECT_FALSE(AnySent(desktop_, box, WM_LBUTTONUP));
  EXPECT_FALSE(AnySent(desktop_, box, WM_KEYUP));
  EXPECT_FALSE(AnySent(desktop_, box, WM_GETTEXT));
}

TEST_F(PrimitivesTest, AnsweredSendsReportSoAndAVanishedWindowDoesNot) {
  const WindowHandle box = desktop_.AddWindow(standin_.mdiClient(), "RICHCNTL", "");
  EXPECT_TRUE(SetControlText(desktop_, box, "x"));
  EXPECT_TRUE(ClickControl(desktop_, box));
  EXPECT_TRUE(PressSpace(desktop_, box));
  EXPECT_TRUE(SendSpaceKey(desktop_, box));
  desktop_.RemoveWindow(box);
  EXPECT_FALSE(SetControlText(desktop_, box, "x"));
  EXPECT_FALSE(ClickControl(desktop_, box));
  EXPECT_FALSE(ClickControl(desktop_, kNoWindow));
}

TEST_F(PrimitivesTest, GetListTextReadsTheFirstItemAndIsEmptyForAnEmptyList) {
  standin_.people().SetPeople({"Ann \u00B7", "Bob"});
  const WindowHandle list = PeopleList();
  EXPECT_EQ(GetListText(desktop_, list), "Ann \u00B7");
  ExpectSequence(desktop_,
                 {SentZeroReference(list, LB_GETTEXTLEN, 0), SentBuffer(list, LB_GETTEXT, 0)},
                 "first item");

  standin_.people().SetPeople({});
  EXPECT_EQ(GetListText(desktop_, list), "");
  ExpectSequence(desktop_, {SentZeroReference(list, LB_GETTEXTLEN, 0)},
                 "no item: the text is not asked for");
}

TEST_F(PrimitivesTest, HideUnhideAndTopmostChangeTheWindowsState) {
  const WindowHandle window = desktop_.AddWindow(kNoWindow, "ThunderRT6Form", "Form2");
  PlacedForm form(window, 0, 0, 100, 100);
  HideWindow(desktop_, window);
  EXPECT_FALSE(desktop_.IsWindowVisible(window));
  UnhideWindow(desktop_, window);
  EXPECT_TRUE(desktop_.IsWindowVisible(window));
  MakeTopmost(desktop_, form);
  EXPECT_TRUE(desktop_.IsTopmost(window));
  ClearTopmost(desktop_, form);
  EXPECT_FALSE(desktop_.IsTopmost(window));
}

// --- slides ---

struct SlideCase {
  const char* name;
  void (*slide)(host::Platform&, FormControl&);
  bool horizontal;
  int start;
  int last;  // where the form ends
};

TEST_F(PrimitivesTest, EachSlideMovesBy300UntilItsStopTestHolds) {
  desktop_.SetScreenSize(800, 600);  // 12000 twips wide
  const SlideCase cases[] = {
      {"down", SlideFormDown, false, 0, 7500},
      {"down from below the stop", SlideFormDown, false, 8000, 8300},
      {"up, until the whole form is above the screen", SlideFormUp, false, 1000, -2300},
      {"left, until the whole form is left of the screen", SlideFormLeft, true, 500, -3100},
      {"right, past the screen's width in twips", SlideFormRight, true, 11000, 12200},
      // Exactly on each stop is not past it: one more step.
      {"down, through exactly 7200", SlideFormDown, false, 6900, 7500},
      {"up, through a bottom edge of exactly 0", SlideFormUp, false, 400, -2300},
      {"left, through a right edge of exactly 0", SlideFormLeft, true, 600, -3300},
      {"right, through exactly the screen's width", SlideFormRight, true, 11100, 12300},
  };
  for (const SlideCase& c : cases) {
    PlacedForm form(kNoWindow, c.horizontal ? c.start : 0, c.horizontal ? 0 : c.start, 3000, 2000);
    c.slide(desktop_, form);
    const std::vector<int>& moves = c.horizontal ? form.lefts : form.tops;
    ASSERT_FALSE(moves.empty()) << c.name;
    EXPECT_EQ(moves.back(), c.last) << c.name;
    const int step = c.last > c.start ? 300 : -300;
    EXPECT_EQ(moves.size(), static_cast<std::size_t>((c.last - c.start) / step)) << c.name;
    EXPECT_TRUE((c.horizontal ? form.tops : form.lefts).empty()) << c.name;
  }
}

TEST_F(PrimitivesTest, SlidesRunThePumpBeforeMoving) {
  PlacedForm form(kNoWindow, 0, 6000, 3000, 2000);
  int topSeenByHandler = 0;
  desktop_.Schedule(0, [&] { topSeenByHandler = form.Top(); });
  SlideFormDown(desktop_, form);
  EXPECT_EQ(form.tops, (std::vector<int>{6300, 6600, 6900, 7200, 7500}));
  EXPECT_EQ(topSeenByHandler, 6000);
}

TEST_F(PrimitivesTest, AFormThatCannotMoveEndsTheSlide) {
  class StuckForm : public PlacedForm {
   public:
    using PlacedForm::PlacedForm;
    void SetLeft(int) override { ++tries; }
    int tries = 0;
  } form(kNoWindow, 0, 0, 3000, 2000);
  SlideFormRight(desktop_, form);
  EXPECT_EQ(form.tries, 1);
}

}  // namespace
}  // namespace velto::testing
