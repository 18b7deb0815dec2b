// Prints where every window and control of the program sits on the screen, in pixels
// at 96 dpi: "Form2 Label1 left top width height". The end-to-end tests click there,
// as a user would, without a second copy of the layout tables.

#include <cstdio>
#include <string>

#include "ui/form_layout.h"

namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dpi

void Print(const char* form, const char* control, int left, int top, int width, int height) {
  std::printf("%s %s %d %d %d %d\n", form, control, left / kTwipsPerPixel, top / kTwipsPerPixel,
              width / kTwipsPerPixel, height / kTwipsPerPixel);
}

}  // namespace

int main() {
  using namespace velto::ui;
  for (FormId id : {FormId::kForm1, FormId::kForm2, FormId::kForm3}) {
    const FormLayout& form = LayoutOf(id);
    const std::string name(form.name);
    Print(name.c_str(), "-", form.rect.left, form.rect.top, form.rect.width, form.rect.height);
    for (const ControlLayout& control : form.controls) {
      if (control.kind == ControlKind::kLine || control.kind == ControlKind::kTimer)
        continue;
      const std::string controlName(control.name);
      Print(name.c_str(), controlName.c_str(), form.rect.left + control.rect.left,
            form.rect.top + control.rect.top, control.rect.width, control.rect.height);
    }
  }
  return 0;
}
