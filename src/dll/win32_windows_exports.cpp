// Window primitives and menus, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/windows/host_menus.h"
#include "library/windows/primitives.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_HideWindow(VELTO_WINDOW window) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::HideWindow(s.platform, dll::Window(window)); });
}

int VELTO_CALL velto_UnhideWindow(VELTO_WINDOW window) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::UnhideWindow(s.platform, dll::Window(window)); });
}

int VELTO_CALL velto_CloseHostWindow(VELTO_WINDOW window) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::CloseHostWindow(s.platform, dll::Window(window)); });
}

int VELTO_CALL velto_SetControlText(VELTO_WINDOW window, const VELTO_CHAR* text) {
  return dll::OnHost([&](dll::Session& s) {
    return library::SetControlText(s.platform, dll::Window(window), dll::Text(text));
  });
}

int VELTO_CALL velto_GetControlText(VELTO_WINDOW window, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& s) {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetControlText(s.platform, dll::Window(window)));
  });
}

int VELTO_CALL velto_GetListText(VELTO_WINDOW list, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& s) {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetListText(s.platform, dll::Window(list)));
  });
}

int VELTO_CALL velto_PressSpace(VELTO_WINDOW window) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::PressSpace(s.platform, dll::Window(window)); });
}

int VELTO_CALL velto_ClickControl(VELTO_WINDOW window) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::ClickControl(s.platform, dll::Window(window)); });
}

int VELTO_CALL velto_MakeTopmost(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::MakeTopmost(s.platform, formControl);
  });
}

int VELTO_CALL velto_ClearTopmost(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::ClearTopmost(s.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormDown(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormDown(s.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormUp(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormUp(s.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormLeft(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormLeft(s.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormRight(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& s) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormRight(s.platform, formControl);
  });
}

int VELTO_CALL velto_RunHostMenuItem(int menuPosition, int itemPosition) {
  return dll::OnHost([&](dll::Session& s) {
    return library::RunHostMenuItem(s.platform, menuPosition, itemPosition);
  });
}

int VELTO_CALL velto_RunHostMenuText(const VELTO_CHAR* text) {
  return dll::OnHost(
      [&](dll::Session& s) { return library::RunHostMenuText(s.platform, dll::Text(text)); });
}

int VELTO_CALL velto_ToolbarMenuDown4(void) {
  return dll::OnHost([&](dll::Session& s) { return library::ToolbarMenuDown4(s.platform); });
}

int VELTO_CALL velto_ToolbarMenuDown5(void) {
  return dll::OnHost([&](dll::Session& s) { return library::ToolbarMenuDown5(s.platform); });
}

int VELTO_CALL velto_ToolbarMenuDown2(void) {
  return dll::OnHost([&](dll::Session& s) { return library::ToolbarMenuDown2(s.platform); });
}

int VELTO_CALL velto_ToolbarMenuUpRight(void) {
  return dll::OnHost([&](dll::Session& s) { return library::ToolbarMenuUpRight(s.platform); });
}
