#include <gtest/gtest.h>

#include <cstdio>

#include "library/inspect/host_window_tree.h"
#include "library/library_host_fixture.h"

namespace velto::testing {
namespace {

class HostWindowTreeTest : public LibraryHostTest {
 protected:
  // The tree's line for the window, as the desktop's own model gives its handle, class
  // and caption; "" when the tree has none.
  static std::string LineOf(const std::string& tree, WindowHandle window) {
    char handle[16];
    std::snprintf(handle, sizeof handle, "0x%x ", window.value());
    for (std::size_t start = 0; start < tree.size();) {
      const std::size_t end = tree.find('\n', start);
      const std::string line = tree.substr(start, end - start);
      if (line.find_first_not_of(' ') == line.find(handle))
        return line.substr(line.find(handle));
      start = end + 1;
    }
    return {};
  }
  static std::string Expected(WindowHandle window, const std::string& classAndCaption,
                              const std::string& what) {
    char handle[16];
    std::snprintf(handle, sizeof handle, "0x%x ", window.value());
    return handle + classAndCaption + " visible" + (what.empty() ? "" : "  <- " + what);
  }
};

TEST_F(HostWindowTreeTest, NamesTheFirstWholeRoomAsTheOneUsedAndSaysWhatADecoyLacks) {
  const WindowHandle room = standin_.chatRoom();
  const WindowHandle decoy = standin_.OpenHalfOpenRoom("Lobby 2");
  const WindowHandle second = standin_.OpenChatRoom("Town Square");
  const std::string tree = DescribeHostWindows(desktop_);

  EXPECT_EQ(LineOf(tree, room),
            Expected(room, "\"AOL Child\" \"Lobby\"", "the chat room FindChatRoom uses"));
  EXPECT_EQ(LineOf(tree, decoy), Expected(decoy, "\"AOL Child\" \"Lobby 2\"",
                                          "not the chat room (FindChatRoom): no \"_AOL_Listbox\""));
  EXPECT_EQ(LineOf(tree, second),
            Expected(second, "\"AOL Child\" \"Town Square\"",
                     "a chat room too, passed over: FindChatRoom uses the first"));
  EXPECT_EQ(LineOf(tree, ChatInput(room)),
            Expected(ChatInput(room), "\"RICHCNTL\" \"\"", "the chat input (SendChatLine)"));
  EXPECT_EQ(LineOf(tree, standin_.keywordBox()),
            Expected(standin_.keywordBox(), "\"Edit\" \"\"", "the keyword box (OpenKeyword)"));
}

TEST_F(HostWindowTreeTest, IndentsEachWindowUnderItsParentAndEscapesCaptionBytes) {
  const WindowHandle room = standin_.OpenChatRoom("Caf\xC3\xA9 \"42\"");
  const std::string tree = DescribeHostWindows(desktop_);
  char frame[16];
  std::snprintf(frame, sizeof frame, "0x%x ", standin_.frame().value());
  EXPECT_EQ(tree.find(frame), 0u) << "the frame comes first, not indented";
  const std::string line = LineOf(tree, room);
  EXPECT_NE(line.find("\"Caf\\xe9 \\\"42\\\"\""), std::string::npos) << line;
  // The frame, its MDI client, then the room: two levels deep.
  char roomHandle[16];
  std::snprintf(roomHandle, sizeof roomHandle, "\n    0x%x ", room.value());
  EXPECT_NE(tree.find(roomHandle), std::string::npos) << tree;
}

TEST_F(HostWindowTreeTest, WithoutAHostTheTreeIsEmptyAndThereIsNothingToActOn) {
  host::SubstituteDesktop empty;
  empty.BeginCall();
  EXPECT_EQ(DescribeHostWindows(empty), "");
  EXPECT_EQ(empty.LastOutcome(), host::Outcome::kNothingToActOn);
  desktop_.BeginCall();
  DescribeHostWindows(desktop_);
  EXPECT_EQ(desktop_.LastOutcome(), host::Outcome::kDone)
      << "windows that are not open are no fault of the tree";
}

}  // namespace
}  // namespace velto::testing
