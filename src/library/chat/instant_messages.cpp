#include "library/chat/instant_messages.h"

#include <algorithm>
#include <vector>

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/utf8.h"
#include "host/window_search.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/own_controls.h"
#include "library/windows/primitives.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {

using host::WindowHandle;

namespace {

constexpr std::string_view kSwitchOn = "$IM_ON";
constexpr std::string_view kSwitchOff = "$IM_OFF";
constexpr std::string_view kForOneMember = ", ";
constexpr std::string_view kSwitchText = "=)";

constexpr std::u32string_view kConversationMark = U"Instant Message";
constexpr std::size_t kMostCharactersBeforeMark = 2;
constexpr int kReplyBox = 2;    // the second "RICHCNTL"
constexpr int kSendButton = 9;  // the ninth "_AOL_Icon"

constexpr std::string_view kInstantMessageLink = "aol://9293:";
constexpr int kAvailabilityButton = 10;  // the tenth "_AOL_Icon"
constexpr int kAnswerLabel = 2;          // the second "Static" of the host's box
// Every answer of the host is longer than this; a shorter text is not (yet) the answer.
constexpr std::size_t kLongestUnfinishedAnswer = 15;
constexpr std::string_view kOnlineAnswer = "is online and able to receive";

void Switch(host::Platform& platform, std::string_view recipient) {
  host::SendInstantMessage(platform, std::string(recipient), std::string(kSwitchText));
}

WindowHandle FirstRichText(host::Platform& platform) {
  return host::FindChild(platform, FindConversationWindow(platform), host::host_class::kRichText);
}

// The tenth icon of the "Send Instant Message" window the keyword opened (left in
// `window`): the first one not open before (`before`), once its text box and all ten
// icons are there; 0 before.
WindowHandle FindAvailabilityButton(host::Platform& platform, WindowHandle mdi,
                                    const std::vector<WindowHandle>& before, WindowHandle& window) {
  window = host::kNoWindow;
  for (const WindowHandle candidate : host::FindInstantMessageWindows(platform, mdi)) {
    if (std::find(before.begin(), before.end(), candidate) == before.end()) {
      window = candidate;
      break;
    }
  }
  const WindowHandle text = host::FindChild(platform, window, host::host_class::kRichText);
  const WindowHandle button =
      host::FindNthChild(platform, window, host::host_class::kIcon, kAvailabilityButton);
  return text ? button : host::kNoWindow;
}

}  // namespace

void InstantMessagesOn(host::Platform& platform) {
  Switch(platform, kSwitchOn);
}

void InstantMessagesOff(host::Platform& platform) {
  Switch(platform, kSwitchOff);
}

void InstantMessagesOnFor(host::Platform& platform, const std::string& name) {
  Switch(platform, std::string(kSwitchOn) + std::string(kForOneMember) + name);
}

void InstantMessagesOffFor(host::Platform& platform, const std::string& name) {
  Switch(platform, std::string(kSwitchOff) + std::string(kForOneMember) + name);
}

WindowHandle FindConversationWindow(host::Platform& platform) {
  return FindHostChildWhere(platform, [&](WindowHandle child) {
    const std::u32string caption = host::DecodeUtf8(host::GetWindowCaption(platform, child));
    const std::size_t mark = caption.find(kConversationMark);
    return mark != std::u32string::npos && mark <= kMostCharactersBeforeMark;
  });
}

std::string ConversationText(host::Platform& platform) {
  return GetControlText(platform, FirstRichText(platform));
}

std::string ConversationSender(host::Platform& platform) {
  const std::u32string caption =
      host::DecodeUtf8(host::GetWindowCaption(platform, FindConversationWindow(platform)));
  const std::size_t colon = caption.find(U':');
  // The name follows the colon and the space after it.
  const std::size_t name = colon + 2;
  if (colon == std::u32string::npos || name >= caption.size())
    return {};
  return host::EncodeUtf8(caption.substr(name));
}

std::string LastConversationLine(host::Platform& platform) {
  const std::u32string text = host::DecodeUtf8(GetControlText(platform, FirstRichText(platform)));
  // The host puts a space after the sender's tab and ends every message with a break.
  const std::size_t tab = text.rfind(U'\t');
  const std::size_t start = tab == std::u32string::npos ? 1 : tab + 2;
  if (start >= text.size())
    return {};
  return host::EncodeUtf8(text.substr(start, text.size() - start - 1));
}

void ReplyToConversation(host::Platform& platform, const std::string& text) {
  const WindowHandle window = FindConversationWindow(platform);
  const WindowHandle reply =
      host::FindNthChild(platform, window, host::host_class::kRichText, kReplyBox);
  const WindowHandle send =
      host::FindNthChild(platform, window, host::host_class::kIcon, kSendButton);
  if (!reply || !send || !SetControlText(platform, reply, text))
    return;
  platform.PumpEvents();
  ClickControl(platform, send);
}

int IsMemberOnline(host::Platform& platform, const std::string& screenName) {
  const WindowHandle mdi = host::FindHostMdiClient(platform, host::FindHostFrame(platform));
  const std::vector<WindowHandle> before = host::FindInstantMessageWindows(platform, mdi);
  if (!host::OpenKeyword(platform, std::string(kInstantMessageLink) + screenName))
    return kFalse;

  WindowHandle window;
  WindowHandle button;
  const bool opened = WaitForHostWindow(platform, [&] {
    button = FindAvailabilityButton(platform, mdi, before, window);
    return !button.IsNone();
  });
  if (!opened)
    return kFalse;
  platform.PumpEvents();
  if (!ClickControl(platform, button))
    return kFalse;

  HostMessageBox answerBox;
  if (!WaitForHostWindow(platform, [&] {
        answerBox = FindHostMessageBox(platform);
        return answerBox.box && answerBox.ok;
      })) {
    return kFalse;
  }
  std::string answer;
  if (!WaitForHostWindow(platform, [&] {
        const WindowHandle label = host::FindNthChild(
            platform, answerBox.box, host::host_class::kDialogStatic, kAnswerLabel);
        answer = GetControlText(platform, label);
        return label && host::DecodeUtf8(answer).size() > kLongestUnfinishedAnswer;
      })) {
    return kFalse;
  }
  const int online = answer.find(kOnlineAnswer) != std::string::npos ? kTrue : kFalse;
  if (SendSpaceKey(platform, answerBox.ok))
    platform.PostMessageA(window, WM_CLOSE, 0, 0);
  return online;
}

}  // namespace velto::library
