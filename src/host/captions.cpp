#include <string_view>

#include "host/host_routines.h"
#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::host {
namespace {

constexpr std::string_view kWelcome = "Welcome, ";

// Everything between "Welcome, " and the first "!"; the rest of the caption when
// there is no "!".
std::string NameFromWelcome(const std::string& caption) {
  const std::size_t bang = caption.find('!');
  if (bang == std::string::npos)
    return caption.substr(kWelcome.size());
  return caption.substr(kWelcome.size(), bang - kWelcome.size());
}

}  // namespace

std::string GetWindowCaption(Platform& platform, WindowHandle window) {
  const int length = platform.GetWindowTextLengthA(window);
  if (length <= 0)
    return {};
  // A caption that changes between the two calls is cut to the first length; one that
  // shrank is returned as it now is, without padding.
  return platform.GetWindowTextA(window, length + 1);
}

std::string GetScreenName(Platform& platform) {
  const WindowHandle mdi = FindHostMdiClient(platform, FindHostFrame(platform));
  for (WindowHandle child = FindChild(platform, mdi, host_class::kChild); child;
       child = FindNextChild(platform, mdi, child, host_class::kChild)) {
    const std::string caption = GetWindowCaption(platform, child);
    if (caption.compare(0, kWelcome.size(), kWelcome) == 0)
      return NameFromWelcome(caption);
  }
  return {};
}

}  // namespace velto::host
