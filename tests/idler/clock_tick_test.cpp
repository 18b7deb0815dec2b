#include <gtest/gtest.h>

#include <string>

#include "host/substitute_desktop.h"
#include "idler/commands.h"
#include "idler/main_window.h"

namespace velto::testing {
namespace {

// The main window's controls as plain values, counting the clock label's writes.
class CountingWindow : public idler::MainWindowControls {
 public:
  std::string CounterCaption() override { return {}; }
  void SetCounterCaption(const std::string&) override {}
  std::string ReasonText() override { return {}; }
  void SetIdleTimerEnabled(bool) override {}
  void SetIdleTimerInterval(int) override {}
  std::string ClockCaption() override { return clock; }
  void SetClockCaption(const std::string& caption) override {
    clock = caption;
    ++clockWrites;
  }
  std::string TimeOfDayText() override { return timeOfDay; }
  void ShowMessageBox(std::string_view, std::string_view) override {}
  void EndProgram() override {}

  std::string clock = " ";
  std::string timeOfDay;
  int clockWrites = 0;
};

TEST(ClockTick, WritesTheLabelOnlyWhenTheTimeShownChanges) {
  host::SubstituteDesktop desktop;
  CountingWindow window;
  idler::Idler idler{desktop, window};
  window.timeOfDay = "13:05:09";
  for (int tick = 0; tick < 20; ++tick) idler::ClockTick(idler);
  EXPECT_EQ(window.clock, "13:05:09");
  EXPECT_EQ(window.clockWrites, 1);
  window.timeOfDay = "13:05:10";
  idler::ClockTick(idler);
  EXPECT_EQ(window.clock, "13:05:10");
  EXPECT_EQ(window.clockWrites, 2);
}

}  // namespace
}  // namespace velto::testing
