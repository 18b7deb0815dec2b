#include "library/mail/account_windows.h"

#include <functional>
#include <utility>

#include "host/host_names.h"
#include "host/host_routines.h"
#include "host/messages.h"
#include "host/timings.h"
#include "host/wait.h"
#include "host/window_search.h"
#include "library/mail/internal/marker_walk.h"
#include "library/windows/internal/host_lookups.h"
#include "library/windows/internal/toolbar_menu.h"
#include "library/windows/library_timings.h"
#include "library/windows/own_controls.h"
#include "library/windows/primitives.h"
#include "library/windows/yes_and_no.h"

namespace velto::library {
namespace {

using host::WindowHandle;
namespace cls = host::host_class;

constexpr std::string_view kParentalControlsKeyword = "aol://4344:1580.prntcon.12263709.564517913";
constexpr std::string_view kParentalControlsCaption = host::host_caption::kParentalControls;
constexpr std::string_view kMayControl = "Set Parental Controls";

constexpr int kProfileMenuButton = 10;  // of the toolbar's "_AOL_Icon"
constexpr std::string_view kProfileRequestCaption = host::host_caption::kProfileRequest;
constexpr std::string_view kProfileCaption = host::host_caption::kProfile;
constexpr std::string_view kNoProfile = "< No Profile >";

constexpr int kSettingsMenuButton = 6;  // of the toolbar's "_AOL_Icon"
constexpr std::string_view kPreferencesCaption = host::host_caption::kPreferences;
constexpr std::string_view kMailPreferencesCaption = host::host_caption::kMailPreferences;
constexpr std::string_view kPreferenceTopics[] = {"General", "Mail", "Font", "Marketing"};
constexpr int kMailPreferencesButton = 3;  // of the preferences' "_AOL_Icon"
constexpr std::uint32_t kUnchecked = 0;
constexpr std::uint32_t kChecked = static_cast<std::uint32_t>(kTrue);

std::string WithoutLineBreaks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != '\n' && c != '\r')
      kept.push_back(c);
  }
  return kept;
}

}  // namespace

int CanSetParentalControls(host::Platform& platform) {
  if (!host::OpenKeyword(platform, std::string(kParentalControlsKeyword)))
    return kFalse;
  WindowHandle window;
  WindowHandle button;
  if (!WaitForHostWindow(platform, [&] {
        window = FindCaptionedHostChild(platform, kParentalControlsCaption);
        button = host::FindChild(platform, window, cls::kIcon);
        return !button.IsNone();
      })) {
    return kFalse;
  }
  host::Pause(platform, timings::kParentalControlsSettleSeconds);

  // A click the host missed is simply repeated: the button is clicked on every look
  // until the dialog shows with its text.
  WindowHandle modal;
  std::string text;
  if (!WaitForHostWindow(platform, [&] {
        PostClick(platform, button);
        host::Pause(platform, timings::kBetweenParentalClicksSeconds);
        modal = platform.FindWindowA(host::host_class::kModal, host::kAnyCaption);
        const WindowHandle label = host::FindChild(platform, modal, cls::kStatic);
        text = label ? GetControlText(platform, label) : std::string();
        return !text.empty();
      })) {
    return kFalse;
  }
  const bool mayControl = WithoutLineBreaks(text) == kMayControl;
  CloseHostWindow(platform, modal);
  platform.PumpEvents();
  CloseHostWindow(platform, window);
  return mayControl ? kTrue : kFalse;
}

std::string GetMemberProfile(host::Platform& platform, const std::string& screenName) {
  if (!RunToolbarMenu(platform, kProfileMenuButton, {VK_UP, VK_UP, VK_RETURN}))
    return {};
  WindowHandle request;
  WindowHandle edit;
  WindowHandle button;
  if (!WaitForHostWindow(platform, [&] {
        request = FindCaptionedHostChild(platform, kProfileRequestCaption);
        edit = host::FindChild(platform, request, host::host_class::kAolEdit);
        button = host::FindChild(platform, request, cls::kIcon);
        return edit && button;
      })) {
    return {};
  }
  if (!SetControlText(platform, edit, screenName) || !ClickControl(platform, button))
    return {};

  // The host answers with the profile, or with its message box when there is none.
  WindowHandle profile;
  HostMessageBox box;
  std::string text;
  if (!WaitForHostWindow(platform, [&] {
        profile = FindCaptionedHostChild(platform, kProfileCaption);
        const WindowHandle view = host::FindChild(platform, profile, host::host_class::kView);
        text = view ? GetControlText(platform, view) : std::string();
        box = FindHostMessageBox(platform);
        return view || box.box;
      })) {
    return {};
  }
  if (box.box) {
    // The box is found as soon as it is made, perhaps before its button: the button is
    // waited for as long as a box may take to show, and pressed if it came.
    host::WaitForHost(
        platform, [&] { return !(box = FindHostMessageBox(platform)).ok.IsNone(); },
        host::timings::kHostMessageBoxShowSeconds, host::timings::kWindowPollSeconds);
    if (PressSpace(platform, box.ok))
      CloseHostWindow(platform, request);
    return std::string(kNoProfile);
  }
  CloseHostWindow(platform, profile);
  CloseHostWindow(platform, request);
  return text;
}

void ResetMailPreferences(host::Platform& platform) {
  if (!RunToolbarMenu(platform, kSettingsMenuButton, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}))
    return;
  WindowHandle preferences;
  WindowHandle mailButton;
  if (!WaitForHostWindow(platform, [&] {
        preferences = FindCaptionedHostChild(platform, kPreferencesCaption);
        bool topics = true;
        for (std::string_view topic : kPreferenceTopics) {
          if (!host::FindChild(platform, preferences, cls::kStatic, topic))
            topics = false;
        }
        mailButton = host::FindNthChild(platform, preferences, cls::kIcon, kMailPreferencesButton);
        return topics && mailButton;
      })) {
    return;
  }

  WindowHandle modal;
  bool unanswered = false;
  if (!WaitForHostWindow(platform,
                         [&] {
                           unanswered = !ClickControl(platform, mailButton);
                           if (unanswered)
                             return true;
                           modal = platform.FindWindowA(host::host_class::kModal,
                                                        kMailPreferencesCaption);
                           host::Pause(platform, timings::kBetweenPreferencesClicksSeconds);
                           return !modal.IsNone();
                         }) ||
      unanswered) {
    return;
  }
  const WindowHandle first = host::FindChild(platform, modal, host::host_class::kCheckBox);
  const WindowHandle second =
      host::FindNextChild(platform, modal, first, host::host_class::kCheckBox);
  const WindowHandle sixth = host::FindNthChild(platform, modal, host::host_class::kCheckBox, 6);
  const WindowHandle save = host::FindChild(platform, modal, cls::kIcon);
  if (!first || !second || !sixth || !save)
    return;
  for (const auto& [box, check] :
       {std::pair{first, kUnchecked}, std::pair{second, kChecked}, std::pair{sixth, kUnchecked}}) {
    platform.SendMessageA(box, BM_SETCHECK, check, 0u);
    if (!HostAnswered(platform))
      return;
  }
  if (!ClickControl(platform, save))
    return;
  platform.PumpEvents();
  CloseHostWindow(platform, preferences);
}

}  // namespace velto::library
