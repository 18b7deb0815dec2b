#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velto::ui {

enum class FormId { kForm1, kForm2, kForm3 };
enum class ControlKind { kLabel, kTextBox, kLine, kTimer };
enum class Cursor { kArrow, kUpArrow };
// When a timer ticks: every interval, or (a clock's) first one interval after it is set
// and from then on just after each whole second of the local time (clock_schedule.h).
enum class TimerSchedule { kEveryInterval, kAfterEachSecond };

// Positions and sizes are in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
};

struct Font {
  std::string_view face = "MS Sans Serif";
  double points = 8.25;
};

// A line drawn on the window's background, from (x1, y1) to (x2, y2) in twips.
struct LineShape {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour;
  bool systemWindowTextColour = false;  // the system's window-text colour, not `colour`
};

struct ControlLayout {
  std::string_view name;
  ControlKind kind = ControlKind::kLabel;
  std::string_view text;  // a label's caption or a text box's text
  TwipRect rect;
  Font font;
  Cursor cursor = Cursor::kArrow;
  bool answersClick = false;
  LineShape line;                                               // lines only
  int timerInterval = 0;                                        // timers only, milliseconds
  bool timerEnabled = true;                                     // timers only
  TimerSchedule timerSchedule = TimerSchedule::kEveryInterval;  // timers only
};

struct FormLayout {
  FormId id;
  std::string_view name;
  std::string_view caption;
  TwipRect rect;
  Cursor backgroundCursor = Cursor::kArrow;
  bool draggable = false;  // moved by pressing a mouse button on the background
  std::vector<ControlLayout> controls;

  const ControlLayout* Find(std::string_view controlName) const;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// The windows' backgrounds are black; labels and text boxes red on black.
inline constexpr Rgb kBackgroundColour = kBlack;
inline constexpr Rgb kTextColour = kRed;

const FormLayout& LayoutOf(FormId form);
const FormLayout& Form1Layout();  // the handle prompt
const FormLayout& Form2Layout();  // the main window
const FormLayout& Form3Layout();  // the private rooms

}  // namespace velto::ui
