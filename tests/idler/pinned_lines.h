#pragma once

#include <string>

// Every line, keyword and text the program sends or shows, written out as the host's
// Windows-1252 bytes (0x8B '‹', 0x9B '›', 0xAC '¬', 0xB7 '·', 0x95 '•'), with no help from
// the product's own text functions: a changed character anywhere in the product shows
// up against these.
namespace velto::testing::pinned {

#define VELTO_PREFIX "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 >"

inline const std::string kPrefix = VELTO_PREFIX;
inline const std::string kStarted = VELTO_PREFIX "Velto Idler \x8B\x9B [ Started  ]";
inline const std::string kStopped = VELTO_PREFIX " Velto Idle \x8B\x9B [ Stopped ]";
inline const std::string kBanner = VELTO_PREFIX " Velto Idle By Vrel \x8B\x9B";
inline const std::string kImsOff = VELTO_PREFIX "Velto Idler \x8B\x9B [ ims are now off  ]";
inline const std::string kImsOn = VELTO_PREFIX "Velto Idler \x8B\x9B [ ims are now on  ]\"";
inline const std::string kUnloaded = VELTO_PREFIX " Unloaded \x8B\x9B ";
inline const std::string kUnload = "<> Velto Idle \x8B\x9B By: Vrel";
inline const std::string kAnnouncement =
    "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00  > Velto Idle by: Vrel";

// The idle line around the counter and the reason, both already host bytes.
inline std::string IdleLine(const std::string& counter, const std::string& reasonBytes) {
  return VELTO_PREFIX " [<b>" + counter + "</b>] Min \x95 [" + reasonBytes + "]    ";
}
inline std::string LoadedBy(const std::string& handleBytes) {
  return VELTO_PREFIX " Loaded by: " + handleBytes + " \x8B\x9B ";
}

#undef VELTO_PREFIX

inline const std::string kIdleRoom = "aol://2719:2-2-idle";
inline const std::string kImsOffLink = "aol://9293:$IM_OFF";
inline const std::string kImsOnLink = "aol://9293:$IM_ON";
inline const std::string kImsOffRecipient = "$IM_OFF";
inline const std::string kImsOnRecipient = "$IM_ON";
inline const std::string kImsSwitchMessage = "Vrel owns you";

inline const std::string kApplicationTitle = "Velto idle";
inline const std::string kAboutTitle = "About";
inline const std::string kAboutText = "Sup its vrel...made this on a boring night....Peace :P";
inline const std::string kGreetsTitle = "greets";
inline const std::string kGreetsText =
    "Thanks to Dan,Mike,Chris,Tony,Steve,Jess,Rob for the help and the laughs";
inline const std::string kMainWindowCaption = "Velto Idler by: Vrel";

}  // namespace velto::testing::pinned
