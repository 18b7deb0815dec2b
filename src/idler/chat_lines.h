#pragma once

#include <string>
#include <string_view>

// Every line the program says in the chat room, and the texts of its boxes. The mark-up
// is sent exactly as written, blanks and dots included: peers' clients render it.
namespace velto::idler::lines {

// Begins every line of the main window and the handle prompt.
inline constexpr std::string_view kPrefix =
    "< font . color=#1e90ff > \u2039\u00AC\u00B7 < font . color=#f00f00 >";

std::string StartedLine();
std::string StoppedLine();
std::string BannerLine();
std::string IdleLine(const std::string& counter, const std::string& reason);
std::string ImsOffLine();
std::string ImsOnLine();
std::string UnloadedLine();
// Said when the main window is closed other than by x; it carries no prefix.
std::string UnloadLine();
// The two start-up announcements. The first has its own variant of the prefix, with
// two blanks before the last ">".
std::string AnnouncementLine();
std::string LoadedByLine(const std::string& handle);

// Keywords and instant messages.
inline constexpr std::string_view kRoomLink = "aol://2719:2-2-";
inline constexpr std::string_view kIdleRoom = "aol://2719:2-2-idle";
inline constexpr std::string_view kImsOffRecipient = "$IM_OFF";
inline constexpr std::string_view kImsOnRecipient = "$IM_ON";
inline constexpr std::string_view kImsSwitchMessage = "Vrel owns you";

// Boxes.
inline constexpr std::string_view kApplicationTitle = "Velto idle";
inline constexpr std::string_view kAboutTitle = "About";
inline constexpr std::string_view kAboutText =
    "Sup its vrel...made this on a boring night....Peace :P";
inline constexpr std::string_view kGreetsTitle = "greets";
inline constexpr std::string_view kGreetsText =
    "Thanks to Dan,Mike,Chris,Tony,Steve,Jess,Rob for the help and the laughs";

}  // namespace velto::idler::lines
