#pragma once

#include <string_view>

// The host's class names that its mail and account windows are built from, as the host
// spells them (the platform matches class names without regard to case).
namespace velto::library::mail_class {

inline constexpr std::string_view kTabControl = "_AOL_TabControl";
inline constexpr std::string_view kTabPage = "_AOL_TabPage";
inline constexpr std::string_view kTree = "_AOL_Tree";
inline constexpr std::string_view kEdit = "_AOL_Edit";
inline constexpr std::string_view kFontCombo = "_AOL_Fontcombo";
inline constexpr std::string_view kView = "_AOL_View";
inline constexpr std::string_view kModal = "_AOL_Modal";

}  // namespace velto::library::mail_class
