#include <functional>

#include "host/messages.h"
#include "library/windows/primitives.h"

namespace velto::library {
namespace {

constexpr int kSlideStepTwips = 300;
constexpr int kSlideDownStopTwips = 7200;
// At the screen resolution the forms are laid out for (96 dots per inch).
constexpr int kTwipsPerPixel = 15;

// Moves the form one step per pass, running the pump first, until `done` holds; the
// test follows the move, so the form always moves at least once. A form that does not
// move (the toolkit keeps it where it is) ends the slide rather than sliding forever.
void Slide(host::Platform& platform, FormControl& form, bool horizontal, int step,
           const std::function<bool()>& done) {
  for (;;) {
    platform.PumpEvents();
    const int before = horizontal ? form.Left() : form.Top();
    if (horizontal) {
      form.SetLeft(before + step);
    } else {
      form.SetTop(before + step);
    }
    const int after = horizontal ? form.Left() : form.Top();
    if (done() || after == before)
      return;
  }
}

}  // namespace

void SlideFormDown(host::Platform& platform, FormControl& form) {
  Slide(platform, form, false, kSlideStepTwips, [&] { return form.Top() > kSlideDownStopTwips; });
}

void SlideFormUp(host::Platform& platform, FormControl& form) {
  // Done once the whole window has left the top of the screen.
  Slide(platform, form, false, -kSlideStepTwips, [&] { return form.Top() + form.Height() < 0; });
}

void SlideFormLeft(host::Platform& platform, FormControl& form) {
  Slide(platform, form, true, -kSlideStepTwips, [&] { return form.Left() + form.Width() < 0; });
}

void SlideFormRight(host::Platform& platform, FormControl& form) {
  const int screenWidthTwips = platform.GetSystemMetrics(SM_CXSCREEN) * kTwipsPerPixel;
  Slide(platform, form, true, kSlideStepTwips, [&] { return form.Left() > screenWidthTwips; });
}

}  // namespace velto::library
