#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/window_search.h"

namespace velto::host {
namespace {

// The four controls a chat room holds, as direct children.
constexpr std::string_view kChatRoomMarkers[] = {host_class::kRichText, host_class::kListBox,
                                                 host_class::kIcon, host_class::kStatic};

}  // namespace

std::vector<std::string_view> MissingChatRoomMarkers(Platform& platform, WindowHandle child) {
  // All four lookups are made, as the host may be slow to add any one of them.
  std::vector<std::string_view> missing;
  for (const std::string_view marker : kChatRoomMarkers) {
    if (!FindChild(platform, child, marker))
      missing.push_back(marker);
  }
  return missing;
}

WindowHandle FindChatRoom(Platform& platform) {
  const WindowHandle mdi = FindHostMdiClient(platform, FindHostFrame(platform));
  for (WindowHandle child = FindChild(platform, mdi, host_class::kChild); child;
       child = FindNextChild(platform, mdi, child, host_class::kChild)) {
    if (MissingChatRoomMarkers(platform, child).empty())
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
