// The window and input primitives, the host's menus, and its windows as the library reads them.
#include <velto/library/host_menus.h>
#include <velto/library/host_window_tree.h>
#include <velto/library/primitives.h>

#include "routine_table.h"

namespace velto_run {
namespace {

namespace library = velto::library;
using velto::host::Platform;
using velto::host::WindowHandle;

// A routine that acts on a window; whether the host answered shows in what it did.
template <typename Result>
Routine OnWindow(std::string name, Result (*routine)(Platform&, WindowHandle)) {
  return {std::move(name), {"#window"}, [routine](Session& s, Arguments& a) {
            routine(s.platform, a.Window(0));
          }};
}

Routine ReadWindow(std::string name, std::string parameter,
                   std::string (*routine)(Platform&, WindowHandle)) {
  return {std::move(name), {std::move(parameter)}, [routine](Session& s, Arguments& a) {
            Print(s, routine(s.platform, a.Window(0)));
          }};
}

}  // namespace

void AddWindowRoutines(Routines& routines) {
  routines.push_back(Reading("DescribeHostWindows", library::DescribeHostWindows));
  routines.push_back(OnWindow("HideWindow", library::HideWindow));
  routines.push_back(OnWindow("UnhideWindow", library::UnhideWindow));
  routines.push_back(OnWindow("CloseHostWindow", library::CloseHostWindow));
  routines.push_back({"SetControlText", {"#window", "text"}, [](Session& s, Arguments& a) {
                        library::SetControlText(s.platform, a.Window(0), a.Text(1));
                      }});
  routines.push_back(ReadWindow("GetControlText", "#window", library::GetControlText));
  routines.push_back(ReadWindow("GetListText", "#list", library::GetListText));
  routines.push_back(OnWindow("PressSpace", library::PressSpace));
  routines.push_back(OnWindow("ClickControl", library::ClickControl));
  for (const char* name : {"MakeTopmost", "ClearTopmost", "SlideFormDown", "SlideFormUp",
                           "SlideFormLeft", "SlideFormRight"})
    routines.push_back(NeedsOwnWindow(name, {"#form"}));

  routines.push_back(
      {"RunHostMenuItem", {"#menuPosition", "#itemPosition"}, [](Session& s, Arguments& a) {
         library::RunHostMenuItem(s.platform, a.Number(0), a.Number(1));
       }});
  routines.push_back(WithText("RunHostMenuText", "text", library::RunHostMenuText));
  routines.push_back(Plain("ToolbarMenuDown2", library::ToolbarMenuDown2));
  routines.push_back(Plain("ToolbarMenuDown4", library::ToolbarMenuDown4));
  routines.push_back(Plain("ToolbarMenuDown5", library::ToolbarMenuDown5));
  routines.push_back(Plain("ToolbarMenuUpRight", library::ToolbarMenuUpRight));
}

}  // namespace velto_run
