#include "standin/standin_accounts.h"

#include <memory>

#include "host/host_names.h"
#include "host/host_text.h"
#include "host/messages.h"
#include "host/window_search.h"
#include "standin/standin_controls.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

constexpr std::string_view kMayControlText = "Set Parental Controls\r\n";
constexpr std::string_view kMayNotControlText =
    "Only the master screen name\r\nmay set Parental Controls.";
const std::vector<std::string_view> kPreferencesIcons = {"OK", "Cancel", "Mail", "Help"};
const std::vector<std::string_view> kMailPreferenceTexts = {"Close mail after it has been sent",
                                                            "Confirm mail after it has been sent",
                                                            "Retain all mail I send",
                                                            "Retain all mail I read",
                                                            "Use white mail headers",
                                                            "Perform spell check before sending"};

constexpr std::uint32_t kPreferencesCommand = 703;
constexpr std::uint32_t kProfileCommand = 1003;

// Down three times from no highlight picks the third entry; up twice the one before the
// last.
const std::vector<MenuEntry>& SettingsMenu() {
  static const std::vector<MenuEntry> menu = {{"Set Up && Sign On", 701, {}},
                                              {"My AOL", 702, {}},
                                              {"Preferences", kPreferencesCommand, {}},
                                              {"Screen Names", 704, {}}};
  return menu;
}

const std::vector<MenuEntry>& PeopleMenu() {
  static const std::vector<MenuEntry> menu = {{"Buddy List", 1001, {}},
                                              {"Locate a Member Online", 1002, {}},
                                              {"Get a Member's Profile", kProfileCommand, {}},
                                              {"Member Directory", 1004, {}}};
  return menu;
}

// Whether the message completes a click (a press, then a release) on a toolbar icon.
bool Clicked(bool& pressed, const HostMessage& message) {
  if (message.message == WM_LBUTTONDOWN)
    pressed = true;
  if (message.message != WM_LBUTTONUP || !pressed)
    return false;
  pressed = false;
  return true;
}

}  // namespace

void StandinAccounts::OnSettingsIcon(WindowHandle icon, const HostMessage& message) {
  if (!Clicked(settingsPressed_, message))
    return;
  windows_.ShowPopupMenu(icon, SettingsMenu(), [this](std::uint32_t command) {
    if (command == kPreferencesCommand)
      OpenPreferences();
  });
}

void StandinAccounts::OnPeopleIcon(WindowHandle icon, const HostMessage& message) {
  if (!Clicked(peoplePressed_, message))
    return;
  windows_.ShowPopupMenu(icon, PeopleMenu(), [this](std::uint32_t command) {
    if (command == kProfileCommand)
      OpenProfileRequest();
  });
}

void StandinAccounts::OnKeyword(const std::string& keywordBytes) {
  if (keywordBytes == kParentalControlsKeyword)
    windows_.Later(kOpenSeconds, [this] { OpenParentalControls(); });
}

void StandinAccounts::OpenParentalControls() {
  const WindowHandle window =
      windows_.Create(mdi_, cls::kChild, host::host_caption::kParentalControls, OnClose(windows_));
  windows_.Create(window, cls::kStatic, "Parental Controls");
  auto clicks = std::make_shared<int>(0);
  windows_.Create(window, cls::kIcon, "Parental Controls", OnClick([this, clicks] {
                    if (++*clicks > parentalClicksIgnored)
                      ShowParentalDialog();
                  }));
}

void StandinAccounts::ShowParentalDialog() {
  if (windows_.Exists(parentalDialog_))
    return;
  parentalDialog_ = windows_.Create(host::kNoWindow, cls::kModal, "", OnClose(windows_));
  windows_.Create(parentalDialog_, cls::kStatic,
                  mayControlParentally ? kMayControlText : kMayNotControlText);
}

void StandinAccounts::AddProfile(const std::string& screenName, const std::string& profile) {
  profiles_[screenName] = profile;
}

void StandinAccounts::OpenProfileRequest() {
  windows_.Later(kOpenSeconds, [this] {
    const WindowHandle window =
        windows_.Create(mdi_, cls::kChild, host::host_caption::kProfileRequest, OnClose(windows_));
    const WindowHandle edit = windows_.Create(window, cls::kAolEdit, "");
    const auto makeIcon = [this, window, edit] {
      windows_.Create(window, cls::kIcon, "OK",
                      OnClick([this, edit] { AnswerProfileRequest(edit); }));
    };
    if (profileIconLateSeconds > 0) {
      windows_.Later(profileIconLateSeconds, makeIcon);
    } else {
      makeIcon();
    }
  });
}

void StandinAccounts::AnswerProfileRequest(WindowHandle edit) {
  const std::string name = host::FromHostBytes(windows_.TextBytes(edit));
  profileRequests_.push_back(name);
  if (onEvent)
    onEvent("PROFILE " + name);
  const auto profile = profiles_.find(name);
  windows_.Later(kOpenSeconds, [this, profile] {
    if (profile == profiles_.end()) {
      windows_.ShowMessageBox(host::kNoWindow, "That member has not created a profile.", [] {});
      return;
    }
    const WindowHandle window =
        windows_.Create(mdi_, cls::kChild, host::host_caption::kProfile, OnClose(windows_));
    windows_.Create(window, cls::kView, profile->second);
  });
}

void StandinAccounts::OpenPreferences() {
  windows_.Later(kOpenSeconds, [this] {
    const WindowHandle window =
        windows_.Create(mdi_, cls::kChild, host::host_caption::kPreferences, OnClose(windows_));
    for (const char* topic : {"General", "Mail", "Font", "Marketing"}) {
      windows_.Create(window, cls::kStatic, topic);
    }
    auto clicks = std::make_shared<int>(0);
    for (int i = 1; i <= static_cast<int>(kPreferencesIcons.size()); ++i) {
      Reaction reaction;
      if (i == kMailPreferencesIcon) {
        reaction = OnClick([this, clicks] {
          if (++*clicks > preferencesClicksIgnored)
            ShowMailPreferences();
        });
      }
      windows_.Create(window, cls::kIcon, kPreferencesIcons[static_cast<std::size_t>(i - 1)],
                      reaction);
    }
  });
}

void StandinAccounts::ShowMailPreferences() {
  if (windows_.Exists(mailPreferencesDialog_))
    return;
  const WindowHandle modal = windows_.Create(
      host::kNoWindow, cls::kModal, host::host_caption::kMailPreferences, OnClose(windows_));
  mailPreferencesDialog_ = modal;
  // The dialog edits a copy; its OK button saves it.
  auto boxes = std::make_shared<std::array<bool, kMailPreferenceBoxes>>(mailPreferences);
  for (std::size_t i = 0; i < boxes->size(); ++i) {
    windows_.CreateCheckBox(modal, cls::kCheckBox, kMailPreferenceTexts[i], (*boxes)[i],
                            [boxes, i](bool checked) { (*boxes)[i] = checked; });
  }
  windows_.Create(modal, cls::kIcon, "OK", OnClick([this, modal, boxes] {
                    mailPreferences = *boxes;
                    if (onEvent) {
                      std::string states;
                      for (bool box : mailPreferences) states += box ? " 1" : " 0";
                      onEvent("PREFERENCES" + states);
                    }
                    windows_.Destroy(modal);
                  }));
}

}  // namespace velto::standin
