// The substitute desktop's own rules, those real user32 cannot be asked about: how long a
// send takes against a slow or hung program, when a posted message is read, the order
// the virtual clock runs events in, and what a read of another process's memory returns.
// Every native test trusts these; the platform rules both desktops share are in
// platform_contract_test.cpp.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/messages.h"
#include "host/substitute_desktop.h"
#include "host/timings.h"

namespace velto::testing {
namespace {

using host::Delivery;
using host::Message;
using host::SubstituteDesktop;
using host::WindowHandle;

constexpr std::uint32_t kProcess = 77;
constexpr double kKnownHung = host::timings::kHungHostMilliseconds / 1000.0;

// A desktop with one window of kProcess whose handler notes each message and the
// virtual time it came at, and answers 42.
class SubstituteDeliveryTest : public ::testing::Test {
 protected:
  SubstituteDeliveryTest() {
    window_ =
        desktop_.AddWindow(host::kNoWindow, "VeltoTarget", "target",
                           [this](SubstituteDesktop& desktop, WindowHandle, const Message& m) {
                             received_.push_back(m.message);
                             receivedAt_.push_back(desktop.Now());
                             return std::intptr_t{42};
                           });
    desktop_.SetWindowProcess(window_, kProcess);
  }
  // A send that takes `seconds` of virtual time and tells whether it was answered.
  bool Send(double* seconds = nullptr) {
    const double start = desktop_.Now();
    const std::intptr_t result = desktop_.SendMessageA(window_, WM_CLOSE, 0, 0u);
    if (seconds)
      *seconds = desktop_.Now() - start;
    EXPECT_EQ(result, desktop_.LastSendAnswered() ? 42 : 0);
    return desktop_.LastSendAnswered();
  }

  SubstituteDesktop desktop_;
  WindowHandle window_;
  std::vector<std::uint32_t> received_;
  std::vector<double> receivedAt_;
};

TEST_F(SubstituteDeliveryTest, APostedMessageReachesTheHandlerAtTheNextPumpAndOnlyThen) {
  desktop_.PostMessageA(window_, WM_CHAR, 0x0D, 0);
  EXPECT_TRUE(received_.empty()) << "posting does not run the handler";
  desktop_.PumpEvents();
  EXPECT_EQ(received_, (std::vector<std::uint32_t>{WM_CHAR}));
  desktop_.RunFor(5);
  EXPECT_EQ(received_.size(), 1u) << "read once";

  const WindowHandle gone = desktop_.AddWindow(host::kNoWindow, "VeltoGone", "", {});
  desktop_.PostMessageA(gone, WM_CLOSE, 0, 0);
  desktop_.RemoveWindow(gone);
  desktop_.PostMessageA(gone, WM_CLOSE, 0, 0);
  desktop_.RunFor(1);
  ASSERT_EQ(desktop_.Log().size(), 3u);
  EXPECT_TRUE(desktop_.Log()[1].delivered) << "the window was there when it was posted";
  EXPECT_FALSE(desktop_.Log()[2].delivered);
  EXPECT_EQ(desktop_.PendingEvents(), 0u);
}

TEST_F(SubstituteDeliveryTest, AnAnswerDelayUpToTheSendBoundIsWaitedForAndALongerOneIsNot) {
  desktop_.SetSendBound(2.0);
  double took = 0;
  desktop_.SetAnswerDelay(kProcess, 2.0);
  EXPECT_TRUE(Send(&took)) << "a delay equal to the bound is still within it";
  EXPECT_DOUBLE_EQ(took, 2.0);
  desktop_.SetAnswerDelay(kProcess, 0.5);
  EXPECT_TRUE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 0.5);
  desktop_.SetAnswerDelay(kProcess, 2.5);
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 2.0) << "the sender gives up at the bound";
  EXPECT_EQ(received_.size(), 2u) << "an unanswered send does not reach the handler";
  EXPECT_FALSE(desktop_.Log().back().delivered);
}

TEST_F(SubstituteDeliveryTest, AProcessHangUpToTheBoundDelaysTheAnswerALongerOneFailsIt) {
  desktop_.SetSendBound(2.0);
  desktop_.SetAnswerDelay(kProcess, 0.25);
  double took = 0;
  desktop_.HangProcess(kProcess, 2.0);
  EXPECT_TRUE(Send(&took)) << "answered as the hang ends, exactly at the bound";
  EXPECT_DOUBLE_EQ(took, 2.25) << "the hang, then the answer delay";

  desktop_.SetAnswerDelay(kProcess, 0);
  desktop_.RunFor(10);
  desktop_.HangProcess(kProcess, 30);
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 2.0);
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 2.0) << "not yet hung long enough for the system to know";
  desktop_.RunFor(kKnownHung - 4.0);
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 0) << "hung for the known-hung time: fails at once";
  desktop_.RunFor(30);
  EXPECT_TRUE(Send(&took)) << "the hang is over";
  EXPECT_DOUBLE_EQ(took, 0);
}

