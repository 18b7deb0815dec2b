// The windows' table against the golden one, field by field, and the headless toolkit's
// windows made from it: captions with their blanks, timers, clicks and drags.

#include <gtest/gtest.h>

#include <string>

#include "host/substitute_desktop.h"
#include "ui/form_layout.h"
#include "ui/golden_layout.h"
#include "ui/headless_toolkit.h"

namespace velto::ui {
namespace {

namespace golden = testing::golden;

struct Case {
  FormId id;
  const golden::Window& (*window)();
};
const Case kForms[] = {{FormId::kForm1, golden::Form1},
                       {FormId::kForm2, golden::Form2},
                       {FormId::kForm3, golden::Form3}};

golden::Kind KindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return golden::Kind::kLabel;
    case ControlKind::kTextBox:
      return golden::Kind::kTextBox;
    case ControlKind::kLine:
      return golden::Kind::kLine;
    case ControlKind::kTimer:
      break;
  }
  return golden::Kind::kTimer;
}

void ExpectControl(const golden::Control& g, const ControlLayout& c, const std::string& where) {
  EXPECT_EQ(c.name, g.name) << where;
  EXPECT_EQ(KindOf(c.kind), g.kind) << where;
  if (g.kind == golden::Kind::kLine) {
    EXPECT_EQ(c.line.x1, g.x1) << where;
    EXPECT_EQ(c.line.y1, g.y1) << where;
    EXPECT_EQ(c.line.x2, g.x2) << where;
    EXPECT_EQ(c.line.y2, g.y2) << where;
    EXPECT_EQ(c.line.systemWindowTextColour, !g.blue) << where;
    if (g.blue) {
      EXPECT_TRUE(c.line.colour == kBlue) << where;
    }
    return;
  }
  if (g.kind == golden::Kind::kTimer) {
    EXPECT_EQ(c.timerInterval, g.interval) << where;
    EXPECT_EQ(c.timerEnabled, g.enabled) << where;
    return;
  }
  EXPECT_EQ(std::string(c.text), g.text) << where;
  EXPECT_EQ(c.rect.left, g.left) << where;
  EXPECT_EQ(c.rect.top, g.top) << where;
  EXPECT_EQ(c.rect.width, g.width) << where;
  EXPECT_EQ(c.rect.height, g.height) << where;
  EXPECT_EQ(std::string(c.font.face), g.face) << where;
  EXPECT_EQ(c.font.points, g.points) << where;
  EXPECT_EQ(c.cursor == Cursor::kUpArrow, g.upArrow) << where;
  EXPECT_EQ(c.answersClick, g.click) << where;
}

TEST(GoldenLayout, TheWindowsTableIsTheGoldenOne) {
  for (const Case& form : kForms) {
    const golden::Window& g = form.window();
    const FormLayout& layout = LayoutOf(form.id);
    EXPECT_EQ(layout.id, form.id);
    EXPECT_EQ(std::string(layout.name), g.name);
    EXPECT_EQ(std::string(layout.caption), g.caption) << g.name;
    EXPECT_EQ(layout.rect.left, g.left) << g.name;
    EXPECT_EQ(layout.rect.top, g.top) << g.name;
    EXPECT_EQ(layout.rect.width, g.width) << g.name;
    EXPECT_EQ(layout.rect.height, g.height) << g.name;
    EXPECT_EQ(layout.backgroundCursor == Cursor::kUpArrow, g.upArrowBackground) << g.name;
    EXPECT_EQ(layout.draggable, g.draggable) << g.name;
    ASSERT_EQ(layout.controls.size(), g.controls.size()) << g.name;
    for (std::size_t i = 0; i < g.controls.size(); ++i) {
      ExpectControl(g.controls[i], layout.controls[i],
                    std::string(g.name) + "." + g.controls[i].name);
    }
  }
  EXPECT_TRUE(kBackgroundColour == kBlack);
  EXPECT_TRUE(kTextColour == kRed);
  EXPECT_TRUE(kRed == (Rgb{255, 0, 0}));
  EXPECT_TRUE(kBlue == (Rgb{0, 0, 255}));
}

// The headless windows, made without any handlers bound: what the table alone gives.
TEST(GoldenLayout, TheHeadlessWindowsCarryTheGoldenCaptionsTimersAndClicks) {
  for (const Case& form : kForms) {
    host::SubstituteDesktop desktop;
    HeadlessToolkit toolkit(desktop);
    const golden::Window& g = form.window();
    toolkit.Show(form.id);
    EXPECT_EQ(desktop.Caption(toolkit.Handle(form.id)), g.caption) << g.name;
    for (const golden::Control& c : g.controls) {
      const std::string where = std::string(g.name) + "." + c.name;
      if (c.kind == golden::Kind::kLabel || c.kind == golden::Kind::kTextBox) {
        EXPECT_EQ(toolkit.Caption(form.id, c.name), c.text) << where;
      }
      if (c.kind == golden::Kind::kTimer) {
        EXPECT_EQ(toolkit.TimerEnabled(form.id, c.name), c.enabled) << where;
        EXPECT_EQ(toolkit.TimerInterval(form.id, c.name), c.interval) << where;
      }
      if (c.kind == golden::Kind::kLabel) {
        EXPECT_EQ(toolkit.Click(form.id, c.name), c.click) << where;
      }
    }
  }
}

}  // namespace
}  // namespace velto::ui
