#include "library/mail/mail_windows.h"

#include <array>

#include "host/host_names.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/utf8.h"
#include "host/wait.h"
#include "host/window_search.h"
#include "library/mail/internal/marker_walk.h"
#include "library/mail/mail_errors.h"
#include "library/text/internal/ignoring_case.h"
#include "library/text/text_tools.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/library_timings.h"
#include "library/windows/own_controls.h"
#include "library/windows/primitives.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {
namespace {

using host::WindowHandle;
namespace cls = host::host_class;

constexpr std::string_view kWriteMailCaption = host::host_caption::kWriteMail;
constexpr std::string_view kSendNowCaption = host::host_caption::kSendNow;
constexpr int kWriteMailButton = 2;     // of the toolbar's "_AOL_Icon"
constexpr int kForwardButton = 7;       // of the read-mail window's "_AOL_Icon"
constexpr int kComposeIcons = 16;       // "_AOL_Icon" of a compose window
constexpr int kSendButton = 16;         // of the write window
constexpr int kForwardSendButton = 12;  // of the compose window of a forwarded mail
constexpr std::size_t kForwardPrefixCharacters = 5;

constexpr std::string_view kRefusedRecipient = "*, ";
constexpr std::string_view kProbeSubject = "You alive?";
constexpr std::string_view kProbeMessage = "=)";
constexpr std::string_view kDontSaveButton = host::host_caption::kNo;

// The controls of a compose or write window; complete once the host has made them all.
struct ComposeControls {
  WindowHandle recipients, copies, subject, message, combo, fontCombo;
  std::array<WindowHandle, kComposeIcons> icons{};

  bool Complete() const {
    for (WindowHandle icon : icons) {
      if (!icon)
        return false;
    }
    return recipients && copies && subject && message && combo && fontCombo;
  }
  WindowHandle Icon(int n) const { return icons[static_cast<std::size_t>(n - 1)]; }
};

ComposeControls LookUpComposeControls(host::Platform& platform, WindowHandle window) {
  ComposeControls c;
  c.recipients = host::FindChild(platform, window, host::host_class::kAolEdit);
  c.copies = host::FindNextChild(platform, window, c.recipients, host::host_class::kAolEdit);
  c.subject = host::FindNextChild(platform, window, c.copies, host::host_class::kAolEdit);
  c.message = host::FindChild(platform, window, cls::kRichText);
  c.combo = host::FindChild(platform, window, cls::kComboBox);
  c.fontCombo = host::FindChild(platform, window, host::host_class::kFontCombo);
  WindowHandle icon = host::FindChild(platform, window, cls::kIcon);
  for (WindowHandle& slot : c.icons) {
    slot = icon;
    icon = host::FindNextChild(platform, window, icon, cls::kIcon);
  }
  return c;
}

// Waits until `find` names a window whose compose controls are all there.
bool WaitForComposeControls(host::Platform& platform, WindowHandle (*find)(host::Platform&),
                            ComposeControls& controls) {
  return WaitForHostWindow(platform, [&] {
    controls = LookUpComposeControls(platform, find(platform));
    return controls.Complete();
  });
}

WindowHandle FindWriteWindow(host::Platform& platform) {
  return FindCaptionedHostChild(platform, kWriteMailCaption);
}

// False when the host did not take the text.
bool SetTextAndPump(host::Platform& platform, WindowHandle control, const std::string& text) {
  if (!SetControlText(platform, control, text))
    return false;
  platform.PumpEvents();
  return true;
}

void CloseAndPump(host::Platform& platform, WindowHandle window) {
  CloseHostWindow(platform, window);
  platform.PumpEvents();
}

// SendMail's steps; false when the write window never showed or the host did not answer.
bool SendThroughWriteWindow(host::Platform& platform, const std::string& recipients,
                            const std::string& subject, const std::string& message) {
  const WindowHandle button = host::FindToolbarIcon(platform, kWriteMailButton);
  if (!button)
    return false;
  PostClick(platform, button);

  ComposeControls write;
  if (!WaitForComposeControls(platform, FindWriteWindow, write))
    return false;
  if (!SetTextAndPump(platform, write.recipients, recipients) ||
      !SetTextAndPump(platform, write.subject, subject) ||
      !SetTextAndPump(platform, write.message, message)) {
    return false;
  }
  host::Pause(platform, timings::kBeforeSendSeconds);
  return ClickControl(platform, write.Icon(kSendButton));
}

std::string WithoutFirstCharacters(const std::string& text, std::size_t count) {
  const std::u32string characters = host::DecodeUtf8(text);
  return host::EncodeUtf8(
      std::u32string_view(characters).substr(std::min(count, characters.size())));
}

std::string WithoutSpaces(std::string text) {
  return RemoveSpaces(text);
}

}  // namespace

