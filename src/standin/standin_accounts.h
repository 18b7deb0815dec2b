#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "standin/host_windows.h"

namespace velto::standin {

// The stand-in host's account windows: the parental-controls window its keyword opens and the
// dialog its button brings up, the member-profile windows and the mail preferences, each reached
// through a popup menu of a toolbar icon.
class StandinAccounts {
 public:
  static constexpr double kOpenSeconds = 0.3;
  static constexpr std::string_view kParentalControlsKeyword =
      "aol://4344:1580.prntcon.12263709.564517913";
  static constexpr int kSettingsToolbarIcon = 6;
  static constexpr int kPeopleToolbarIcon = 10;
  static constexpr int kMailPreferencesIcon = 3;
  static constexpr int kMailPreferenceBoxes = 6;

  explicit StandinAccounts(HostWindows& windows) : windows_(windows) {}
  // The host's MDI client, where the windows open; given once the frame has it.
  void SetMdiClient(WindowHandle mdi) { mdi_ = mdi; }

  // What the host does with a keyword it was given (the bytes it received).
  void OnKeyword(const std::string& keywordBytes);
  // The reactions of the toolbar icons whose popup menus lead to the account windows.
  void OnSettingsIcon(WindowHandle icon, const HostMessage& message);
  void OnPeopleIcon(WindowHandle icon, const HostMessage& message);

  // Whether the signed-on name is the master name, which may set parental controls.
  bool mayControlParentally = true;
  // Clicks that a button ignores before the host answers with its dialog.
  int parentalClicksIgnored = 0;
  int preferencesClicksIgnored = 0;
  // How long after its text box the profile request's OK icon is made: a window seen
  // while the host is still building it.
  double profileIconLateSeconds = 0;

  // Hears what the account windows did, one UTF-8 line each: "PROFILE <name>",
  // "PREFERENCES <the six boxes, 0 or 1>".
  std::function<void(const std::string& event)> onEvent;

  void AddProfile(const std::string& screenName, const std::string& profile);
  // The names asked for in the "Get a Member's Profile" window, in order.
  const std::vector<std::string>& profileRequests() const { return profileRequests_; }

  // The mail preferences as the host keeps them (saved by the dialog's OK button).
  std::array<bool, kMailPreferenceBoxes> mailPreferences{true, false, true, true, true, true};

 private:
  void OpenParentalControls();
  void ShowParentalDialog();
  void OpenProfileRequest();
  void AnswerProfileRequest(WindowHandle edit);
  void OpenPreferences();
  void ShowMailPreferences();

  HostWindows& windows_;
  WindowHandle mdi_;
  WindowHandle parentalDialog_, mailPreferencesDialog_;
  bool settingsPressed_ = false, peoplePressed_ = false;
  std::map<std::string, std::string> profiles_;
  std::vector<std::string> profileRequests_;
};

}  // namespace velto::standin
