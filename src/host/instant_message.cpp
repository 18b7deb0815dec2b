#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/window_search.h"

namespace velto::host {
namespace {

constexpr std::string_view kInstantMessageCaption = "Send Instant Message";
constexpr std::string_view kHostMessageBoxCaption = "America Online";
constexpr std::string_view kInstantMessageLink = "aol://9293:";
constexpr int kSendButtonIndex = 9;  // the ninth "_AOL_Icon" of the window

struct InstantMessageWindow {
  WindowHandle window;
  WindowHandle text;
  WindowHandle send;
};

InstantMessageWindow LookForInstantMessageWindow(Platform& platform, WindowHandle mdi) {
  InstantMessageWindow im;
  im.window = FindChild(platform, mdi, host_class::kChild, kInstantMessageCaption);
  im.text = FindChild(platform, im.window, host_class::kRichText);
  im.send = FindNthChild(platform, im.window, host_class::kIcon, kSendButtonIndex);
  return im;
}

void ClickSendButton(Platform& platform, WindowHandle send) {
  // The host's button reads lParam as the address of a zero, not as a position.
  std::int32_t zero = 0;
  platform.SendMessageA(send, WM_LBUTTONDOWN, 0, zero);
  platform.SendMessageA(send, WM_LBUTTONUP, 0, zero);
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

}  // namespace

InstantMessageOutcome SendInstantMessage(Platform& platform, const std::string& recipient,
                                         const std::string& message) {
  const WindowHandle mdi = FindHostMdiClient(platform, FindHostFrame(platform));
  OpenKeyword(platform, std::string(kInstantMessageLink) + recipient);

  InstantMessageWindow im;
  const bool opened = WaitFor(
      platform,
      [&] {
        im = LookForInstantMessageWindow(platform, mdi);
        return im.window && im.text && im.send;
      },
      timings::kInstantMessageWaitSeconds, timings::kWindowPollSeconds);
  if (!opened)
    return InstantMessageOutcome::kTimedOut;

  platform.SendMessageA(im.text, WM_SETTEXT, 0, message);
  ClickSendButton(platform, im.send);

  WindowHandle box;
  WindowHandle stillOpen;
  const bool answered = WaitFor(
      platform,
      [&] {
        box = platform.FindWindowA(host_class::kDialog, kHostMessageBoxCaption);
        stillOpen = FindChild(platform, mdi, host_class::kChild, kInstantMessageCaption);
        return box || !stillOpen;
      },
      timings::kInstantMessageWaitSeconds, timings::kWindowPollSeconds);
  if (!answered)
    return InstantMessageOutcome::kTimedOut;
  if (!box)
    return InstantMessageOutcome::kTaken;
  ConfirmHostMessageBox(platform, box, stillOpen);
  return InstantMessageOutcome::kRefused;
}

}  // namespace velto::host
