#pragma once

#include <cstdint>

namespace velto::ui {

// When the clock must read the time of day again, told by the system's millisecond tick
// count. The clock asks twenty times a second while its text changes once a second, and
// under Wine reading the time of day costs two calls into its Unix side where the tick
// count is one read of shared memory. From a margin before each whole second on, every
// ask reads the time of day again, so a new second is still seen at the first tick that
// falls in it.
class NextTimeReading {
 public:
  // Wider than the tick count's steps (10 to 16 ms) and than any drift between the tick
  // count and the time of day over one second.
  static constexpr std::uint32_t kMarginMilliseconds = 100;
  static constexpr std::uint32_t kMillisecondsPerSecond = 1000;

  // The time of day was read at tick count `tick`, `millisecondsIntoSecond` past its
  // whole second.
  void Read(std::uint32_t tick, int millisecondsIntoSecond) {
    const std::uint32_t intoSecond =
        millisecondsIntoSecond < 0 ? 0u : static_cast<std::uint32_t>(millisecondsIntoSecond);
    const std::uint32_t toNextSecond =
        intoSecond < kMillisecondsPerSecond ? kMillisecondsPerSecond - intoSecond : 0u;
    readAt_ = tick;
    wait_ = toNextSecond > kMarginMilliseconds ? toNextSecond - kMarginMilliseconds : 0u;
    read_ = true;
  }

  // Whether the time of day must be read at tick count `tick`; the count wraps after
  // 49.7 days, and the unsigned difference still measures the time since the reading.
  bool Due(std::uint32_t tick) const { return !read_ || tick - readAt_ >= wait_; }

  // The system's time was set: the next ask reads it, whatever the tick count says.
  void Forget() { read_ = false; }

 private:
  bool read_ = false;
  std::uint32_t readAt_ = 0;
  std::uint32_t wait_ = 0;
};

}  // namespace velto::ui
