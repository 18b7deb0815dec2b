// Window primitives and menus, as velto.h declares them.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/windows/host_menus.h"
#include "library/windows/primitives.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_HideWindow(VELTO_WINDOW window) {
  return dll::OnHost([&](dll::Session& session) {
    return library::HideWindow(session.platform, dll::Window(window));
  });
}

int VELTO_CALL velto_UnhideWindow(VELTO_WINDOW window) {
  return dll::OnHost([&](dll::Session& session) {
    return library::UnhideWindow(session.platform, dll::Window(window));
  });
}

int VELTO_CALL velto_CloseHostWindow(VELTO_WINDOW window) {
  return dll::OnHost([&](dll::Session& session) {
    return library::CloseHostWindow(session.platform, dll::Window(window));
  });
}

int VELTO_CALL velto_SetControlText(VELTO_WINDOW window, const VELTO_CHAR* text) {
  return dll::OnHost([&](dll::Session& session) {
    return library::SetControlText(session.platform, dll::Window(window), dll::Text(text));
  });
}

int VELTO_CALL velto_GetControlText(VELTO_WINDOW window, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetControlText(session.platform, dll::Window(window)));
  });
}

int VELTO_CALL velto_GetListText(VELTO_WINDOW list, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetListText(session.platform, dll::Window(list)));
  });
}

int VELTO_CALL velto_PressSpace(VELTO_WINDOW window) {
  return dll::OnHost([&](dll::Session& session) {
    return library::PressSpace(session.platform, dll::Window(window));
  });
}

int VELTO_CALL velto_ClickControl(VELTO_WINDOW window) {
  return dll::OnHost([&](dll::Session& session) {
    return library::ClickControl(session.platform, dll::Window(window));
  });
}

int VELTO_CALL velto_MakeTopmost(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::MakeTopmost(session.platform, formControl);
  });
}

int VELTO_CALL velto_ClearTopmost(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::ClearTopmost(session.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormDown(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormDown(session.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormUp(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormUp(session.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormLeft(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormLeft(session.platform, formControl);
  });
}

int VELTO_CALL velto_SlideFormRight(VELTO_WINDOW form) {
  return dll::OnHost([&](dll::Session& session) {
    auto formControl = dll::FormOf(form);
    return library::SlideFormRight(session.platform, formControl);
  });
}

int VELTO_CALL velto_RunHostMenuItem(int menuPosition, int itemPosition) {
  return dll::OnHost([&](dll::Session& session) {
    return library::RunHostMenuItem(session.platform, menuPosition, itemPosition);
  });
}

int VELTO_CALL velto_RunHostMenuText(const VELTO_CHAR* text) {
  return dll::OnHost([&](dll::Session& session) {
    return library::RunHostMenuText(session.platform, dll::Text(text));
  });
}

int VELTO_CALL velto_ToolbarMenuDown4(void) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::ToolbarMenuDown4(session.platform); });
}

int VELTO_CALL velto_ToolbarMenuDown5(void) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::ToolbarMenuDown5(session.platform); });
}

int VELTO_CALL velto_ToolbarMenuDown2(void) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::ToolbarMenuDown2(session.platform); });
}

int VELTO_CALL velto_ToolbarMenuUpRight(void) {
  return dll::OnHost(
      [&](dll::Session& session) { return library::ToolbarMenuUpRight(session.platform); });
}
