#pragma once

#include <string>

#include "host/platform.h"
#include "library/windows/yes_and_no.h"

// Switching instant messages, the conversation window of an instant message, and asking
// the host whether a member is online. Every wait for a host window gives up after
// timings::kHostWindowWaitSeconds and ends the routine there, sending nothing further.
namespace velto::library {

// SendInstantMessage to the host's switch recipients "$IM_ON" and "$IM_OFF" (for one
// member: "$IM_ON, " or "$IM_OFF, " followed by the name), with the text "=)".
void InstantMessagesOn(host::Platform& platform);
void InstantMessagesOff(host::Platform& platform);
void InstantMessagesOnFor(host::Platform& platform, const std::string& name);
void InstantMessagesOffFor(host::Platform& platform, const std::string& name);

// The first host child window whose caption has "Instant Message" after at most two
// leading characters; 0 when there is none.
host::WindowHandle FindConversationWindow(host::Platform& platform);
// The conversation's text (its first "RICHCNTL"); empty without a conversation window.
std::string ConversationText(host::Platform& platform);
// The conversation window's caption after its first colon and the character after it;
// empty when the caption has no colon.
std::string ConversationSender(host::Platform& platform);
// The conversation's last message: the text after its last tab, without the tab, the
// character after it and the text's final character. Empty for an empty text.
std::string LastConversationLine(host::Platform& platform);
// Puts the text into the conversation's reply box and clicks its send button.
void ReplyToConversation(host::Platform& platform, const std::string& text);

// Asks the host, through an instant-message window, whether the member is online and
// able to receive instant messages: kTrue or kFalse (also when the host does not answer).
int IsMemberOnline(host::Platform& platform, const std::string& screenName);

}  // namespace velto::library
