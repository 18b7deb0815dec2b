#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// The host's mailbox window: a host child window whose "_AOL_TabControl" holds
// "_AOL_TabPage" children. Tab N is the N-th tab page; its list is the page's first
// "_AOL_Tree"; the mailbox's seventh "_AOL_Icon" deletes the selected entry. Every
// routine does nothing (or returns an empty result) when the mailbox is not open.
namespace velto::library {

host::WindowHandle FindMailboxWindow(host::Platform& platform);

// The number of entries of the tab's list.
int CountMailTab1(host::Platform& platform);
int CountMailTab2(host::Platform& platform);
int CountMailTab3(host::Platform& platform);

// Selects the entry (from 0) and types return on the list, which opens it; nothing when
// no entry has that index.
void OpenMailTab1(host::Platform& platform, int index);
void OpenMailTab2(host::Platform& platform, int index);
void OpenMailTab3(host::Platform& platform, int index);

// Adds the third field of every entry of the tab, as read, to the list box.
void ListMailTab1(host::Platform& platform, library::ListControl& listBox);
void ListMailTab2(host::Platform& platform, library::ListControl& listBox);
void ListMailTab3(host::Platform& platform, library::ListControl& listBox);

std::string MailTab1Field2(host::Platform& platform, int index);
// The third field with the NULs of the read buffer removed.
std::string MailTab1Field3(host::Platform& platform, int index);

// Selects the entry of tab 1 and clicks the delete button; nothing when no entry has
// that index.
void DeleteMailTab1(host::Platform& platform, int index);
// Deletes every entry of tab 1 whose second field equals the text, ignoring case.
void DeleteMailTab1Matching(host::Platform& platform, const std::string& text);
// Deletes every entry of tab 1 whose second field differs from the text, ignoring case,
// stopping at the first entry whose second field is empty.
void DeleteMailTab1Except(host::Platform& platform, const std::string& text);
// Deletes every later entry of tab 1 whose second and third fields equal an earlier
// entry's; the form's caption shows the progress when showProgress is true.
void DeleteDuplicateMailTab1(host::Platform& platform, FormControl& form, int showProgress);

}  // namespace velto::library
