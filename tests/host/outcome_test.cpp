#include "host/outcome.h"

#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/timings.h"
#include "host/wait.h"
#include "support/host_fixture.h"
#include "support/outcome_print.h"

namespace velto::testing {
namespace {

using host::InstantMessageOutcome;
using host::Outcome;
using standin::Misbehaviour;

TEST(OutcomeRecord, AStepThatWentWellClearsOnlyNothingToActOn) {
  host::OutcomeRecord record;
  record.Record(Outcome::kNothingToActOn);
  record.Record(Outcome::kDone);
  EXPECT_EQ(record.Last(), Outcome::kDone) << "a window merely looked for, then work done";

  record.Record(Outcome::kHostDidNotAnswer);
  record.Record(Outcome::kDone);
  EXPECT_EQ(record.Last(), Outcome::kHostDidNotAnswer) << "a later answer hides no failure";

  record.Record(Outcome::kTimedOut);
  EXPECT_EQ(record.Last(), Outcome::kTimedOut) << "the latest failure is the reason";

  record.Begin();
  EXPECT_EQ(record.Last(), Outcome::kDone);
}

TEST(OutcomeRecord, QuitIsFinalAndQuietStepsTellNothing) {
  host::OutcomeRecord record;
  {
    const host::OutcomeRecord::Quiet quiet(record);
    record.Record(Outcome::kTimedOut);
  }
  EXPECT_EQ(record.Last(), Outcome::kDone);
  record.Record(Outcome::kQuitRequested);
  record.Record(Outcome::kHostDidNotAnswer);
  EXPECT_EQ(record.Last(), Outcome::kQuitRequested);
}

TEST(OutcomeRecord, EveryOutcomeHasItsOwnName) {
  EXPECT_STREQ(host::OutcomeName(Outcome::kDone), "done");
  EXPECT_STREQ(host::OutcomeName(Outcome::kNothingToActOn), "nothing to act on");
  EXPECT_STREQ(host::OutcomeName(Outcome::kHostDidNotAnswer), "the host did not answer");
  EXPECT_STREQ(host::OutcomeName(Outcome::kTimedOut), "timed out");
  EXPECT_STREQ(host::OutcomeName(Outcome::kQuitRequested), "quit requested");
  EXPECT_STREQ(host::OutcomeName(Outcome::kBadArgument), "bad argument");
  EXPECT_STREQ(host::OutcomeName(Outcome::kFailed), "failed");
}

using HostRoutineOutcomes = HostTest;

TEST_F(HostRoutineOutcomes, ChatLineEndsDoneHungOrWithNothingToActOn) {
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kDone);

  desktop_.SetHung(ChatInput(standin_.chatRoom()), true);
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kHostDidNotAnswer);
  desktop_.SetHung(ChatInput(standin_.chatRoom()), false);
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kDone)
      << "each call begun afresh";

  standin_.Misbehave({Misbehaviour::kQuit});
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { host::OpenKeyword(desktop_, "x"); }), Outcome::kNothingToActOn);
  EXPECT_EQ(OutcomeOf([&] { host::FindChatRoom(desktop_); }), Outcome::kNothingToActOn);
}

TEST_F(HostRoutineOutcomes, AChatRoomThatClosesAsTheLineArrivesIsAHostThatDidNotAnswer) {
  standin_.Misbehave({Misbehaviour::kCloseRoomWhenUsed});
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kHostDidNotAnswer);
}

TEST_F(HostRoutineOutcomes, InstantMessageTakenIsDoneAndAWindowThatNeverOpensTimesOut) {
  InstantMessageOutcome im{};
  EXPECT_EQ(OutcomeOf([&] { im = host::SendInstantMessage(desktop_, "$IM_OFF", "x"); }),
            Outcome::kDone);
  EXPECT_EQ(im, InstantMessageOutcome::kTaken);

  standin_.Misbehave({Misbehaviour::kNeverOpenIm});
  EXPECT_EQ(OutcomeOf([&] { im = host::SendInstantMessage(desktop_, "$IM_OFF", "x"); }),
            Outcome::kTimedOut);
  EXPECT_EQ(im, InstantMessageOutcome::kTimedOut);
}

TEST_F(HostRoutineOutcomes, AQuitRequestEndsEveryLaterCallAndAPauseRunningOutIsNoTimeout) {
  EXPECT_EQ(OutcomeOf([&] { host::Pause(desktop_, 1); }), Outcome::kDone);

  desktop_.PostQuitMessage(0);
  EXPECT_EQ(OutcomeOf([&] { host::Pause(desktop_, 1); }), Outcome::kQuitRequested);
  EXPECT_EQ(OutcomeOf([&] { host::SendChatLine(desktop_, "hi"); }), Outcome::kQuitRequested);
}

}  // namespace
}  // namespace velto::testing
