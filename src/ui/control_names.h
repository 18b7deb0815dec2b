#pragma once

#include <string_view>

// The controls by what they are, for the names the windows' table gives them ("Label1"
// and so on, which the table keeps). The program binds its handlers by these, and the tests
// press and read the controls by them.
namespace velto::ui {

namespace main_window {  // Form2
inline constexpr std::string_view kStart = "Label1";
inline constexpr std::string_view kStop = "Label2";
inline constexpr std::string_view kMinutesIdled = "Label3";
inline constexpr std::string_view kAbout = "Label4";
inline constexpr std::string_view kTitle = "Label6";
inline constexpr std::string_view kQuit = "Label7";
inline constexpr std::string_view kClock = "Label8";
inline constexpr std::string_view kGreets = "Label9";
inline constexpr std::string_view kImsOff = "Label10";
inline constexpr std::string_view kImsOn = "Label11";
inline constexpr std::string_view kPrivateRooms = "Label12";
inline constexpr std::string_view kReason = "text1";
inline constexpr std::string_view kIdleTimer = "Timer1";
inline constexpr std::string_view kClockTimer = "Timer2";
}  // namespace main_window

namespace handle_prompt {  // Form1
inline constexpr std::string_view kHandle = "Text1";
inline constexpr std::string_view kEnter = "Label2";
}  // namespace handle_prompt

namespace private_rooms_window {  // Form3: the rooms' own labels are in private_rooms.cpp
inline constexpr std::string_view kExit = "Label9";
}  // namespace private_rooms_window

}  // namespace velto::ui
