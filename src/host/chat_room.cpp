#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/window_search.h"

namespace velto::host {
namespace {

bool HasChatRoomControls(Platform& platform, WindowHandle child) {
  // All four lookups are made, as the host may be slow to add any one of them.
  const bool rich = !FindChild(platform, child, host_class::kRichText).IsNone();
  const bool list = !FindChild(platform, child, host_class::kListBox).IsNone();
  const bool icon = !FindChild(platform, child, host_class::kIcon).IsNone();
  const bool label = !FindChild(platform, child, host_class::kStatic).IsNone();
  return rich && list && icon && label;
}

}  // namespace

WindowHandle FindChatRoom(Platform& platform) {
  const WindowHandle mdi = FindHostMdiClient(platform, FindHostFrame(platform));
  for (WindowHandle child = FindChild(platform, mdi, host_class::kChild); child;
       child = FindNextChild(platform, mdi, child, host_class::kChild)) {
    if (HasChatRoomControls(platform, child))
      return Found(platform, child);
  }
  return Found(platform, kNoWindow);
}

bool SendChatLine(Platform& platform, const std::string& text) {
  if (platform.QuitRequested())
    return false;
  const WindowHandle input =
      FindNthChild(platform, FindChatRoom(platform), host_class::kRichText, 2);
  if (!input)
    return false;
  platform.SendMessageA(input, WM_SETTEXT, 0, text);
  if (!platform.LastSendAnswered())
    return false;
  platform.SendMessageA(input, WM_CHAR, kCarriageReturn, 0u);
  return platform.LastSendAnswered();
}

}  // namespace velto::host
