#pragma once

#include <string>
#include <string_view>

#include "host/platform.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// The mechanics shared by the host's mail lists: the mailbox's tab lists and the
// filed-mail list. An entry's text has tab-separated fields: the first, the second
// (between the first and the second tab) and the third (everything after the second
// tab). A field whose tab is missing reads as empty.
namespace velto::library {

// A host mail list and the button that deletes its selected entry.
struct MailList {
  host::WindowHandle list;
  host::WindowHandle deleteButton;
};

// LB_GETCOUNT of the list; 0 when the list is 0.
int CountMailEntries(host::Platform& platform, host::WindowHandle list);

// The entry as the host hands it over: LB_GETTEXTLEN, then LB_GETTEXT into a buffer of
// length + 1 NUL characters, so at least one NUL trails the text. Empty when the list is
// 0 or no entry has that index.
std::string ReadMailEntry(host::Platform& platform, host::WindowHandle list, int index);

std::string SecondField(std::string_view entry);
std::string ThirdField(std::string_view entry);  // NULs of the buffer included
std::string WithoutNuls(std::string_view text);

// Selects the entry and types return on the list, which opens it; nothing when the
// index names no entry.
void OpenMailEntry(host::Platform& platform, host::WindowHandle list, int index);

// Adds the third field of every entry to the list box, running the event pump after
// each; `removeNuls` drops the NULs that the buffer left in the field.
void AddThirdFields(host::Platform& platform, host::WindowHandle list,
                    library::ListControl& listBox, bool removeNuls);

// Selects the entry and clicks the delete button; nothing when the index names no entry.
void DeleteMailEntry(host::Platform& platform, const MailList& mail, int index);

// Deletes every entry whose second field equals `text`, ignoring case.
void DeleteMailEntriesMatching(host::Platform& platform, const MailList& mail,
                               std::string_view text);
// Deletes every entry whose second field differs from `text`, ignoring case, up to the
// first entry whose second field is empty.
void DeleteMailEntriesExcept(host::Platform& platform, const MailList& mail, std::string_view text);

// The caption a form shows while duplicates of entry i are looked for at entry j.
using ProgressCaption = std::string (*)(int i, int j);

// Deletes every entry whose second and third fields equal those of an earlier entry
// (case counts), keeping the earliest. With showProgress true the form's caption follows
// the search; the caption the form had is put back on every way out.
void DeleteDuplicateMailEntries(host::Platform& platform, const MailList& mail, FormControl& form,
                                int showProgress, ProgressCaption progressCaption);

}  // namespace velto::library
