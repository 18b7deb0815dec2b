#pragma once

#include <string_view>

// The host's vocabulary: the class names and captions its windows and controls are known
// by, as the host spells them, for the routines, the library and the stand-in host alike.
namespace velto::host {

// The host's class names, as the host spells them.
namespace host_class {
inline constexpr std::string_view kFrame = "AOL Frame25";
inline constexpr std::string_view kMdiClient = "MDIClient";
inline constexpr std::string_view kChild = "AOL Child";
inline constexpr std::string_view kRichText = "RICHCNTL";
inline constexpr std::string_view kListBox = "_AOL_Listbox";
inline constexpr std::string_view kIcon = "_AOL_Icon";
inline constexpr std::string_view kStatic = "_AOL_Static";
inline constexpr std::string_view kToolbar = "AOL Toolbar";
inline constexpr std::string_view kInnerToolbar = "_AOL_Toolbar";
inline constexpr std::string_view kComboBox = "_AOL_Combobox";
inline constexpr std::string_view kEdit = "Edit";
inline constexpr std::string_view kDialog = "#32770";
inline constexpr std::string_view kButton = "Button";
inline constexpr std::string_view kDialogStatic = "Static";  // a message box's texts
inline constexpr std::string_view kPopupMenu = "#32768";
inline constexpr std::string_view kCheckBox = "_AOL_Checkbox";
inline constexpr std::string_view kGlyph = "_AOL_Glyph";
inline constexpr std::string_view kTabControl = "_AOL_TabControl";
inline constexpr std::string_view kTabPage = "_AOL_TabPage";
inline constexpr std::string_view kTree = "_AOL_Tree";
inline constexpr std::string_view kAolEdit = "_AOL_Edit";
inline constexpr std::string_view kView = "_AOL_View";
inline constexpr std::string_view kModal = "_AOL_Modal";
// The host spells its font combo box two ways: in the compose windows and in read mail.
inline constexpr std::string_view kFontCombo = "_AOL_Fontcombo";
inline constexpr std::string_view kReadMailFontCombo = "_AOL_FontCombo";
}  // namespace host_class

// The captions the host's windows and controls are known by.
namespace host_caption {
inline constexpr std::string_view kFrame = "America Online";
inline constexpr std::string_view kHostMessageBox = "America Online";
inline constexpr std::string_view kInstantMessage = "Send Instant Message";
inline constexpr std::string_view kFiledMail = "Incoming/Saved Mail";
inline constexpr std::string_view kWriteMail = "Write Mail";
inline constexpr std::string_view kSendNow = "Send Now";  // the compose windows' marker
inline constexpr std::string_view kMailError = "Error";
inline constexpr std::string_view kParentalControls = "Parental Controls";
inline constexpr std::string_view kProfileRequest = "Get a Member's Profile";
inline constexpr std::string_view kProfile = "Member Profile";
inline constexpr std::string_view kPreferences = "Preferences";
inline constexpr std::string_view kMailPreferences = "Mail Preferences";
inline constexpr std::string_view kMailbox = "Online Mailbox";
// Buttons of the host's message boxes.
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kNo = "&No";
}  // namespace host_caption

}  // namespace velto::host
