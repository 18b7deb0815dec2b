// How the chat family's routines end: each outcome they can meet.
#include <gtest/gtest.h>

#include "library/chat/chat_people.h"
#include "library/chat/instant_messages.h"
#include "library/library_host_fixture.h"

namespace velto::testing {
namespace {

using host::Outcome;
using standin::InstantMessageAnswer;

using ChatOutcomes = LibraryHostTest;

TEST_F(ChatOutcomes, AMemberAskedAboutIsDoneOrTimesOutWhenTheWindowNeverOpens) {
  standin_.people().SetPeople({"Guest", "Ann Lee"});
  EXPECT_EQ(OutcomeOf([&] { IsMemberOnline(desktop_, "Ann Lee"); }), Outcome::kDone);
  desktop_.RunFor(0.1);

  standin_.SetInstantMessageAnswer(InstantMessageAnswer::kNeverOpen);
  EXPECT_EQ(OutcomeOf([&] { IsMemberOnline(desktop_, "Ann Lee"); }), Outcome::kTimedOut);
}

TEST_F(ChatOutcomes, ThePeopleOfNoRoomAndAPersonOutOfRangeAreNothingToActOn) {
  standin_.people().SetPeople({"Guest", "Ann Lee"});
  EXPECT_EQ(OutcomeOf([&] { CountChatPeople(desktop_); }), Outcome::kDone);
  EXPECT_EQ(OutcomeOf([&] { IgnoreChatPerson(desktop_, 2); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { IgnoreChatPerson(desktop_, -1); }), Outcome::kNothingToActOn);

  desktop_.RemoveWindow(standin_.chatRoom());
  EXPECT_EQ(OutcomeOf([&] { CountChatPeople(desktop_); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { SendChatText(desktop_, "hello there"); }), Outcome::kNothingToActOn);
}

TEST_F(ChatOutcomes, ChatTextToAHungRoomIsAHostThatDidNotAnswer) {
  desktop_.SetHung(ChatInput(standin_.chatRoom()), true);
  EXPECT_EQ(OutcomeOf([&] { SendChatText(desktop_, "hello there"); }), Outcome::kHostDidNotAnswer);
}

TEST_F(ChatOutcomes, ARoomThatIsNeverEnteredTimesOutAndAQuitEndsTheWait) {
  std::string room = "Elsewhere";
  EXPECT_EQ(OutcomeOf([&] { WaitForRoomEntry(desktop_, room); }), Outcome::kTimedOut);
  desktop_.Schedule(1, [&] { desktop_.PostQuitMessage(0); });
  EXPECT_EQ(OutcomeOf([&] { WaitForRoomEntry(desktop_, room); }), Outcome::kQuitRequested);
}

}  // namespace
}  // namespace velto::testing
