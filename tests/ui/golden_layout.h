#pragma once

#include <vector>

// The three windows as the user sees them, written out by hand: names, captions with
// their blanks, rectangles in twips, fonts, colours, cursors and events. Both toolkits'
// windows are checked against this table, and so is the layout data they are made from.
namespace velto::testing::golden {

enum class Kind { kLabel, kTextBox, kLine, kTimer };

struct Control {
  const char* name;
  Kind kind;
  const char* text;  // caption or text; "" for lines and timers
  int left, top, width, height;
  const char* face;
  double points;
  bool upArrow;  // the system up-arrow cursor over it
  bool click;    // answers Click
  // Lines: from (x1, y1) to (x2, y2), in blue or the system's window-text colour.
  int x1, y1, x2, y2;
  bool blue;
  // Timers.
  int interval;
  bool enabled;
};

struct Window {
  const char* name;
  const char* caption;
  int left, top, width, height;
  bool upArrowBackground;
  bool draggable;
  std::vector<Control> controls;
};

constexpr const char* kSans = "MS Sans Serif";

inline Control Label(const char* name, const char* text, int l, int t, int w, int h, double points,
                     bool click, bool upArrow = false) {
  return {name,    Kind::kLabel, text, l, t, w, h,     kSans, points,
          upArrow, click,        0,    0, 0, 0, false, 0,     false};
}
inline Control TextBox(const char* name, const char* text, int l, int t, int w, int h,
                       double points) {
  return {name,  Kind::kTextBox, text, l, t, w, h,     kSans, points,
          false, false,          0,    0, 0, 0, false, 0,     false};
}
inline Control Line(const char* name, int x1, int y1, int x2, int y2, bool blue) {
  return {name,  Kind::kLine, "", 0,  0,  0,  0,    kSans, 8.25,
          false, false,       x1, y1, x2, y2, blue, 0,     false};
}
inline Control Timer(const char* name, int interval) {
  return {name,  Kind::kTimer, "", 0, 0, 0, 0,     kSans,    8.25,
          false, false,        0,  0, 0, 0, false, interval, true};
}

inline const Window& Form2() {
  static const Window w{
      "Form2",
      "Velto Idler by: Vrel",
      1800,
      2835,
      3840,
      2370,
      true,
      true,
      {
          Label("Label5", "", 480, 0, 15, 255, 8.25, false, true),
          Label("Label6", "    Velto Idle By: Vrel", 690, 45, 2220, 300, 12, false),
          Label("Label7", "     x", 3225, 75, 495, 330, 12, true),
          Label("Label8", " ", 135, 390, 1065, 240, 8.25, false),
          Label("Label1", "Start", 15, 690, 510, 210, 8.25, true, true),
          Label("Label3", "   0", 495, 705, 330, 240, 8.25, false),
          Label("Label2", " Stop", 900, 705, 495, 225, 8.25, true, true),
          TextBox("text1", "Reason???", 1620, 825, 1050, 315, 8.25),
          Label("Label9", " Greets", 360, 990, 630, 240, 8.25, true),
          Label("Label4", " About", 360, 1215, 675, 285, 8.25, true),
          Label("Label11", "  im on", 360, 1440, 660, 195, 8.25, true),
          Label("Label10", " Im off", 390, 1710, 660, 255, 8.25, true),
          Label("Label12", "  Privite rooms", 120, 1950, 1080, 255, 8.25, true),
          Line("Line12", 1770, 1830, 1770, 1815, false),
          Timer("Timer1", 0),
          Timer("Timer2", 50),
      }};
  return w;
}

inline const Window& Form1() {
  static const Window w{"Form1",
                        "",
                        3690,
                        2130,
                        2040,
                        1380,
                        false,
                        false,
                        {
                            Line("Line1", 360, 60, 360, 540, true),
                            Label("Label1", " Handle?", 390, 285, 720, 270, 8, false),
                            Line("Line2", 375, 525, 1185, 525, true),
                            TextBox("Text1", "", 1035, 585, 690, 285, 8),
                            Label("Label2", "  enter", 1005, 990, 630, 225, 8, true),
                        }};
  return w;
}

inline const Window& Form3() {
  static const Window w{"Form3",
                        "",
                        2220,
                        5415,
                        2340,
                        1455,
                        false,
                        true,
                        {
                            Label("Label1", "     Mp3", 60, 90, 765, 330, 8, true),
                            Label("Label5", " Progz", 1485, 105, 600, 270, 8, true),
                            Label("Label6", "   vb6", 1485, 405, 645, 285, 8, true),
                            Label("Label2", " Icp", 285, 420, 555, 285, 8, true),
                            Label("Label3", "  vb4", 225, 720, 615, 315, 8, true),
                            Label("Label7", "   Phishy", 1410, 750, 615, 300, 8, true),
                            Label("Label4", "     vb", 120, 1065, 510, 315, 8, true),
                            Label("Label8", "  vb4", 1545, 1065, 705, 345, 8, true),
                            Label("Label9", "   Exit", 825, 1140, 570, 330, 8, true),
                        }};
  return w;
}

}  // namespace velto::testing::golden
