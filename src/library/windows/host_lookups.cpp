#include "library/windows/internal/host_lookups.h"

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/wait.h"
#include "host/window_search.h"
#include "library/windows/library_timings.h"

namespace velto::library {

using host::WindowHandle;

WindowHandle FindHostChildWhere(host::Platform& platform,
                                const std::function<bool(WindowHandle)>& test) {
  const WindowHandle mdi = host::FindHostMdiClient(platform, host::FindHostFrame(platform));
  for (WindowHandle child = host::FindChild(platform, mdi, host::host_class::kChild); child;
       child = host::FindNextChild(platform, mdi, child, host::host_class::kChild)) {
    if (test(child))
      return host::Found(platform, child);
  }
  return host::Found(platform, host::kNoWindow);
}

WindowHandle FindChatPeopleList(host::Platform& platform) {
  return host::Found(platform, host::FindChild(platform, host::FindChatRoom(platform),
                                               host::host_class::kListBox));
}

HostMessageBox FindHostMessageBox(host::Platform& platform) {
  HostMessageBox found;
  found.box = platform.FindWindowA(host::host_class::kDialog, host::host_caption::kHostMessageBox);
  found.ok =
      host::FindChild(platform, found.box, host::host_class::kButton, host::host_caption::kOk);
  return found;
}

bool ActsOn(host::Platform& platform, WindowHandle window) {
  if (!window)
    platform.Outcomes().Record(host::Outcome::kNothingToActOn);
  return !window.IsNone();
}

bool IndexInRange(host::Platform& platform, int index, const std::function<int()>& count) {
  const bool inRange = index >= 0 && index < count();
  if (!inRange)
    platform.Outcomes().Record(host::Outcome::kNothingToActOn);
  return inRange;
}

bool WaitForHostWindow(host::Platform& platform, const std::function<bool()>& done) {
  return host::WaitForHost(platform, done, timings::kHostWindowWaitSeconds,
                           host::timings::kWindowPollSeconds);
}

void PostClick(host::Platform& platform, WindowHandle button) {
  platform.PostMessageA(button, WM_LBUTTONDOWN, 0, 0);
  platform.PostMessageA(button, WM_LBUTTONUP, 0, 0);
}

bool HostAnswered(host::Platform& platform) {
  return platform.LastSendAnswered();
}

bool SendSpaceKey(host::Platform& platform, WindowHandle button) {
  if (!button)
    return false;
  platform.SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0u);
  if (!HostAnswered(platform))
    return false;
  platform.SendMessageA(button, WM_KEYUP, VK_SPACE, 0u);
  return HostAnswered(platform);
}

}  // namespace velto::library
