#pragma once

namespace velto::ui {

// The clock wakes the program only when its text can change: once, one interval after its
// window is made (the label shows its blank until then), and from then on just after each
// whole second of the local time.
//
// Its label may lag the time of day by no more than the 50 ms its timer once ticked at.
// The tick is asked for kPastTheSecondMilliseconds after the whole second, and the system
// delivers a timer at most one step of its timer clock late (15.6 ms on Windows, about a
// millisecond under Wine), so the new second shows within 26 ms of it. A tick that comes
// before the second has turned (the timers' clock and the time of day drift apart by a
// little, and are each read in steps) shows nothing new and asks again for what is left of
// the second, so the lateness never adds up from one second to the next.
inline constexpr int kLongestClockStalenessMilliseconds = 50;
inline constexpr int kPastTheSecondMilliseconds = 10;
inline constexpr int kLongestTimerLatenessMilliseconds = 16;
static_assert(kPastTheSecondMilliseconds + kLongestTimerLatenessMilliseconds <
              kLongestClockStalenessMilliseconds);

inline constexpr int kMillisecondsPerSecond = 1000;

// How long from now the clock's next tick is due, `millisecondsIntoSecond` past the
// local time's whole second (1000 and more in a leap second: the next one is due at once).
inline int MillisecondsToNextClockTick(int millisecondsIntoSecond) {
  const int toNextSecond = millisecondsIntoSecond < kMillisecondsPerSecond
                               ? kMillisecondsPerSecond - millisecondsIntoSecond
                               : 0;
  return toNextSecond + kPastTheSecondMilliseconds;
}

}  // namespace velto::ui
