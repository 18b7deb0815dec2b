#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/messages.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"

namespace velto::testing {
namespace {

using host::FindChatRoom;
using host::kNoWindow;
using host::SendChatLine;
using host::WindowHandle;

class FindChatRoomTest : public HostTest {
 protected:
  // A host child window with direct children of the given classes.
  WindowHandle AddChild(std::initializer_list<const char*> classes) {
    const WindowHandle child = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "");
    for (const char* cls : classes) desktop_.AddWindow(child, cls, "");
    return child;
  }
};

TEST_F(FindChatRoomTest, ReturnsTheFirstRoomInChildOrder) {
  standin_.OpenChatRoom("Second");
  EXPECT_EQ(FindChatRoom(desktop_), standin_.chatRoom());
}

TEST_F(FindChatRoomTest, PassesOverChildrenMissingAnyOfTheFourClasses) {
  desktop_.RemoveWindow(standin_.chatRoom());
  AddChild({"RICHCNTL", "_AOL_Listbox", "_AOL_Icon"});
  const WindowHandle nested = AddChild({"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "AOL View"});
  desktop_.AddWindow(desktop_.ChildrenOf(nested).back(), "_AOL_Static", "");  // a grandchild
  EXPECT_EQ(FindChatRoom(desktop_), kNoWindow);

  const WindowHandle room = AddChild({"_AOL_Static", "_AOL_Icon", "_AOL_Listbox", "RICHCNTL"});
  EXPECT_EQ(FindChatRoom(desktop_), room) << "the order of the controls does not matter";
}

TEST_F(FindChatRoomTest, NoHostOrNoChildWindowGivesZero) {
  desktop_.RemoveWindow(standin_.welcomeWindow());
  desktop_.RemoveWindow(standin_.chatRoom());
  EXPECT_EQ(FindChatRoom(desktop_), kNoWindow);
  desktop_.RemoveWindow(standin_.frame());
  EXPECT_EQ(FindChatRoom(desktop_), kNoWindow);
}

TEST_F(FindChatRoomTest, AWindowClosingMidWalkEndsTheWalk) {
  standin_.OpenChatRoom("Later room");
  // The welcome window comes first; it closes while it is being looked at.
  desktop_.beforeFindWindowEx = [&](WindowHandle parent, WindowHandle) {
    if (parent == standin_.welcomeWindow()) {
      desktop_.beforeFindWindowEx = nullptr;
      desktop_.RemoveWindow(standin_.welcomeWindow());
    }
  };
  EXPECT_EQ(FindChatRoom(desktop_), kNoWindow);
}

class SendChatLineTest : public HostTest {};

TEST_F(SendChatLineTest, SetsTheChatInputThenTypesCarriageReturn) {
  const WindowHandle input = ChatInput(standin_.chatRoom());
  SendChatLine(desktop_, "hi \u2039\u203A \u2022");
  ExpectSequence(desktop_,
                 {SentText(input, WM_SETTEXT, "hi \x8B\x9B \x95"), SentValue(input, WM_CHAR, 0x0D)},
                 "one chat line");
  EXPECT_EQ(standin_.ChatLines(), std::vector<std::string>{"hi \x8B\x9B \x95"});
}

TEST_F(SendChatLineTest, EmptyTextStillTypesCarriageReturn) {
  const WindowHandle input = ChatInput(standin_.chatRoom());
  SendChatLine(desktop_, "");
  ExpectSequence(desktop_, {SentText(input, WM_SETTEXT, ""), SentValue(input, WM_CHAR, 0x0D)},
                 "empty line");
}

TEST_F(SendChatLineTest, GoesToTheFirstRoomWhenTwoAreOpen) {
  const WindowHandle second = standin_.OpenChatRoom("Other");
  SendChatLine(desktop_, "x");
  ExpectSequence(desktop_, {}, "nothing to the second room", {ChatInput(second)});
}

TEST_F(SendChatLineTest, SendsNothingAnywhereWithoutARoomOrSecondInput) {
  // A top-level "RICHCNTL" of another program must never receive our line.
  desktop_.AddWindow(kNoWindow, "RICHCNTL", "someone else's editor");
  desktop_.RemoveWindow(desktop_.ChildrenOf(standin_.chatRoom()).at(1));
  SendChatLine(desktop_, "lost");
  desktop_.RemoveWindow(standin_.frame());
  SendChatLine(desktop_, "lost");
  ExpectSequence(desktop_, {}, "no room");
}

}  // namespace
}  // namespace velto::testing