WindowHandle FindComposeWindow(host::Platform& platform) {
  return FindHostChildWithMarkers(platform, {{cls::kStatic, kSendNowCaption}});
}

WindowHandle FindReadMailWindow(host::Platform& platform) {
  return FindHostChildWithMarkers(platform, {{cls::kRichText, host::kAnyCaption, 2},
                                             {cls::kComboBox},
                                             {host::host_class::kReadMailFontCombo}});
}

void CloseMailWindows(host::Platform& platform) {
  WaitForHostWindow(platform, [&] {
    const WindowHandle compose = FindComposeWindow(platform);
    const WindowHandle read = FindReadMailWindow(platform);
    if (!compose && !read)
      return true;
    CloseAndPump(platform, compose);
    CloseAndPump(platform, read);
    return false;
  });
}

void SendMail(host::Platform& platform, const std::string& recipients, const std::string& subject,
              const std::string& message) {
  SendThroughWriteWindow(platform, recipients, subject, message);
}

void ForwardMail(host::Platform& platform, const std::string& recipients,
                 const std::string& message, int stripPrefix) {
  const WindowHandle read = FindReadMailWindow(platform);
  const WindowHandle forward = host::FindNthChild(platform, read, cls::kIcon, kForwardButton);
  if (!forward || !ClickControl(platform, forward))
    return;

  ComposeControls compose;
  if (!WaitForComposeControls(platform, FindComposeWindow, compose))
    return;
  if (stripPrefix != kFalse) {
    const std::string subject = GetControlText(platform, compose.subject);
    if (!HostAnswered(platform) ||
        !SetTextAndPump(platform, compose.subject,
                        WithoutFirstCharacters(subject, kForwardPrefixCharacters))) {
      return;
    }
  }
  if (!SetTextAndPump(platform, compose.recipients, recipients) ||
      !SetTextAndPump(platform, compose.message, message)) {
    return;
  }

  // The host may take several clicks before it sends; it closes the compose window once
  // it has, or shows its error window when it refuses a name.
  WindowHandle window;
  WindowHandle error;
  bool unanswered = false;
  const bool settled = WaitForHostWindow(platform, [&] {
    error = FindMailErrorWindow(platform);
    window = FindComposeWindow(platform);
    const WindowHandle send = host::FindNthChild(platform, window, cls::kIcon, kForwardSendButton);
    unanswered = send && !ClickControl(platform, send);
    if (unanswered)
      return true;
    host::Pause(platform, timings::kBetweenSendClicksSeconds);
    return !window || error;
  });
  if (settled && !unanswered && !window)
    CloseHostWindow(platform, read);
}

int ScreenNameExists(host::Platform& platform, const std::string& screenName) {
  // The host refuses "*" and so never sends the mail; its error window also lists the
  // names it does not know.
  if (!SendThroughWriteWindow(platform, std::string(kRefusedRecipient) + screenName,
                              std::string(kProbeSubject), std::string(kProbeMessage))) {
    return kFalse;
  }
  WindowHandle error;
  std::string errorText;
  const bool refused = WaitForHostWindow(platform, [&] {
    error = FindMailErrorWindow(platform);
    const WindowHandle view = host::FindChild(platform, error, host::host_class::kView);
    errorText = view ? GetControlText(platform, view) : std::string();
    return !errorText.empty();
  });
  if (!refused)
    return kFalse;
  const bool unknown = ContainsIgnoringCase(WithoutSpaces(errorText), WithoutSpaces(screenName));

  CloseAndPump(platform, error);
  CloseAndPump(platform, FindWriteWindow(platform));
  // Closing the filled-in write window makes the host ask whether to save it.
  WindowHandle dontSave;
  const bool asked = WaitForHostWindow(platform, [&] {
    const WindowHandle box =
        platform.FindWindowA(cls::kDialog, host::host_caption::kHostMessageBox);
    dontSave = host::FindChild(platform, box, cls::kButton, kDontSaveButton);
    return !dontSave.IsNone();
  });
  if (!asked)
    return kFalse;
  SendSpaceKey(platform, dontSave);
  return unknown ? kFalse : kTrue;
}

}  // namespace velto::library
