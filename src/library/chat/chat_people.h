#pragma once

#include <string>
#include <string_view>

#include "host/platform.h"
#include "library/windows/own_controls.h"
#include "library/windows/yes_and_no.h"

// Entering chat rooms, the people in the chat room, and multi-line chat text. Every wait
// for a host window gives up after timings::kHostWindowWaitSeconds and ends the routine
// there, sending nothing further.
namespace velto::library {

// OpenKeyword of the room link "aol://2719:2-2-", "aol://2719:61-2-" or
// "aol://2719:21-2-" followed by the room name.
void EnterPrivateRoom(host::Platform& platform, const std::string& room);
void EnterRoomLink61(host::Platform& platform, const std::string& room);
void EnterRoomLink21(host::Platform& platform, const std::string& room);

// Waits until the chat room's caption is the room (spaces and letter case aside), or
// until the host refuses with its "America Online" box, which is then confirmed. The
// room is left in the form it was compared in: without spaces, in lower case.
void WaitForRoomEntry(host::Platform& platform, std::string& room);

// The number of names in the chat room's people list; 0 without a chat room.
int CountChatPeople(host::Platform& platform);

// Adds the names of the people in the chat room to a list box (or a combo box's list),
// in the host's order; the user's own name only when includeSelf is true (not 0). The
// names are read from the host's memory; one that cannot be read is left out.
void ListChatPeople(host::Platform& platform, library::ListControl& list, int includeSelf);
void ListChatPeopleToCombo(host::Platform& platform, library::ListControl& combo, int includeSelf);

// Opens the person window of the person at that index of the people list, ticks its
// check box (ignoring the person) and closes it. Does nothing for an index past the end.
void IgnoreChatPerson(host::Platform& platform, int index);
// IgnoreChatPerson for the first person of that name (ignoring case), never the user.
void IgnoreChatPersonByName(host::Platform& platform, const std::string& name);

// The first host child window with an "_AOL_Checkbox", an "_AOL_Static", an
// "_AOL_Glyph" and two "_AOL_Icon" children; 0 when there is none.
host::WindowHandle FindPersonWindow(host::Platform& platform);

// Says the text in the chat room line by line: lines of more than 3 characters, each cut
// to its first 92, with a pause after each and a further pause after every fourth line
// of the text. Nothing without a chat room or for an empty text.
void SendChatText(host::Platform& platform, const std::string& text);

// The text before a chat line's first colon; empty when it has none.
std::string ChatLineSender(std::string_view line);
// The text after a chat line's first tab; empty when it has none.
std::string ChatLineMessage(std::string_view line);

}  // namespace velto::library
