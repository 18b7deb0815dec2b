#include "ui/form_layout.h"

#include "ui/clock_schedule.h"
#include "ui/control_names.h"

namespace velto::ui {
namespace {

constexpr Font kMainFont{"MS Sans Serif", 8.25};
constexpr Font kTitleFont{"MS Sans Serif", 12};
constexpr Font kDefaultFont{"MS Sans Serif", 8};

ControlLayout Control(std::string_view name, ControlKind kind) {
  ControlLayout c;
  c.name = name;
  c.kind = kind;
  return c;
}

// A control that shows a text in a font.
ControlLayout Text(std::string_view name, ControlKind kind, std::string_view text, TwipRect rect,
                   Font font) {
  ControlLayout c = Control(name, kind);
  c.text = text;
  c.rect = rect;
  c.font = font;
  return c;
}

ControlLayout Label(std::string_view name, std::string_view caption, TwipRect rect, Font font,
                    bool answersClick, Cursor cursor = Cursor::kArrow) {
  ControlLayout c = Text(name, ControlKind::kLabel, caption, rect, font);
  c.answersClick = answersClick;
  c.cursor = cursor;
  return c;
}

ControlLayout TextBox(std::string_view name, std::string_view text, TwipRect rect, Font font) {
  return Text(name, ControlKind::kTextBox, text, rect, font);
}

ControlLayout Line(std::string_view name, LineShape shape) {
  ControlLayout c = Control(name, ControlKind::kLine);
  c.line = shape;
  return c;
}

ControlLayout Timer(std::string_view name, int interval,
                    TimerSchedule schedule = TimerSchedule::kEveryInterval) {
  ControlLayout c = Control(name, ControlKind::kTimer);
  c.timerInterval = interval;
  c.timerEnabled = true;
  c.timerSchedule = schedule;
  return c;
}

FormLayout MakeForm2() {
  constexpr bool kClick = true;
  constexpr bool kNoClick = false;
  FormLayout f{
      FormId::kForm2, "Form2", "Velto Idler by: Vrel", {1800, 2835, 3840, 2370}, Cursor::kUpArrow,
      true,           {}};
  f.controls = {
      Label("Label5", "", {480, 0, 15, 255}, kMainFont, kNoClick, Cursor::kUpArrow),
      Label(main_window::kTitle, "    Velto Idle By: Vrel", {690, 45, 2220, 300}, kTitleFont,
            kNoClick),
      Label(main_window::kQuit, "     x", {3225, 75, 495, 330}, kTitleFont, kClick),
      Label(main_window::kClock, " ", {135, 390, 1065, 240}, kMainFont, kNoClick),
      Label(main_window::kStart, "Start", {15, 690, 510, 210}, kMainFont, kClick, Cursor::kUpArrow),
      Label(main_window::kMinutesIdled, "   0", {495, 705, 330, 240}, kMainFont, kNoClick),
      Label(main_window::kStop, " Stop", {900, 705, 495, 225}, kMainFont, kClick, Cursor::kUpArrow),
      TextBox(main_window::kReason, "Reason???", {1620, 825, 1050, 315}, kMainFont),
      Label(main_window::kGreets, " Greets", {360, 990, 630, 240}, kMainFont, kClick),
      Label(main_window::kAbout, " About", {360, 1215, 675, 285}, kMainFont, kClick),
      Label(main_window::kImsOn, "  im on", {360, 1440, 660, 195}, kMainFont, kClick),
      Label(main_window::kImsOff, " Im off", {390, 1710, 660, 255}, kMainFont, kClick),
      Label(main_window::kPrivateRooms, "  Privite rooms", {120, 1950, 1080, 255}, kMainFont,
            kClick),
      Line("Line12", {1770, 1830, 1770, 1815, kBlack, true}),
      Timer(main_window::kIdleTimer, 0),  // armed by Start
      // The clock: its first tick 50 ms after the window is made, then one just after
      // each whole second; 50 ms stays the longest its label may lag the time of day.
      Timer(main_window::kClockTimer, kLongestClockStalenessMilliseconds,
            TimerSchedule::kAfterEachSecond),
  };
  return f;
}

FormLayout MakeForm1() {
  FormLayout f{FormId::kForm1, "Form1", "", {3690, 2130, 2040, 1380}, Cursor::kArrow, false, {}};
  f.controls = {
      Line("Line1", {360, 60, 360, 540, kBlue, false}),
      Label("Label1", " Handle?", {390, 285, 720, 270}, kDefaultFont, false),
      Line("Line2", {375, 525, 1185, 525, kBlue, false}),
      TextBox(handle_prompt::kHandle, "", {1035, 585, 690, 285}, kDefaultFont),
      Label(handle_prompt::kEnter, "  enter", {1005, 990, 630, 225}, kDefaultFont, true),
  };
  return f;
}

FormLayout MakeForm3() {
  FormLayout f{FormId::kForm3, "Form3", "", {2220, 5415, 2340, 1455}, Cursor::kArrow, true, {}};
  f.controls = {
      Label("Label1", "     Mp3", {60, 90, 765, 330}, kDefaultFont, true),
      Label("Label5", " Progz", {1485, 105, 600, 270}, kDefaultFont, true),
      Label("Label6", "   vb6", {1485, 405, 645, 285}, kDefaultFont, true),
      Label("Label2", " Icp", {285, 420, 555, 285}, kDefaultFont, true),
      Label("Label3", "  vb4", {225, 720, 615, 315}, kDefaultFont, true),
      Label("Label7", "   Phishy", {1410, 750, 615, 300}, kDefaultFont, true),
      Label("Label4", "     vb", {120, 1065, 510, 315}, kDefaultFont, true),
      Label("Label8", "  vb4", {1545, 1065, 705, 345}, kDefaultFont, true),
      Label(private_rooms_window::kExit, "   Exit", {825, 1140, 570, 330}, kDefaultFont, true),
  };
  return f;
}

}  // namespace

const ControlLayout* FormLayout::Find(std::string_view controlName) const {
  for (const ControlLayout& c : controls) {
    if (c.name == controlName)
      return &c;
  }
  return nullptr;
}

const FormLayout& Form1Layout() {
  static const FormLayout layout = MakeForm1();
  return layout;
}

const FormLayout& Form2Layout() {
  static const FormLayout layout = MakeForm2();
  return layout;
}

const FormLayout& Form3Layout() {
  static const FormLayout layout = MakeForm3();
  return layout;
}

const FormLayout& LayoutOf(FormId form) {
  switch (form) {
    case FormId::kForm1:
      return Form1Layout();
    case FormId::kForm2:
      return Form2Layout();
    case FormId::kForm3:
      break;
  }
  return Form3Layout();
}

}  // namespace velto::ui
