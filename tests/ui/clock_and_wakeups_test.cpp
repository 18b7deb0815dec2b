#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

using Change = ui::HeadlessToolkit::ClockChange;

constexpr double kHour = 3600;
constexpr double kDay = 86400;
// The clock's label may lag the time of day by 50 ms at most after its second has
// turned: checks look just inside that.
constexpr double kCheckAfterTheSecond = 0.049;

class ClockAndWakeUpsTest : public ProgramTest {
 protected:
  std::string Clock() { return toolkit_.Caption(FormId::kForm2, main_window::kClock); }
  int ClockTicks() { return toolkit_.TimerTicks(FormId::kForm2, main_window::kClockTimer); }
  int IdleTicks() { return toolkit_.TimerTicks(FormId::kForm2, main_window::kIdleTimer); }

  // Lets `seconds` whole seconds of the time of day pass, looking at the label just
  // inside the bound after each has turned; returns the times it lagged behind.
  std::vector<std::string> StaleAtEachSecond(int seconds) {
    std::vector<std::string> stale;
    for (int second = 0; second < seconds; ++second) {
      const double timeOfDay = desktop_.TimeOfDay();
      Wait(std::floor(timeOfDay) + 1 - timeOfDay + kCheckAfterTheSecond);
      if (Clock() != toolkit_.TimeOfDayText())
        stale.push_back(toolkit_.TimeOfDayText() + " showed " + Clock());
    }
    return stale;
  }
};

// Idle means asleep: an idle hour wakes the program for each second of the clock, each
// minute of the idle timer, and the pause between each minute's two lines, and for
// nothing else.
TEST_F(ClockAndWakeUpsTest, AnIdleHourWakesOnlyForTheClocksSecondsAndTheIdleMinutes) {
  StartAndForgetAnnouncements();
  ASSERT_TRUE(Click(FormId::kForm2, main_window::kStart));
  Wait(1);
  NewlyReceived();
  const std::size_t wakesBefore = desktop_.Wakes();
  const int clockBefore = ClockTicks();
  const int idleBefore = IdleTicks();
  Wait(kHour);
  const int clockTicks = ClockTicks() - clockBefore;
  const int idleTicks = IdleTicks() - idleBefore;
  EXPECT_EQ(clockTicks, 3600);
  EXPECT_EQ(idleTicks, 60);
  // One more: the wait that ends the measured hour.
  EXPECT_EQ(desktop_.Wakes() - wakesBefore,
            static_cast<std::size_t>(clockTicks + 2 * idleTicks + 1));
  EXPECT_EQ(NewChatLines().size(), 2u * 60) << "and it idled all the while";
}

// Checked just inside the bound after every whole second of a day, midnight among them,
// from start-up on, the main window hidden behind the handle prompt and then shown.
TEST_F(ClockAndWakeUpsTest, TheLabelNeverLagsAWholeSecondOfADayByMoreThanTheBound) {
  desktop_.SetTimeOfDay(13 * kHour + 0.3);
  program_.Start();
  ASSERT_FALSE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_EQ(StaleAtEachSecond(10), std::vector<std::string>{}) << "hidden";
  toolkit_.Type(FormId::kForm1, handle_prompt::kHandle, "me");
  ASSERT_TRUE(Click(FormId::kForm1, handle_prompt::kEnter));
  ASSERT_TRUE(Click(FormId::kForm2, main_window::kStart));
  const std::vector<std::string> stale = StaleAtEachSecond(static_cast<int>(kDay));
  EXPECT_TRUE(stale.empty()) << stale.size() << " times, first " << stale.front();
  EXPECT_EQ(std::floor(desktop_.TimeOfDay()), 13 * kHour + 10) << "a day and ten seconds on";
}

// After the system's time is set (forward or back), the time format or locale changes,
// or the machine wakes from sleep, the clock ticks at once, and goes on from the time
// shown then. The idle timer is no clock: it keeps its minute.
TEST_F(ClockAndWakeUpsTest, TheClockTicksAtOnceAfterATimeFormatOrPowerChange) {
  desktop_.SetTimeOfDay(12 * kHour + 10.5);
  StartAndForgetAnnouncements();
  Click(FormId::kForm2, main_window::kStart);
  Wait(1);
  NewlyReceived();
  struct Step {
    Change change;
    double timeOfDay;  // where the change puts the time of day; < 0 leaves it
    const char* shown;
  };
  const Step steps[] = {
      {Change::kTimeSet, 15 * kHour + 30 * 60 + 0.7, "15:30:00"},
      {Change::kTimeSet, 9 * kHour + 0.95, "09:00:00"},
      {Change::kTimeFormatChanged, -1, nullptr},
      {Change::kResumedFromSleep, 17 * kHour + 0.2, "17:00:00"},
  };
  for (const Step& step : steps) {
    if (step.timeOfDay >= 0)
      desktop_.SetTimeOfDay(step.timeOfDay);
    const int ticks = ClockTicks();
    toolkit_.ClockChanged(step.change);
    EXPECT_EQ(ClockTicks(), ticks + 1) << "at once";
    EXPECT_EQ(Clock(), toolkit_.TimeOfDayText());
    if (step.shown) {
      EXPECT_EQ(Clock(), step.shown);
    }
    EXPECT_EQ(StaleAtEachSecond(3), std::vector<std::string>{}) << "after " << Clock();
  }
  EXPECT_EQ(NewChatLines(), std::vector<std::string>{}) << "no idle minute went by";
}

}  // namespace
}  // namespace velto::testing
