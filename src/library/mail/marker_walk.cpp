#include "library/mail/internal/marker_walk.h"

#include "host/host_names.h"
#include "host/window_search.h"
#include "library/windows/internal/host_lookups.h"

namespace velto::library {

using host::WindowHandle;

WindowHandle FindNthMatchingChild(host::Platform& platform, WindowHandle parent,
                                  std::string_view className, host::CaptionFilter caption,
                                  int nth) {
  WindowHandle child = host::FindChild(platform, parent, className, caption);
  for (int i = 1; i < nth && child; ++i) {
    child = host::FindNextChild(platform, parent, child, className, caption);
  }
  return child;
}

WindowHandle FindHostChildWithMarkers(host::Platform& platform,
                                      std::initializer_list<Marker> markers) {
  return FindHostChildWhere(platform, [&](WindowHandle child) {
    bool all = true;
    for (const Marker& marker : markers) {
      if (!FindNthMatchingChild(platform, child, marker.className, marker.caption, marker.nth))
        all = false;
    }
    return all;
  });
}

WindowHandle FindCaptionedHostChild(host::Platform& platform, std::string_view caption) {
  const WindowHandle mdi = host::FindHostMdiClient(platform, host::FindHostFrame(platform));
  return host::FindChild(platform, mdi, host::host_class::kChild, caption);
}

}  // namespace velto::library
