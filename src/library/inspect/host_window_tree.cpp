#include "library/inspect/host_window_tree.h"

#include <cstdio>
#include <map>
#include <string_view>
#include <vector>

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/host_text.h"
#include "host/tracing_platform.h"
#include "host/window_search.h"
#include "library/chat/chat_people.h"
#include "library/chat/instant_messages.h"
#include "library/mail/internal/marker_walk.h"
#include "library/mail/mail_errors.h"
#include "library/mail/mail_windows.h"
#include "library/mail/mailbox.h"
#include "library/windows/internal/host_lookups.h"

namespace velto::library {

using host::WindowHandle;
namespace host_class = host::host_class;
namespace host_caption = host::host_caption;

namespace {

// Long enough for every class and caption the host uses.
constexpr int kLongestNameRead = 256;
constexpr int kChatInput = 2;           // the chat room's second "RICHCNTL"
constexpr int kInstantMessageSend = 9;  // the ninth "_AOL_Icon" of the window
constexpr std::size_t kChatRoomMarkerCount = 4;

// What each recognised window is, in the library's words, by handle.
using Recognised = std::map<WindowHandle, std::string>;

void Name(Recognised& names, WindowHandle window, const std::string& what) {
  if (!window)
    return;
  std::string& name = names[window];
  name += name.empty() ? what : "; " + what;
}

void NameToolbar(host::Platform& platform, Recognised& names, WindowHandle frame) {
  Name(names, host::FindChild(platform, frame, host_class::kToolbar), "the toolbar");
  Name(names, host::FindInnerToolbar(platform),
       "the toolbar's keyword box and icons (FindInnerToolbar)");
  Name(names, host::FindKeywordBox(platform), "the keyword box (OpenKeyword)");
  for (int n = 1;; ++n) {
    const WindowHandle icon = host::FindToolbarIcon(platform, n);
    if (!icon)
      break;
    Name(names, icon, "toolbar icon " + std::to_string(n) + " (FindToolbarIcon)");
  }
}

void NameChatWindows(host::Platform& platform, Recognised& names, WindowHandle mdi) {
  const WindowHandle room = host::FindChatRoom(platform);
  Name(names, room, "the chat room FindChatRoom uses");
  Name(names, host::FindNthChild(platform, room, host_class::kRichText, kChatInput),
       "the chat input (SendChatLine)");
  Name(names, FindChatPeopleList(platform), "the people in the room (FindChatPeopleList)");
  // SendInstantMessage uses the one its keyword opens, so each one open is named.
  for (const WindowHandle im : host::FindInstantMessageWindows(platform, mdi)) {
    Name(names, im, "an instant-message window (SendInstantMessage)");
    Name(names, host::FindChild(platform, im, host_class::kRichText),
         "the instant message's text (SendInstantMessage)");
    Name(names, host::FindNthChild(platform, im, host_class::kIcon, kInstantMessageSend),
         "the instant message's send button (SendInstantMessage)");
  }
  Name(names, FindConversationWindow(platform), "the conversation (FindConversationWindow)");
  Name(names, FindPersonWindow(platform), "the person window (FindPersonWindow)");
}

void NameMailboxTabs(host::Platform& platform, Recognised& names, WindowHandle mailbox) {
  const WindowHandle tabs = host::FindChild(platform, mailbox, host_class::kTabControl);
  int n = 1;
  for (WindowHandle page = host::FindChild(platform, tabs, host_class::kTabPage); page;
       page = host::FindNextChild(platform, tabs, page, host_class::kTabPage), ++n) {
    Name(names, page,
         "mailbox tab " + std::to_string(n) + " (CountMailTab" + std::to_string(n) +
             " and the rest)");
  }
}

void NameMailWindows(host::Platform& platform, Recognised& names) {
  const WindowHandle mailbox = FindMailboxWindow(platform);
  Name(names, mailbox, "the mailbox (FindMailboxWindow)");
  NameMailboxTabs(platform, names, mailbox);
  Name(names, FindCaptionedHostChild(platform, host_caption::kFiledMail),
       "filed mail (CountFiledMail and the rest)");
  Name(names, FindComposeWindow(platform), "a compose window (FindComposeWindow)");
  Name(names, FindCaptionedHostChild(platform, host_caption::kWriteMail),
       "the write-mail window (SendMail)");
  Name(names, FindReadMailWindow(platform), "the read-mail window (FindReadMailWindow)");
  Name(names, FindMailErrorWindow(platform), "the mail error window (FindMailErrorWindow)");
}

void NameAccountWindows(host::Platform& platform, Recognised& names) {
  constexpr std::string_view kAccountWindows[] = {
      host_caption::kParentalControls, host_caption::kProfileRequest, host_caption::kProfile,
      host_caption::kPreferences, host_caption::kMailPreferences};
  for (const std::string_view caption : kAccountWindows) {
    Name(names, FindCaptionedHostChild(platform, caption),
         "an account window (found by its caption)");
  }
}

void NameMessageBox(host::Platform& platform, Recognised& names) {
  const HostMessageBox box = FindHostMessageBox(platform);
  Name(names, box.box, "the host's message box (FindHostMessageBox)");
  Name(names, box.ok, "its OK button");
}

// The host child windows that hold some of the chat room's controls but not all, and
// the whole rooms after the first, which FindChatRoom passes over.
void NameNearRooms(host::Platform& platform, Recognised& names, WindowHandle mdi) {
  const WindowHandle room = host::FindChatRoom(platform);
  for (WindowHandle child = host::FindChild(platform, mdi, host_class::kChild); child;
       child = host::FindNextChild(platform, mdi, child, host_class::kChild)) {
    if (child == room || names.count(child))
      continue;
    const std::vector<std::string_view> missing = host::MissingChatRoomMarkers(platform, child);
    if (missing.empty()) {
      Name(names, child, "a chat room too, passed over: FindChatRoom uses the first");
    } else if (missing.size() < kChatRoomMarkerCount) {
      std::string lacks;
      for (const std::string_view marker : missing)
        lacks += (lacks.empty() ? "no \"" : ", no \"") + std::string(marker) + "\"";
      Name(names, child, "not the chat room (FindChatRoom): " + lacks);
    }
  }
}

Recognised RecogniseHostWindows(host::Platform& platform, WindowHandle frame) {
  Recognised names;
  const WindowHandle mdi = host::FindHostMdiClient(platform, frame);
  Name(names, frame, "the host's frame (FindHostFrame)");
  Name(names, mdi, "the host's MDI client (FindHostMdiClient)");
  NameToolbar(platform, names, frame);
  NameChatWindows(platform, names, mdi);
  NameMailWindows(platform, names);
  NameAccountWindows(platform, names);
  NameMessageBox(platform, names);
  NameNearRooms(platform, names, mdi);
  return names;
}

std::string Quoted(std::string_view bytes) {
  return "\"" + host::EscapedBytes(bytes) + "\"";
}

std::string WindowLine(host::Platform& platform, WindowHandle window, const Recognised& names) {
  char handle[16];
  std::snprintf(handle, sizeof handle, "0x%x", window.value());
  const std::string caption = host::ToHostBytes(platform.GetWindowTextA(window, kLongestNameRead));
  std::string line = std::string(handle) + " " +
                     Quoted(platform.GetClassNameA(window, kLongestNameRead)) + " " +
                     Quoted(caption) + (platform.IsWindowVisible(window) ? " visible" : " hidden");
  if (const auto name = names.find(window); name != names.end())
    line += "  <- " + name->second;
  return line;
}

// A window of the walk and its depth below the top level.
struct Walked {
  WindowHandle window;
  int depth;
};

void Walk(host::Platform& platform, WindowHandle window, int depth, std::vector<Walked>& walk) {
  walk.push_back(Walked{window, depth});
  for (WindowHandle child =
           platform.FindWindowExA(window, host::kNoWindow, host::kAnyClass, host::kAnyCaption);
       child; child = platform.FindWindowExA(window, child, host::kAnyClass, host::kAnyCaption)) {
    Walk(platform, child, depth + 1, walk);
  }
}

// The host's top-level windows besides its frame: those of the frame's process.
std::vector<WindowHandle> OtherHostWindows(host::Platform& platform, WindowHandle frame) {
  std::vector<WindowHandle> windows;
  const std::uint32_t host = platform.GetWindowThreadProcessId(frame);
  for (WindowHandle window = platform.FindWindowExA(host::kNoWindow, host::kNoWindow,
                                                    host::kAnyClass, host::kAnyCaption);
       window; window = platform.FindWindowExA(host::kNoWindow, window, host::kAnyClass,
                                               host::kAnyCaption)) {
    if (window != frame && platform.GetWindowThreadProcessId(window) == host)
      windows.push_back(window);
  }
  return windows;
}

}  // namespace

std::string DescribeHostWindows(host::Platform& platform) {
  std::vector<Walked> walk;
  Recognised names;
  WindowHandle frame;
  {
    // Finders of windows that are not open tell nothing of how this call went.
    const host::OutcomeRecord::Quiet absentIsNoFault(platform.Outcomes());
    frame = host::FindHostFrame(platform);
    if (frame) {
      // The walk comes first: a window the host opens meanwhile is left out, rather than
      // shown as if no finder knew it.
      Walk(platform, frame, 0, walk);
      for (const WindowHandle window : OtherHostWindows(platform, frame))
        Walk(platform, window, 0, walk);
      names = RecogniseHostWindows(platform, frame);
    }
  }
  if (!host::Found(platform, frame))
    return {};
  std::string tree;
  for (const Walked& walked : walk) {
    tree += std::string(static_cast<std::size_t>(walked.depth) * 2, ' ') +
            WindowLine(platform, walked.window, names) + "\n";
  }
  return tree;
}

}  // namespace velto::library
