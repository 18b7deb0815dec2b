#include "library/mail/mailbox.h"

#include "host/host_names.h"
#include "host/window_search.h"
#include "library/mail/internal/mail_list.h"
#include "library/windows/internal/host_lookups.h"

namespace velto::library {
namespace {

using host::WindowHandle;

constexpr int kDeleteButton = 7;  // the mailbox's seventh "_AOL_Icon"

WindowHandle FindTabList(host::Platform& platform, WindowHandle mailbox, int tab) {
  const WindowHandle tabs = host::FindChild(platform, mailbox, host::host_class::kTabControl);
  const WindowHandle page = host::FindNthChild(platform, tabs, host::host_class::kTabPage, tab);
  return host::FindChild(platform, page, host::host_class::kTree);
}

WindowHandle TabList(host::Platform& platform, int tab) {
  return FindTabList(platform, FindMailboxWindow(platform), tab);
}

MailList TabOneWithDeleteButton(host::Platform& platform) {
  const WindowHandle mailbox = FindMailboxWindow(platform);
  return MailList{FindTabList(platform, mailbox, 1),
                  host::FindNthChild(platform, mailbox, host::host_class::kIcon, kDeleteButton)};
}

std::string DuplicateProgress(int i, int j) {
  return "Now checking #" + std::to_string(i) + " for match with #" + std::to_string(j);
}

}  // namespace

WindowHandle FindMailboxWindow(host::Platform& platform) {
  return FindHostChildWhere(platform, [&](WindowHandle child) {
    const WindowHandle tabs = host::FindChild(platform, child, host::host_class::kTabControl);
    return !host::FindChild(platform, tabs, host::host_class::kTabPage).IsNone();
  });
}

int CountMailTab1(host::Platform& platform) {
  return CountMailEntries(platform, TabList(platform, 1));
}
int CountMailTab2(host::Platform& platform) {
  return CountMailEntries(platform, TabList(platform, 2));
}
int CountMailTab3(host::Platform& platform) {
  return CountMailEntries(platform, TabList(platform, 3));
}

void OpenMailTab1(host::Platform& platform, int index) {
  OpenMailEntry(platform, TabList(platform, 1), index);
}
void OpenMailTab2(host::Platform& platform, int index) {
  OpenMailEntry(platform, TabList(platform, 2), index);
}
void OpenMailTab3(host::Platform& platform, int index) {
  OpenMailEntry(platform, TabList(platform, 3), index);
}

void ListMailTab1(host::Platform& platform, library::ListControl& listBox) {
  AddThirdFields(platform, TabList(platform, 1), listBox, false);
}
void ListMailTab2(host::Platform& platform, library::ListControl& listBox) {
  AddThirdFields(platform, TabList(platform, 2), listBox, false);
}
void ListMailTab3(host::Platform& platform, library::ListControl& listBox) {
  AddThirdFields(platform, TabList(platform, 3), listBox, false);
}

std::string MailTab1Field2(host::Platform& platform, int index) {
  return SecondField(ReadMailEntry(platform, TabList(platform, 1), index));
}

std::string MailTab1Field3(host::Platform& platform, int index) {
  return WithoutNuls(ThirdField(ReadMailEntry(platform, TabList(platform, 1), index)));
}

void DeleteMailTab1(host::Platform& platform, int index) {
  DeleteMailEntry(platform, TabOneWithDeleteButton(platform), index);
}

void DeleteMailTab1Matching(host::Platform& platform, const std::string& text) {
  DeleteMailEntriesMatching(platform, TabOneWithDeleteButton(platform), text);
}

void DeleteMailTab1Except(host::Platform& platform, const std::string& text) {
  DeleteMailEntriesExcept(platform, TabOneWithDeleteButton(platform), text);
}

void DeleteDuplicateMailTab1(host::Platform& platform, FormControl& form, int showProgress) {
  DeleteDuplicateMailEntries(platform, TabOneWithDeleteButton(platform), form, showProgress,
                             DuplicateProgress);
}

}  // namespace velto::library
