#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/window_search.h"

namespace velto::host {

namespace {

bool SendChar(Platform& platform, WindowHandle box, std::uint32_t character) {
  platform.SendMessageA(box, WM_CHAR, character, 0u);
  return platform.LastSendAnswered();
}

}  // namespace

WindowHandle FindKeywordBox(Platform& platform) {
  const WindowHandle combo = FindChild(platform, FindInnerToolbar(platform), host_class::kComboBox);
  return FindChild(platform, combo, host_class::kEdit);
}

bool OpenKeyword(Platform& platform, const std::string& keyword) {
  if (platform.QuitRequested())
    return false;
  const WindowHandle box = FindKeywordBox(platform);
  if (!box)
    return false;
  platform.SendMessageA(box, WM_SETTEXT, 0, keyword);
  if (!platform.LastSendAnswered())
    return false;
  // The host only acts on the box after a typed key; the space makes it notice the text.
  return SendChar(platform, box, kSpace) && SendChar(platform, box, kCarriageReturn);
}

}  // namespace velto::host
