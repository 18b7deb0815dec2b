#pragma once

#include <string_view>

#include "host/platform.h"

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
}  // namespace host_caption

// Searches below a window we already hold. A missing parent (0) gives 0 instead of a
// search among the top-level windows, so a half-open host never makes us type into
// another program that happens to use the same class name.
WindowHandle FindChild(Platform& platform, WindowHandle parent, std::string_view className,
                       CaptionFilter caption = kAnyCaption);
WindowHandle FindNextChild(Platform& platform, WindowHandle parent, WindowHandle after,
                           std::string_view className, CaptionFilter caption = kAnyCaption);

// The n-th (1-based) direct child of the class, following the chain of "next child"
// searches; a gap in the chain gives 0 rather than starting over from the first child.
WindowHandle FindNthChild(Platform& platform, WindowHandle parent, std::string_view className,
                          int n);

// The host's frame and its MDI client, 0 when the host is not running.
WindowHandle FindHostFrame(Platform& platform);
WindowHandle FindHostMdiClient(Platform& platform, WindowHandle frame);

}  // namespace velto::host
