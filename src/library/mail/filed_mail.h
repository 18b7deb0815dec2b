#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// The host's filed-mail window: the host child window captioned "Incoming/Saved Mail".
// Its list is the first "_AOL_Tree"; its fourth "_AOL_Icon" deletes the selected entry.
// Every routine does nothing (or returns an empty result) when the window is not open.
namespace velto::library {

int CountFiledMail(host::Platform& platform);
// Selects the entry (from 0) and types return on the list; nothing when no entry has
// that index.
void OpenFiledMail(host::Platform& platform, int index);
// Adds the third field of every entry, NULs removed, to the list box.
void ListFiledMail(host::Platform& platform, library::ListControl& listBox);
std::string FiledMailField2(host::Platform& platform, int index);
// The third field with the NULs of the read buffer removed.
std::string FiledMailField3(host::Platform& platform, int index);
// Selects the entry and clicks the delete button; nothing when no entry has that index.
void DeleteFiledMail(host::Platform& platform, int index);
// Deletes every later entry whose second and third fields equal an earlier entry's; the
// form's caption shows the progress when showProgress is true.
void DeleteDuplicateFiledMail(host::Platform& platform, FormControl& form, int showProgress);

}  // namespace velto::library
