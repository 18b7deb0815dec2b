#pragma once

#include <string>

#include "host/platform.h"
#include "host/wait.h"

namespace velto::host {

// The first host child window, in child order, that has direct children of all four
// chat-room control classes; 0 when there is none.
WindowHandle FindChatRoom(Platform& platform);

// Puts the line into the chat room's input and types a carriage return there. Returns
// whether both messages were answered. A message that fails (no room, the room gone,
// the host not answering) ends the routine: nothing more goes to the room, so the host
// never gets a carriage return after a text that did not arrive.
bool SendChatLine(Platform& platform, const std::string& text);

// Puts the keyword into the host's keyword box, then types a space and a carriage
// return; returns whether all three were answered. Like SendChatLine, it stops at the
// first message that fails.
bool OpenKeyword(Platform& platform, const std::string& keyword);

// The call's outcome (Platform::LastOutcome) tells the same more broadly: taken and
// refused are done; timed out is timed out (or nothing to act on when the host went, or
// quit requested); not sent is nothing to act on without a host, else the host did not
// answer.
enum class InstantMessageOutcome {
  kTaken,     // the instant-message window closed by itself
  kRefused,   // the host answered with its message box, which was confirmed
  kTimedOut,  // the window never opened, or the host never answered, or it quit
  kNotSent,   // no host, or a message to it failed: the message was not handed over
};

// Sends an instant message through the host's own instant-message window.
InstantMessageOutcome SendInstantMessage(Platform& platform, const std::string& recipient,
                                         const std::string& message);

// The window's caption; empty for window 0.
std::string GetWindowCaption(Platform& platform, WindowHandle window);

// The screen name from the host's "Welcome, <name>!" window; empty when there is none.
std::string GetScreenName(Platform& platform);

// Lets the user move a borderless window of ours by dragging it; returns when the
// button is released.
void DragForm(Platform& platform, WindowHandle form);

}  // namespace velto::host
