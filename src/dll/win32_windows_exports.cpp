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
  return dll::RunOnHost(library::RunHostMenuItem, menuPosition, itemPosition);
}

int VELTO_CALL velto_RunHostMenuText(const VELTO_CHAR* text) {
  return dll::RunOnHost(library::RunHostMenuText, text);
}

int VELTO_CALL velto_ToolbarMenuDown4(void) {
  return dll::RunOnHost(library::ToolbarMenuDown4);
}

int VELTO_CALL velto_ToolbarMenuDown5(void) {
  return dll::RunOnHost(library::ToolbarMenuDown5);
}

int VELTO_CALL velto_ToolbarMenuDown2(void) {
  return dll::RunOnHost(library::ToolbarMenuDown2);
}

int VELTO_CALL velto_ToolbarMenuUpRight(void) {
  return dll::RunOnHost(library::ToolbarMenuUpRight);
}
