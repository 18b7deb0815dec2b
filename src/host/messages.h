#pragma once

// The window messages and codes the host routines send, under their Win32 names.
// Guarded so that a file which also includes <windows.h> sees one definition.

#include <cstdint>

#ifndef WM_CLOSE
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
#endif
#ifndef WM_SETTEXT
inline constexpr std::uint32_t WM_SETTEXT = 0x000C;
#endif
#ifndef WM_GETTEXT
inline constexpr std::uint32_t WM_GETTEXT = 0x000D;
#endif
#ifndef WM_GETTEXTLENGTH
inline constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;
#endif
#ifndef WM_KEYDOWN
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
#endif
#ifndef WM_KEYUP
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
#endif
#ifndef WM_CHAR
inline constexpr std::uint32_t WM_CHAR = 0x0102;
#endif
#ifndef WM_COMMAND
inline constexpr std::uint32_t WM_COMMAND = 0x0111;
#endif
#ifndef WM_SYSCOMMAND
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
#endif
#ifndef WM_LBUTTONDOWN
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
#endif
#ifndef WM_LBUTTONUP
inline constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
#endif
#ifndef BM_SETCHECK
inline constexpr std::uint32_t BM_SETCHECK = 0x00F1;
#endif
#ifndef LB_SETCURSEL
inline constexpr std::uint32_t LB_SETCURSEL = 0x0186;
#endif
#ifndef LB_GETTEXT
inline constexpr std::uint32_t LB_GETTEXT = 0x0189;
#endif
#ifndef LB_GETTEXTLEN
inline constexpr std::uint32_t LB_GETTEXTLEN = 0x018A;
#endif
#ifndef LB_GETCOUNT
inline constexpr std::uint32_t LB_GETCOUNT = 0x018B;
#endif
#ifndef BM_GETCHECK
inline constexpr std::uint32_t BM_GETCHECK = 0x00F0;
#endif
#ifndef LB_GETITEMDATA
inline constexpr std::uint32_t LB_GETITEMDATA = 0x0199;
#endif
#ifndef WM_LBUTTONDBLCLK
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
#endif
#ifndef VK_ESCAPE
inline constexpr std::uint32_t VK_ESCAPE = 0x1B;
#endif
#ifndef VK_RETURN
inline constexpr std::uint32_t VK_RETURN = 0x0D;
#endif
#ifndef VK_SPACE
inline constexpr std::uint32_t VK_SPACE = 0x20;
#endif
#ifndef VK_UP
inline constexpr std::uint32_t VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
inline constexpr std::uint32_t VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
inline constexpr std::uint32_t VK_DOWN = 0x28;
#endif

// Window state, screen and process-access codes of the library's operations.
#ifndef SW_HIDE
inline constexpr int SW_HIDE = 0;
#endif
#ifndef SW_SHOW
inline constexpr int SW_SHOW = 5;
#endif
#ifndef HWND_TOPMOST
inline constexpr int HWND_TOPMOST = -1;
#endif
#ifndef HWND_NOTOPMOST
inline constexpr int HWND_NOTOPMOST = -2;
#endif
#ifndef SWP_NOSIZE
inline constexpr unsigned SWP_NOSIZE = 0x0001;
#endif
#ifndef SWP_NOMOVE
inline constexpr unsigned SWP_NOMOVE = 0x0002;
#endif
#ifndef SM_CXSCREEN
inline constexpr int SM_CXSCREEN = 0;
#endif
#ifndef SM_CYSCREEN
inline constexpr int SM_CYSCREEN = 1;
#endif
#ifndef MF_BYCOMMAND
inline constexpr unsigned MF_BYCOMMAND = 0x0000;
#endif
#ifndef STANDARD_RIGHTS_REQUIRED
inline constexpr std::uint32_t STANDARD_RIGHTS_REQUIRED = 0x000F0000;
#endif
#ifndef PROCESS_VM_READ
inline constexpr std::uint32_t PROCESS_VM_READ = 0x0010;
#endif

namespace velto::host {

inline constexpr std::uint32_t kCarriageReturn = 0x0D;
inline constexpr std::uint32_t kSpace = 0x20;

// SC_MOVE (0xF010) with the caption hit-test code (HTCAPTION, 2), sign-widened
// the way the host-automation idiom has always sent it; the platform reads the low 16 bits.
inline constexpr std::uint32_t kMoveByCaption = 0xFFFFF012;

}  // namespace velto::host
