#include <gtest/gtest.h>

#include "library/chat/chat_people.h"
#include "library/library_host_fixture.h"
#include "library/windows/library_timings.h"

namespace velto::testing {
namespace {

class ChatRoomsTest : public LibraryHostTest {
 protected:
  // Chat lines said since the last call, with the virtual moment each was said,
  // counted from `start`.
  std::vector<std::pair<double, std::string>> LinesSaid(double start) {
    std::vector<std::pair<double, std::string>> lines;
    for (std::size_t i = seen_; i < standin_.received().size(); ++i) {
      const Received& r = standin_.received()[i];
      if (r.kind == Received::Kind::kChatLine)
        lines.emplace_back(r.time - start, r.bytes);
    }
    seen_ = standin_.received().size();
    return lines;
  }
};

TEST_F(ChatRoomsTest, RoomLinksGoThroughTheKeywordBox) {
  EnterPrivateRoom(desktop_, "vb4");
  EnterRoomLink61(desktop_, "Town Square");
  EnterRoomLink21(desktop_, "");
  EXPECT_EQ(Fresh(Received::Kind::kKeyword),
            (std::vector<std::string>{"aol://2719:2-2-vb4", "aol://2719:61-2-Town Square",
                                      "aol://2719:21-2-"}));
}

TEST_F(ChatRoomsTest, SendChatTextPausesAfterEachLineAndAfterEachFourLinesOfText) {
  const double start = desktop_.Now();
  SendChatText(desktop_, "First line\r\nhi\r\nThird line\r\nFourth line\r\nFifth line");
  const std::vector<std::pair<double, std::string>> said = LinesSaid(start);
  ASSERT_EQ(said.size(), 4u);
  const std::pair<double, const char*> expected[] = {
      {0.0, "First line"}, {0.7, "Third line"}, {1.4, "Fourth line"}, {2.6, "Fifth line"}};
  for (std::size_t i = 0; i < said.size(); ++i) {
    EXPECT_NEAR(said[i].first, expected[i].first, 1e-6) << expected[i].second;
    EXPECT_EQ(said[i].second, expected[i].second);
  }
  EXPECT_NEAR(desktop_.Now() - start, 3.3, 1e-6)
      << "0.7 after each line said, 0.5 after the fourth";
}

TEST_F(ChatRoomsTest, SendChatTextCutsLongLinesTo92CharactersAndSkipsShortOnes) {
  const std::string hundred(100, 'x');
  std::string accents;
  for (int i = 0; i < 100; ++i) accents += "\u00e9";
  SendChatText(desktop_, hundred + "\r\nabc\r\nabcd\r\n" + accents);
  const std::vector<std::string> lines = standin_.ChatLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string(92, 'x'));
  EXPECT_EQ(lines[1], "abcd") << "three characters are too few, four are enough";
  EXPECT_EQ(lines[2], std::string(92, '\xE9')) << "characters are counted, not bytes";
}

TEST_F(ChatRoomsTest, SendChatTextEndsAtTheFirstLineThatCouldNotBeSaid) {
  // The room closes while the first line's pause runs.
  desktop_.Schedule(0.1, [this] { desktop_.RemoveWindow(standin_.chatRoom()); });
  const double start = desktop_.Now();
  SendChatText(desktop_, "First line\r\nSecond line\r\nThird line\r\nFourth line");
  EXPECT_EQ(LinesSaid(start).size(), 1u);
  EXPECT_LT(desktop_.Now() - start, timings::kChatLinePauseSeconds + 0.1)
      << "no pause after a line that was not said";
}

TEST_F(ChatRoomsTest, SendChatTextSaysNothingWithoutARoomOrText) {
  SendChatText(desktop_, "");
  desktop_.RemoveWindow(standin_.chatRoom());
  const double start = desktop_.Now();
  SendChatText(desktop_, "A line that has nowhere to go");
  EXPECT_TRUE(standin_.ChatLines().empty());
  EXPECT_EQ(desktop_.Now(), start) << "and no pause";
}

TEST(ChatLineParts, SenderBeforeTheFirstColonMessageAfterTheFirstTab) {
  EXPECT_EQ(ChatLineSender("Bob:\tHi: you\tthere"), "Bob");
  EXPECT_EQ(ChatLineMessage("Bob:\tHi: you\tthere"), "Hi: you\tthere");
  EXPECT_EQ(ChatLineSender("no colon\there"), "");
  EXPECT_EQ(ChatLineMessage("no tab: here"), "");
  EXPECT_EQ(ChatLineSender(":\t"), "");
  EXPECT_EQ(ChatLineMessage(":\t"), "");
}

// --- waiting for a room ---

class WaitForRoomEntryTest : public ChatRoomsTest {
 protected:
  // The host's refusal: an "America Online" box whose "OK" button closes it a moment
  // after a space is pressed on it, as a dialog ends after its button has returned.
  WindowHandle ShowRefusal(WindowHandle& ok) {
    const WindowHandle box = desktop_.AddWindow(kNoWindow, "#32770", "America Online");
    desktop_.AddWindow(box, "Static", "");
    desktop_.AddWindow(box, "Static", "This room is full.");
    ok = desktop_.AddWindow(box, "Button", "OK", [box](auto& d, WindowHandle, const auto& m) {
      if (m.message == WM_KEYUP && m.wParam == VK_SPACE)
        d.Schedule(0, [&d, box] { d.RemoveWindow(box); });
      return std::intptr_t{0};
    });
    return box;
  }
};

TEST_F(WaitForRoomEntryTest, ReturnsOnceTheRoomsCaptionIsTheRoomAndLeavesTheRoomCompared) {
  desktop_.Schedule(5, [&] { desktop_.SetCaptionBytes(standin_.chatRoom(), "Vb 4"); });
  std::string room = " VB4";
  const double start = desktop_.Now();
  WaitForRoomEntry(desktop_, room);
  EXPECT_NEAR(desktop_.Now() - start, 5, 0.05);
  EXPECT_EQ(room, "vb4");
  ExpectSequence(desktop_, {}, "nothing sent on the way in");
}

TEST_F(WaitForRoomEntryTest, ConfirmsTheHostsRefusalUntilTheBoxCloses) {
  WindowHandle ok;
  WindowHandle box;
  desktop_.Schedule(2, [&] { box = ShowRefusal(ok); });
  std::string room = "Full Room";
  WaitForRoomEntry(desktop_, room);
  EXPECT_FALSE(desktop_.Exists(box));
  ExpectSequence(desktop_,
                 {SentValue(ok, WM_KEYDOWN, VK_SPACE), SentValue(ok, WM_KEYUP, VK_SPACE),
                  SentValue(ok, WM_KEYDOWN, VK_SPACE), SentValue(ok, WM_KEYUP, VK_SPACE)},
                 "the space pressed twice");
}

TEST_F(WaitForRoomEntryTest, GivesUpAfterItsBound) {
  std::string room = "Elsewhere";
  const double start = desktop_.Now();
  WaitForRoomEntry(desktop_, room);
  EXPECT_NEAR(desktop_.Now() - start, timings::kHostWindowWaitSeconds, 0.1);
  ExpectSequence(desktop_, {}, "nothing sent");
}

}  // namespace
}  // namespace velto::testing
