#include <gtest/gtest.h>

#include <stdexcept>

#include "library/chat/chat_people.h"
#include "library/library_host_fixture.h"
#include "library/windows/library_timings.h"
#include "standin/substitute/substitute_host_windows.h"

namespace velto::testing {
namespace {

using standin::SubstituteHostWindows;

class ChatPeopleTest : public LibraryHostTest {
 protected:
  ChatPeopleTest() { standin_.people().SetPeople({"Ann", "Guest", "Bob"}); }

  std::vector<std::string> Listed(int includeSelf) {
    ItemList list;
    ListChatPeople(desktop_, list, includeSelf);
    return list.items;
  }
  // The address of an entry in the host's memory, as the list keeps it.
  std::uint32_t EntryAddress(int index) {
    return static_cast<std::uint32_t>(
        desktop_.SendMessageA(PeopleList(), LB_GETITEMDATA, static_cast<std::uint32_t>(index), 0u));
  }
  void WriteHostMemory(std::uint32_t address, std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    desktop_.WriteProcessMemory(SubstituteHostWindows::kHostProcessId, address, bytes);
  }
};

TEST_F(ChatPeopleTest, CountChatPeopleIsTheListsCount) {
  EXPECT_EQ(CountChatPeople(desktop_), 3);
  desktop_.RemoveWindow(standin_.chatRoom());
  EXPECT_EQ(CountChatPeople(desktop_), 0);
}

TEST_F(ChatPeopleTest, ListChatPeopleLeavesTheUserOutUnlessIncludeSelf) {
  EXPECT_EQ(Listed(kFalse), (std::vector<std::string>{"Ann", "Bob"}));
  EXPECT_EQ(Listed(kTrue), (std::vector<std::string>{"Ann", "Guest", "Bob"}));
  ItemList combo;
  ListChatPeopleToCombo(desktop_, combo, kTrue);
  EXPECT_EQ(combo.items, (std::vector<std::string>{"Ann", "Guest", "Bob"}));
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);
}

TEST_F(ChatPeopleTest, NamesAreReadUpToTheirNulAndAtMost16Bytes) {
  standin_.people().SetPeople(
      {"Zo\u00eb \u00B7", "SixteenCharsLong", "SeventeenCharLong", "A Name Of Twenty Ch"});
  EXPECT_EQ(Listed(kTrue), (std::vector<std::string>{"Zo\u00eb \u00B7", "SixteenCharsLong",
                                                     "SeventeenCharLon", "A Name Of Twenty"}));
}

TEST_F(ChatPeopleTest, AnEntryThatCannotBeReadIsLeftOut) {
  standin_.people().SetPeople({"Ann", "Guest", "Bob", "Cy"});
  WriteHostMemory(EntryAddress(0) + 24, 0xDEAD0000);  // Ann's record is nowhere
  desktop_.WriteProcessMemory(SubstituteHostWindows::kHostProcessId, 0x00300000,
                              std::string(10, 'x'));
  WriteHostMemory(EntryAddress(3) + 24, 0x00300000);  // Cy's name runs off the end
  EXPECT_EQ(Listed(kTrue), (std::vector<std::string>{"Guest", "Bob"}));
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);
}

TEST_F(ChatPeopleTest, WithoutTheHostProcessNothingIsListed) {
  desktop_.SetWindowProcess(PeopleList(), 0x0BAD);
  EXPECT_TRUE(Listed(kTrue).empty());
  desktop_.RemoveWindow(standin_.chatRoom());
  EXPECT_TRUE(Listed(kTrue).empty());
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);
}

TEST_F(ChatPeopleTest, TheProcessIsClosedWhenAddingAnItemFails) {
  class FailingList : public ItemList {
    void AddItem(const std::string&) override { throw std::runtime_error("list is full"); }
  } list;
  EXPECT_THROW(ListChatPeople(desktop_, list, kTrue), std::runtime_error);
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);
}

// --- ignoring a person ---

class IgnoreChatPersonTest : public ChatPeopleTest {
 protected:
  WindowHandle PersonWindow(const std::string& name) const { return HostChild(name); }
};

