#include <optional>

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/window_search.h"
#include "library/chat/chat_people.h"
#include "library/chat/internal/people_memory.h"
#include "library/text/internal/ignoring_case.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {

using host::WindowHandle;

namespace {

constexpr int kPersonWindowIcons = 2;

void AddChatPeople(host::Platform& platform, library::ListControl& list, int includeSelf) {
  const std::string self = host::GetScreenName(platform);
  ForEachChatPerson(platform, [&](int, const std::string& name) {
    if (name != self || includeSelf != kFalse)
      list.AddItem(name);
    return true;
  });
}

// Clicks the check box until it reads as ticked. A box that already reads ticked is not
// clicked again: each click turns it over.
bool TickCheckBox(host::Platform& platform, WindowHandle box) {
  constexpr std::intptr_t kUnchecked = 0;  // BST_UNCHECKED
  bool unanswered = false;
  return WaitForHostWindow(platform,
                           [&] {
                             platform.PumpEvents();
                             if (platform.SendMessageA(box, BM_GETCHECK, 0, 0u) != kUnchecked)
                               return true;
                             if (!HostAnswered(platform)) {
                               unanswered = true;
                               return true;
                             }
                             platform.PostMessageA(box, WM_LBUTTONDOWN, 0, 0);
                             platform.PumpEvents();
                             platform.PostMessageA(box, WM_LBUTTONUP, 0, 0);
                             platform.PumpEvents();
                             return false;
                           }) &&
         !unanswered;
}

}  // namespace

int CountChatPeople(host::Platform& platform) {
  const WindowHandle list = FindChatPeopleList(platform);
  if (!list)
    return 0;
  const auto count = platform.SendMessageA(list, LB_GETCOUNT, 0, 0u);
  return count > 0 ? static_cast<int>(count) : 0;
}

void ListChatPeople(host::Platform& platform, library::ListControl& list, int includeSelf) {
  AddChatPeople(platform, list, includeSelf);
}

void ListChatPeopleToCombo(host::Platform& platform, library::ListControl& combo, int includeSelf) {
  AddChatPeople(platform, combo, includeSelf);
}

WindowHandle FindPersonWindow(host::Platform& platform) {
  return FindHostChildWhere(platform, [&](WindowHandle child) {
    // Every lookup is made, as FindChatRoom makes them.
    const bool box = !host::FindChild(platform, child, host::host_class::kCheckBox).IsNone();
    const bool label = !host::FindChild(platform, child, host::host_class::kStatic).IsNone();
    const bool glyph = !host::FindChild(platform, child, host::host_class::kGlyph).IsNone();
    const bool icons =
        !host::FindNthChild(platform, child, host::host_class::kIcon, kPersonWindowIcons).IsNone();
    return box && label && glyph && icons;
  });
}

void IgnoreChatPerson(host::Platform& platform, int index) {
  if (!IndexInRange(platform, index, [&] { return CountChatPeople(platform); }))
    return;
  const WindowHandle list = FindChatPeopleList(platform);
  std::int32_t zero = 0;
  platform.SendMessageA(list, LB_SETCURSEL, static_cast<std::uint32_t>(index), zero);
  if (!HostAnswered(platform))
    return;
  platform.PostMessageA(list, WM_LBUTTONDBLCLK, 0, 0);

  WindowHandle person;
  const bool opened = WaitForHostWindow(platform, [&] {
    person = FindPersonWindow(platform);
    return !person.IsNone();
  });
  if (!opened)
    return;
  platform.PumpEvents();
  const WindowHandle box = host::FindChild(platform, person, host::host_class::kCheckBox);
  if (!box || !TickCheckBox(platform, box))
    return;
  platform.PumpEvents();
  platform.PostMessageA(person, WM_CLOSE, 0, 0);
}

void IgnoreChatPersonByName(host::Platform& platform, const std::string& name) {
  const std::string self = host::GetScreenName(platform);
  std::optional<int> found;
  ForEachChatPerson(platform, [&](int index, const std::string& person) {
    if (person != self && EqualIgnoringCase(person, name))
      found = index;
    return !found;
  });
  if (!found)
    return;
  IgnoreChatPerson(platform, *found);
  platform.PumpEvents();
}

}  // namespace velto::library
