#include "standin/standin_accounts.h"

#include <memory>

#include "host/host_text.h"
#include "host/messages.h"
#include "host/window_search.h"
#include "standin/standin_controls.h"
#include "standin/substitute_host_windows.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr std::string_view kMayControlText = "Set Parental Controls\r\n";
constexpr std::string_view kMayNotControlText =
    "Only the master screen name\r\nmay set Parental Controls.";
constexpr int kPreferencesIcons = 4;

using MailPreferences = std::array<bool, StandinAccounts::kMailPreferenceBoxes>;

// A check box of the mail preferences that BM_SETCHECK sets.
host::MessageHandler CheckBox(std::shared_ptr<MailPreferences> boxes, std::size_t index) {
  return [boxes, index](host::SubstituteDesktop& desktop, WindowHandle self,
                        const host::Message& message) -> std::intptr_t {
    if (message.message == BM_SETCHECK) {
      (*boxes)[index] = message.wParam != 0;
      return 0;
    }
    return desktop.DefaultHandling(self, message);
  };
}

}  // namespace

StandinAccounts::StandinAccounts(host::SubstituteDesktop& desktop, WindowHandle frame,
                                 WindowHandle mdi)
    : desktop_(desktop), mdi_(mdi) {
  // Down three times from no highlight picks the third entry; up twice the one before
  // the last.
  desktop_.SetHandler(ToolbarIcon(desktop_, frame, kSettingsToolbarIcon), Button([this] {
                        ShowPopupMenu(desktop_, {{"Set Up & Sign On", [] {}},
                                                 {"My AOL", [] {}},
                                                 {"Preferences", [this] { OpenPreferences(); }},
                                                 {"Screen Names", [] {}}});
                      }));
  desktop_.SetHandler(ToolbarIcon(desktop_, frame, kPeopleToolbarIcon), Button([this] {
                        ShowPopupMenu(desktop_,
                                      {{"Buddy List", [] {}},
                                       {"Locate a Member Online", [] {}},
                                       {"Get a Member's Profile", [this] { OpenProfileRequest(); }},
                                       {"Member Directory", [] {}}});
                      }));
}

void StandinAccounts::OnKeyword(const std::string& keywordBytes) {
  if (keywordBytes == kParentalControlsKeyword)
    desktop_.Schedule(kOpenSeconds, [this] { OpenParentalControls(); });
}

void StandinAccounts::OpenParentalControls() {
  const WindowHandle window =
      desktop_.AddWindow(mdi_, cls::kChild, "Parental Controls", Closable());
  desktop_.AddWindow(window, cls::kStatic, "Parental Controls");
  auto clicks = std::make_shared<int>(0);
  desktop_.AddWindow(window, cls::kIcon, "", Button([this, clicks] {
                       if (++*clicks > parentalClicksIgnored)
                         ShowParentalDialog();
                     }));
}

void StandinAccounts::ShowParentalDialog() {
  if (ChildWithCaption(desktop_, host::kNoWindow, host::host_class::kModal, ""))
    return;
  const WindowHandle modal =
      desktop_.AddWindow(host::kNoWindow, host::host_class::kModal, "", Closable());
  desktop_.AddWindow(modal, cls::kStatic,
                     mayControlParentally ? kMayControlText : kMayNotControlText);
}

void StandinAccounts::AddProfile(const std::string& screenName, const std::string& profile) {
  profiles_[screenName] = profile;
}

void StandinAccounts::OpenProfileRequest() {
  desktop_.Schedule(kOpenSeconds, [this] {
    const WindowHandle window =
        desktop_.AddWindow(mdi_, cls::kChild, "Get a Member's Profile", Closable());
    const WindowHandle edit = desktop_.AddWindow(window, host::host_class::kAolEdit, "");
    desktop_.AddWindow(window, cls::kIcon, "",
                       Button([this, edit] { AnswerProfileRequest(edit); }));
  });
}

void StandinAccounts::AnswerProfileRequest(WindowHandle edit) {
  const std::string name = desktop_.Caption(edit);
  profileRequests_.push_back(name);
  const auto profile = profiles_.find(name);
  desktop_.Schedule(kOpenSeconds, [this, profile] {
    if (profile == profiles_.end()) {
      SubstituteHostWindows(desktop_).ShowMessageBox(
          host::kNoWindow, "That member has not created a profile.", [] {});
      return;
    }
    const WindowHandle window = desktop_.AddWindow(mdi_, cls::kChild, "Member Profile", Closable());
    desktop_.AddWindow(window, host::host_class::kView, profile->second);
  });
}

void StandinAccounts::OpenPreferences() {
  desktop_.Schedule(kOpenSeconds, [this] {
    const WindowHandle window = desktop_.AddWindow(mdi_, cls::kChild, "Preferences", Closable());
    for (const char* topic : {"General", "Mail", "Font", "Marketing"}) {
      desktop_.AddWindow(window, cls::kStatic, topic);
    }
    auto clicks = std::make_shared<int>(0);
    for (int i = 1; i <= kPreferencesIcons; ++i) {
      if (i != kMailPreferencesIcon) {
        desktop_.AddWindow(window, cls::kIcon, "");
        continue;
      }
      desktop_.AddWindow(window, cls::kIcon, "", Button([this, clicks] {
                           if (++*clicks > preferencesClicksIgnored)
                             ShowMailPreferences();
                         }));
    }
  });
}

void StandinAccounts::ShowMailPreferences() {
  if (ChildWithCaption(desktop_, host::kNoWindow, host::host_class::kModal, "Mail Preferences"))
    return;
  const WindowHandle modal =
      desktop_.AddWindow(host::kNoWindow, host::host_class::kModal, "Mail Preferences", Closable());
  // The dialog edits a copy; its OK button saves it.
  auto boxes = std::make_shared<MailPreferences>(mailPreferences);
  for (std::size_t i = 0; i < boxes->size(); ++i) {
    desktop_.AddWindow(modal, host::host_class::kCheckBox, "", CheckBox(boxes, i));
  }
  desktop_.AddWindow(modal, cls::kIcon, "OK", Button([this, modal, boxes] {
                       mailPreferences = *boxes;
                       desktop_.RemoveWindow(modal);
                     }));
}

}  // namespace velto::standin
