#include "host/window_search.h"
#include "host/host_names.h"

namespace velto::host {

WindowHandle Found(Platform& platform, WindowHandle window) {
  platform.Outcomes().Record(window ? Outcome::kDone : Outcome::kNothingToActOn);
  return window;
}

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
  return Found(platform, platform.FindWindowA(host_class::kFrame, kAnyCaption));
}

WindowHandle FindHostMdiClient(Platform& platform, WindowHandle frame) {
  return FindChild(platform, frame, host_class::kMdiClient);
}

WindowHandle FindInnerToolbar(Platform& platform) {
  const WindowHandle toolbar = FindChild(platform, FindHostFrame(platform), host_class::kToolbar);
  return Found(platform, FindChild(platform, toolbar, host_class::kInnerToolbar));
}

WindowHandle FindToolbarIcon(Platform& platform, int n) {
  return Found(platform, FindNthChild(platform, FindInnerToolbar(platform), host_class::kIcon, n));
}

}  // namespace velto::host
