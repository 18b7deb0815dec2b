#include <algorithm>
#include <vector>

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/window_search.h"

namespace velto::host {
namespace {

constexpr std::string_view kInstantMessageCaption = host_caption::kInstantMessage;
constexpr std::string_view kHostMessageBoxCaption = host_caption::kHostMessageBox;
constexpr std::string_view kInstantMessageLink = "aol://9293:";
constexpr int kSendButtonIndex = 9;  // the ninth "_AOL_Icon" of the window

struct InstantMessageWindow {
  WindowHandle window;
  WindowHandle text;
  WindowHandle send;
};

InstantMessageWindow LookInside(Platform& platform, WindowHandle window) {
  InstantMessageWindow im;
  im.window = window;
  im.text = FindChild(platform, window, host_class::kRichText);
  im.send = FindNthChild(platform, window, host_class::kIcon, kSendButtonIndex);
  return im;
}

bool IsAmong(const std::vector<WindowHandle>& windows, WindowHandle window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// The window the keyword opened: the first one not open before it was typed. Another
// one, left open to somebody else, would carry the message to the wrong member.
InstantMessageWindow LookForNewWindow(Platform& platform, WindowHandle mdi,
                                      const std::vector<WindowHandle>& before) {
  for (const WindowHandle window : FindInstantMessageWindows(platform, mdi)) {
    if (!IsAmong(before, window))
      return LookInside(platform, window);
  }
  return {};
}

// Whether both halves of the click were answered; a press that fails is not released.
bool ClickSendButton(Platform& platform, WindowHandle send) {
  // The host's button reads lParam as the address of a zero, not as a position.
  std::int32_t zero = 0;
  platform.SendMessageA(send, WM_LBUTTONDOWN, 0, zero);
  if (!platform.LastSendAnswered())
    return false;
  platform.SendMessageA(send, WM_LBUTTONUP, 0, zero);
  return platform.LastSendAnswered();
}

// Fills in the message and clicks send; false as soon as a message fails, so a text
// that never arrived is never sent by a click.
bool HandOver(Platform& platform, const InstantMessageWindow& im, const std::string& message) {
  platform.SendMessageA(im.text, WM_SETTEXT, 0, message);
  return platform.LastSendAnswered() && ClickSendButton(platform, im.send);
}

// A box is found as soon as it is created, before it is shown. A space pressed then is
// lost when the box is shown and activated, and the box stays up; so the press waits
// for the box to show, and is made anyway once a shown box is overdue.
void AwaitHostMessageBoxShown(Platform& platform, WindowHandle box) {
  const OutcomeRecord::Quiet overdueIsNoFault(platform.Outcomes());
  WaitForHost(
      platform, [&] { return platform.IsWindowVisible(box); }, timings::kHostMessageBoxShowSeconds,
      timings::kWindowPollSeconds);
}

void ConfirmHostMessageBox(Platform& platform, WindowHandle box, WindowHandle im) {
  const WindowHandle button = FindChild(platform, box, host_class::kButton);
  if (button) {
    platform.PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    platform.PostMessageA(button, WM_KEYUP, VK_SPACE, 0);
  }
  if (im)
    platform.PostMessageA(im, WM_CLOSE, 0, 0);
}

// The host reads posted keys and closes in its own time (under Wine another process may
// take seconds). Until both are gone, the next instant message would find this box as
// its answer, or this window as the one its keyword opened, and type into a window that
// is about to close; so the refusal is over only once the host has closed them, or
// once that is as overdue as a hung host.
void AwaitRefusalClosed(Platform& platform, WindowHandle mdi, WindowHandle box, WindowHandle im) {
  const OutcomeRecord::Quiet overdueIsNoFault(platform.Outcomes());
  WaitForHost(
      platform,
      [&] {
        const bool boxGone =
            platform.FindWindowA(host_class::kDialog, kHostMessageBoxCaption) != box;
        const bool windowGone = !im || !IsAmong(FindInstantMessageWindows(platform, mdi), im);
        return boxGone && windowGone;
      },
      timings::kHostMessageBoxShowSeconds, timings::kWindowPollSeconds);
}

}  // namespace

std::vector<WindowHandle> FindInstantMessageWindows(Platform& platform, WindowHandle mdi) {
  std::vector<WindowHandle> windows;
  for (WindowHandle window = FindChild(platform, mdi, host_class::kChild, kInstantMessageCaption);
       window;
       window = FindNextChild(platform, mdi, window, host_class::kChild, kInstantMessageCaption)) {
    windows.push_back(window);
  }
  return windows;
}

InstantMessageOutcome SendInstantMessage(Platform& platform, const std::string& recipient,
                                         const std::string& message) {
  // With no host there is nothing to wait for; the keyword box is not looked for.
  const WindowHandle mdi = FindHostMdiClient(platform, FindHostFrame(platform));
  if (!mdi || platform.QuitRequested())
    return InstantMessageOutcome::kNotSent;
  const std::vector<WindowHandle> before = FindInstantMessageWindows(platform, mdi);
  if (!OpenKeyword(platform, std::string(kInstantMessageLink) + recipient))
    return InstantMessageOutcome::kNotSent;

  InstantMessageWindow im;
  const bool opened = WaitForHost(
      platform,
      [&] {
        im = LookForNewWindow(platform, mdi, before);
        return im.window && im.text && im.send;
      },
      timings::kInstantMessageWaitSeconds, timings::kWindowPollSeconds);
  if (!opened)
    return InstantMessageOutcome::kTimedOut;

  if (!HandOver(platform, im, message))
    return InstantMessageOutcome::kNotSent;

  // A host that quits closes the window too; that is no sign the message was taken.
  WindowHandle box;
  WindowHandle stillOpen;
  const bool answered = WaitForHost(
      platform,
      [&] {
        box = platform.FindWindowA(host_class::kDialog, kHostMessageBoxCaption);
        stillOpen =
            IsAmong(FindInstantMessageWindows(platform, mdi), im.window) ? im.window : kNoWindow;
        return box || !stillOpen;
      },
      timings::kInstantMessageWaitSeconds, timings::kWindowPollSeconds);
  if (!answered)
    return InstantMessageOutcome::kTimedOut;
  if (!box)
    return InstantMessageOutcome::kTaken;
  AwaitHostMessageBoxShown(platform, box);
  ConfirmHostMessageBox(platform, box, stillOpen);
  AwaitRefusalClosed(platform, mdi, box, stillOpen);
  return InstantMessageOutcome::kRefused;
}

}  // namespace velto::host
