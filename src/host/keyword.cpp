#include "host/host_routines.h"
#include "host/messages.h"
#include "host/window_search.h"

namespace velto::host {

void OpenKeyword(Platform& platform, const std::string& keyword) {
  const WindowHandle toolbar = FindChild(platform, FindHostFrame(platform), host_class::kToolbar);
  const WindowHandle inner = FindChild(platform, toolbar, host_class::kInnerToolbar);
  const WindowHandle combo = FindChild(platform, inner, host_class::kComboBox);
  const WindowHandle box = FindChild(platform, combo, host_class::kEdit);
  if (!box)
    return;
  platform.SendMessageA(box, WM_SETTEXT, 0, keyword);
  // The host only acts on the box after a typed key; the space makes it notice the text.
  platform.SendMessageA(box, WM_CHAR, kSpace, 0u);
  platform.SendMessageA(box, WM_CHAR, kCarriageReturn, 0u);
}

}  // namespace velto::host
