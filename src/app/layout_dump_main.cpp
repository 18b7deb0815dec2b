// Prints where every window and control of the program sits on the screen, in pixels at
// the dpi given as the first argument (96 when none): "Form2 Label1 left top width height".
// The end-to-end tests click there, as a user would, without a second copy of the layout
// tables.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/form_layout.h"

namespace {

constexpr int kTwipsPerInch = 1440;

// Twips to pixels rounded to the nearest, as the toolkit's MulDiv rounds them.
int Pixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

void Print(const std::string& form, const std::string& control, int left, int top, int width,
           int height) {
  std::printf("%s %s %d %d %d %d\n", form.c_str(), control.c_str(), left, top, width, height);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velto::ui;
  const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
  if (dpi <= 0) {
    std::fprintf(stderr, "usage: velto-layout [dpi]\n");
    return 2;
  }
  for (FormId id : {FormId::kForm1, FormId::kForm2, FormId::kForm3}) {
    const FormLayout& form = LayoutOf(id);
    const std::string name(form.name);
    const int formLeft = Pixels(form.rect.left, dpi);
    const int formTop = Pixels(form.rect.top, dpi);
    Print(name, "-", formLeft, formTop, Pixels(form.rect.width, dpi),
          Pixels(form.rect.height, dpi));
    for (const ControlLayout& control : form.controls) {
      if (control.kind == ControlKind::kLine || control.kind == ControlKind::kTimer)
        continue;
      Print(name, std::string(control.name), formLeft + Pixels(control.rect.left, dpi),
            formTop + Pixels(control.rect.top, dpi), Pixels(control.rect.width, dpi),
            Pixels(control.rect.height, dpi));
    }
  }
  return 0;
}
