#include "library/mail/internal/mail_list.h"

#include <functional>

#include "host/messages.h"
#include "host/utf8.h"
#include "library/text/internal/ignoring_case.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/primitives.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {
namespace {

using host::WindowHandle;

constexpr char kFieldSeparator = '\t';
constexpr std::intptr_t kNoSuchEntry = -1;  // LB_ERR

bool IsEntryIndex(host::Platform& platform, WindowHandle list, int index) {
  return IndexInRange(platform, index, [&] { return CountMailEntries(platform, list); });
}

// Selects the entry and clicks the delete button, letting the host act after each;
// false when the host did not answer (and so the routine ends).
bool SelectAndDelete(host::Platform& platform, const MailList& mail, int index) {
  platform.SendMessageA(mail.list, LB_SETCURSEL, static_cast<std::uint32_t>(index), 0u);
  if (!HostAnswered(platform))
    return false;
  platform.PumpEvents();
  if (!ClickControl(platform, mail.deleteButton))
    return false;
  platform.PumpEvents();
  return true;
}

enum class Verdict { kKeep, kDelete, kStop };

// Judges the entries by their second field, from the first to the count read at the
// start. After a deletion the same index is judged again: the next entry has moved up
// into it. At most as many clicks as there were entries, so a host that ignores the
// button cannot hold us here.
void DeleteEntriesWhere(host::Platform& platform, const MailList& mail,
                        const std::function<Verdict(const std::string&)>& judge) {
  if (!mail.list || !mail.deleteButton)
    return;
  const int count = CountMailEntries(platform, mail.list);
  int clicks = 0;
  for (int i = 0; i < count; ++i) {
    const Verdict verdict = judge(SecondField(ReadMailEntry(platform, mail.list, i)));
    if (verdict == Verdict::kStop)
      return;
    if (verdict == Verdict::kDelete) {
      if (!SelectAndDelete(platform, mail, i) || ++clicks == count)
        return;
      --i;
    }
  }
}

}  // namespace

int CountMailEntries(host::Platform& platform, WindowHandle list) {
  if (!list)
    return 0;
  const std::intptr_t count = platform.SendMessageA(list, LB_GETCOUNT, 0, 0u);
  return count > 0 ? static_cast<int>(count) : 0;
}

std::string ReadMailEntry(host::Platform& platform, WindowHandle list, int index) {
  if (!list || index < 0)
    return {};
  const auto wParam = static_cast<std::uint32_t>(index);
  const std::intptr_t length = platform.SendMessageA(list, LB_GETTEXTLEN, wParam, 0u);
  if (length <= kNoSuchEntry || !HostAnswered(platform))
    return {};
  host::TextBuffer buffer{static_cast<int>(length) + 1, {}};
  platform.SendMessageA(list, LB_GETTEXT, wParam, buffer);
  // The buffer was length + 1 NULs; whatever the host did not overwrite stays NUL.
  std::string entry = std::move(buffer.text);
  const std::size_t characters = host::DecodeUtf8(entry).size();
  const auto bufferCharacters = static_cast<std::size_t>(length) + 1;
  if (characters < bufferCharacters)
    entry.append(bufferCharacters - characters, '\0');
  return entry;
}

namespace {

// Where the entry's first two tabs stand; false when it has fewer than two.
bool FindFieldTabs(std::string_view entry, std::size_t& first, std::size_t& second) {
  first = entry.find(kFieldSeparator);
  if (first == std::string_view::npos)
    return false;
  second = entry.find(kFieldSeparator, first + 1);
  return second != std::string_view::npos;
}

}  // namespace

std::string SecondField(std::string_view entry) {
  std::size_t first = 0, second = 0;
  if (!FindFieldTabs(entry, first, second))
    return {};
  return std::string(entry.substr(first + 1, second - first - 1));
}

std::string ThirdField(std::string_view entry) {
  std::size_t first = 0, second = 0;
  if (!FindFieldTabs(entry, first, second))
    return {};
  return std::string(entry.substr(second + 1));
}

std::string WithoutNuls(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\0')
      kept.push_back(c);
  }
  return kept;
}

void OpenMailEntry(host::Platform& platform, WindowHandle list, int index) {
  if (!IsEntryIndex(platform, list, index))
    return;
  platform.SendMessageA(list, LB_SETCURSEL, static_cast<std::uint32_t>(index), 0u);
  if (!HostAnswered(platform))
    return;
  platform.PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  platform.PostMessageA(list, WM_KEYUP, VK_RETURN, 0);
}

void AddThirdFields(host::Platform& platform, WindowHandle list, library::ListControl& listBox,
                    bool removeNuls) {
  const int count = CountMailEntries(platform, list);
  for (int i = 0; i < count; ++i) {
    const std::string field = ThirdField(ReadMailEntry(platform, list, i));
    if (!HostAnswered(platform))
      return;
    listBox.AddItem(removeNuls ? WithoutNuls(field) : field);
    platform.PumpEvents();
  }
}

void DeleteMailEntry(host::Platform& platform, const MailList& mail, int index) {
  if (!mail.deleteButton || !IsEntryIndex(platform, mail.list, index))
    return;
  SelectAndDelete(platform, mail, index);
}

void DeleteMailEntriesMatching(host::Platform& platform, const MailList& mail,
                               std::string_view text) {
  DeleteEntriesWhere(platform, mail, [text](const std::string& second) {
    return EqualIgnoringCase(second, text) ? Verdict::kDelete : Verdict::kKeep;
  });
}

void DeleteMailEntriesExcept(host::Platform& platform, const MailList& mail,
                             std::string_view text) {
  DeleteEntriesWhere(platform, mail, [text](const std::string& second) {
    if (second.empty())
      return Verdict::kStop;
    return EqualIgnoringCase(second, text) ? Verdict::kKeep : Verdict::kDelete;
  });
}

void DeleteDuplicateMailEntries(host::Platform& platform, const MailList& mail, FormControl& form,
                                int showProgress, ProgressCaption progressCaption) {
  const std::string remembered = form.Caption();
  if (!mail.list || !mail.deleteButton)
    return;
  const int count = CountMailEntries(platform, mail.list);
  int clicks = 0;
  bool answered = true;  // a send the host did not answer ends the routine
  for (int i = 0; answered && i + 1 < count && clicks < count; ++i) {
    platform.PumpEvents();
    const std::string original = ReadMailEntry(platform, mail.list, i);
    const std::string second = SecondField(original);
    const std::string third = WithoutNuls(ThirdField(original));
    // Entries past the end read empty: the deletions have used up the list.
    if (second.empty())
      break;
    for (int j = i + 1; answered && j < count && clicks < count; ++j) {
      if (showProgress != kFalse)
        form.SetCaption(progressCaption(i, j));
      const std::string later = ReadMailEntry(platform, mail.list, j);
      answered = HostAnswered(platform);
      if (answered && SecondField(later) == second && WithoutNuls(ThirdField(later)) == third) {
        answered = SelectAndDelete(platform, mail, j);
        ++clicks;
        --j;
      }
    }
  }
  form.SetCaption(remembered);
}

}  // namespace velto::library