TEST_F(SubstituteDeliveryTest, AHungWindowFailsSendsAndKeepsPostedMessagesUntilItAnswers) {
  desktop_.SetHung(window_, true);
  desktop_.RunFor(kKnownHung - 0.5);
  double took = 0;
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, kKnownHung) << "not hung long enough yet: the send waits out the bound";
  EXPECT_FALSE(Send(&took));
  EXPECT_DOUBLE_EQ(took, 0) << "then the system knows it is hung";

  const double posted = desktop_.Now();
  desktop_.PostMessageA(window_, WM_CHAR, 0x20, 0);
  desktop_.RunFor(4.5);
  EXPECT_TRUE(received_.empty());
  EXPECT_EQ(desktop_.PendingEvents(), 1u) << "still queued";
  desktop_.SetHung(window_, false);
  desktop_.RunFor(0.6);
  EXPECT_EQ(received_, (std::vector<std::uint32_t>{WM_CHAR})) << "read at the next look, 1 s on";
  EXPECT_DOUBLE_EQ(receivedAt_.back(), posted + 5.0);
  EXPECT_TRUE(Send());

  // A posted message to a program hung for a while is read the moment the hang ends.
  desktop_.HangProcess(kProcess, 2.5);
  const double hangEnds = desktop_.Now() + 2.5;
  desktop_.PostMessageA(window_, WM_CHAR, 0x21, 0);
  desktop_.RunFor(10);
  ASSERT_EQ(received_.size(), 3u);
  EXPECT_DOUBLE_EQ(receivedAt_.back(), hangEnds);
}

TEST(SubstituteClock, EventsRunInTheOrderTheyComeDueThoseOfOneMomentInTheOrderScheduled) {
  SubstituteDesktop desktop;
  std::vector<std::string> ran;
  std::vector<double> at;
  auto note = [&](std::string name) {
    return [&, name] {
      ran.push_back(name);
      at.push_back(desktop.Now());
    };
  };
  desktop.Schedule(2, note("late"));
  desktop.Schedule(1, note("first of 1"));
  desktop.Schedule(-3, note("past"));
  desktop.Schedule(1, note("second of 1"));
  desktop.Schedule(0, [&] {
    note("now")();
    desktop.Schedule(0, note("queued by now"));
  });
  desktop.PumpEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"past", "now", "queued by now"}));
  desktop.RunFor(2);
  EXPECT_EQ(ran, (std::vector<std::string>{"past", "now", "queued by now", "first of 1",
                                           "second of 1", "late"}))
      << "an event due exactly at the end of the run still runs";
  EXPECT_EQ(at, (std::vector<double>{0, 0, 0, 1, 1, 2}));
  EXPECT_DOUBLE_EQ(desktop.Now(), 2);
}

TEST(SubstituteClock, AWaitEndsAtTheNextEventOrItsTimeAndWakesOnlyWhenItBlocks) {
  SubstituteDesktop desktop;
  desktop.Schedule(3, [] {});
  desktop.WaitForEvent(10);
  EXPECT_DOUBLE_EQ(desktop.Now(), 3) << "woken by the event";
  EXPECT_EQ(desktop.Wakes(), 1u);
  desktop.WaitForEvent(10);
  EXPECT_DOUBLE_EQ(desktop.Now(), 3) << "an event is due: no wait";
  EXPECT_EQ(desktop.Wakes(), 1u);
  desktop.PumpEvents();
  desktop.WaitForEvent(1.5);
  EXPECT_DOUBLE_EQ(desktop.Now(), 4.5) << "nothing scheduled: the whole time";
  EXPECT_EQ(desktop.Wakes(), 2u);

  desktop.SetTimeOfDay(host::timings::kSecondsPerDay - 60);
  desktop.Sleep(90);
  EXPECT_DOUBLE_EQ(desktop.TimeOfDay(), 30) << "the time of day wraps at midnight";
  EXPECT_DOUBLE_EQ(desktop.Clock(), 94.5) << "the monotonic clock does not";
}

TEST(SubstituteMemory, AReadSucceedsOnlyWhollyInsideOneWrittenRegionOfAnOpenProcess) {
  SubstituteDesktop desktop;
  const WindowHandle list = desktop.AddWindow(host::kNoWindow, "_AOL_Listbox", "");
  desktop.SetWindowProcess(list, kProcess);
  EXPECT_FALSE(desktop.OpenProcess(0, false, kProcess)) << "nothing written: no such process";
  desktop.WriteProcessMemory(kProcess, 0x1000, "abcdefgh");
  desktop.WriteProcessMemory(kProcess, 0x1004, "WX");

  const host::ProcessHandle process =
      desktop.OpenProcess(0, false, desktop.GetWindowThreadProcessId(list));
  ASSERT_TRUE(process);
  EXPECT_EQ(desktop.OpenProcessHandles(), 1u);
  auto read = [&](std::uint32_t address, std::size_t size) {
    char buffer[16] = "untouched";
    const bool ok = desktop.ReadProcessMemory(process, address, buffer, size);
    return ok ? std::string(buffer, size) : "failed, " + std::string(buffer);
  };
  EXPECT_EQ(read(0x1000, 8), "abcdefgh") << "from the first byte";
  EXPECT_EQ(read(0x1004, 2), "WX") << "the later write covers the earlier one";
  EXPECT_EQ(read(0x1006, 2), "gh") << "up to the last byte";
  EXPECT_EQ(read(0x1006, 3), "failed, untouched") << "one byte past the end";
  EXPECT_EQ(read(0x0FFF, 2), "failed, untouched") << "one byte before the start";

  desktop.CloseHandle(process);
  EXPECT_EQ(desktop.OpenProcessHandles(), 0u);
  EXPECT_EQ(read(0x1000, 1), "failed, untouched") << "a closed handle reads nothing";
  desktop.RemoveWindow(list);
  EXPECT_EQ(desktop.GetWindowThreadProcessId(list), 0u);
}

}  // namespace
}  // namespace velto::testing