TEST_F(IgnoreChatPersonTest, OpensThePersonWindowTicksTheBoxAndClosesTheWindow) {
  const WindowHandle list = PeopleList();
  WindowHandle person, box;
  desktop_.Schedule(standin::StandinPeople::kPersonWindowOpenSeconds + 0.001, [&] {
    person = PersonWindow("Bob");
    box = Child(person, "_AOL_Checkbox");
  });
  IgnoreChatPerson(desktop_, 2);
  ExpectSequence(
      desktop_,
      {SentValue(list, LB_GETCOUNT, 0), SentZeroReference(list, LB_SETCURSEL, 2),
       Posted(list, WM_LBUTTONDBLCLK), SentValue(box, BM_GETCHECK, 0), Posted(box, WM_LBUTTONDOWN),
       Posted(box, WM_LBUTTONUP), SentValue(box, BM_GETCHECK, 0), Posted(person, WM_CLOSE)},
      "ignore Bob", {list, person, box});
  desktop_.RunFor(0.1);
  EXPECT_TRUE(standin_.people().IsIgnored("Bob"));
  EXPECT_FALSE(desktop_.Exists(person));
}

TEST_F(IgnoreChatPersonTest, APersonAlreadyIgnoredStaysIgnored) {
  IgnoreChatPerson(desktop_, 0);
  desktop_.RunFor(0.1);
  ASSERT_TRUE(standin_.people().IsIgnored("Ann"));
  IgnoreChatPerson(desktop_, 0);
  desktop_.RunFor(0.1);
  EXPECT_TRUE(standin_.people().IsIgnored("Ann")) << "a second click would have cleared the box";
  EXPECT_EQ(PersonWindow("Ann"), kNoWindow);
}

TEST_F(IgnoreChatPersonTest, AnIndexPastTheEndDoesNothing) {
  IgnoreChatPerson(desktop_, 3);
  IgnoreChatPerson(desktop_, -1);
  ExpectSequence(desktop_, {SentValue(PeopleList(), LB_GETCOUNT, 0)}, "only counted");
}

TEST_F(IgnoreChatPersonTest, GivesUpWhenThePersonWindowNeverOpens) {
  const WindowHandle list = PeopleList();
  desktop_.SetHandler(list, [](host::SubstituteDesktop&, WindowHandle, const host::Message& m) {
    return std::intptr_t{m.message == LB_GETCOUNT ? 3 : 0};  // a double click opens nothing
  });
  const double start = desktop_.Now();
  IgnoreChatPerson(desktop_, 1);
  EXPECT_NEAR(desktop_.Now() - start, timings::kHostWindowWaitSeconds, 0.1);
  ExpectSequence(desktop_,
                 {SentValue(list, LB_GETCOUNT, 0), SentZeroReference(list, LB_SETCURSEL, 1),
                  Posted(list, WM_LBUTTONDBLCLK)},
                 "nothing after the wait", {});
}

TEST_F(IgnoreChatPersonTest, ByNameIgnoresCaseButNeverTheUser) {
  IgnoreChatPersonByName(desktop_, "guest");
  IgnoreChatPersonByName(desktop_, "Nobody");
  for (const host::LoggedMessage& m : desktop_.Log())
    EXPECT_NE(m.message.message, LB_SETCURSEL) << "nobody was picked";
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);

  IgnoreChatPersonByName(desktop_, "bOB");
  desktop_.RunFor(1);
  EXPECT_TRUE(standin_.people().IsIgnored("Bob"));
  EXPECT_FALSE(standin_.people().IsIgnored("Ann"));
  EXPECT_EQ(desktop_.OpenProcessHandles(), 0u);
}

TEST_F(IgnoreChatPersonTest, FindPersonWindowNeedsEveryMarker) {
  const WindowHandle almost = desktop_.AddWindow(standin_.mdiClient(), "AOL Child", "Ann");
  for (const char* cls : {"_AOL_Checkbox", "_AOL_Static", "_AOL_Glyph", "_AOL_Icon"})
    desktop_.AddWindow(almost, cls, "");
  EXPECT_EQ(FindPersonWindow(desktop_), kNoWindow) << "one icon is not two";
  desktop_.AddWindow(almost, "_AOL_Icon", "");
  EXPECT_EQ(FindPersonWindow(desktop_), almost);
}

}  // namespace
}  // namespace velto::testing
