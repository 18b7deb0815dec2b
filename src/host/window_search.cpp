#include "host/window_search.h"

namespace velto::host {

WindowHandle FindChild(Platform& platform, WindowHandle parent, std::string_view className,
                       CaptionFilter caption) {
  if (!parent)
    return kNoWindow;
  return platform.FindWindowExA(parent, kNoWindow, className, caption);
}

WindowHandle FindNextChild(Platform& platform, WindowHandle parent, WindowHandle after,
                           std::string_view className, CaptionFilter caption) {
  // A 0 `after` would restart the enumeration from the first child.
  if (!parent || !after)
    return kNoWindow;
  return platform.FindWindowExA(parent, after, className, caption);
}

WindowHandle FindNthChild(Platform& platform, WindowHandle parent, std::string_view className,
                          int n) {
  WindowHandle child = FindChild(platform, parent, className);
  for (int i = 1; i < n && child; ++i) child = FindNextChild(platform, parent, child, className);
  return child;
}

WindowHandle FindHostFrame(Platform& platform) {
  return platform.FindWindowA(host_class::kFrame, kAnyCaption);
}

WindowHandle FindHostMdiClient(Platform& platform, WindowHandle frame) {
  return FindChild(platform, frame, host_class::kMdiClient);
}

}  // namespace velto::host
