#include "library/windows/win32_own_controls.h"

#include <windows.h>

#include <vector>

#include "host/win32_handles.h"

namespace velto::library {
namespace {

constexpr int kTwipsPerPixel = 15;

using host::ToHwnd;

// The window's outer rectangle in the coordinates its position is given in: the parent's
// client area for a child window, the screen otherwise. Empty for a vanished window.
RECT PlacedRect(HWND hwnd) {
  RECT rect{};
  if (!GetWindowRect(hwnd, &rect))
    return RECT{};
  const bool child = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
  if (child)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void MoveTo(HWND hwnd, int xPixels, int yPixels) {
  SetWindowPos(hwnd, nullptr, xPixels, yPixels, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Widened(const std::string& utf8) {
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Narrowed(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace

int Win32FormControl::Left() {
  return PlacedRect(ToHwnd(window_)).left * kTwipsPerPixel;
}

int Win32FormControl::Top() {
  return PlacedRect(ToHwnd(window_)).top * kTwipsPerPixel;
}

int Win32FormControl::Width() {
  const RECT rect = PlacedRect(ToHwnd(window_));
  return (rect.right - rect.left) * kTwipsPerPixel;
}

int Win32FormControl::Height() {
  const RECT rect = PlacedRect(ToHwnd(window_));
  return (rect.bottom - rect.top) * kTwipsPerPixel;
}

void Win32FormControl::SetLeft(int twips) {
  const HWND hwnd = ToHwnd(window_);
  MoveTo(hwnd, twips / kTwipsPerPixel, PlacedRect(hwnd).top);
}

void Win32FormControl::SetTop(int twips) {
  const HWND hwnd = ToHwnd(window_);
  MoveTo(hwnd, PlacedRect(hwnd).left, twips / kTwipsPerPixel);
}

std::string Win32FormControl::Caption() {
  const HWND hwnd = ToHwnd(window_);
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0)
    return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
  return Narrowed(std::wstring(buffer.data(), static_cast<std::size_t>(copied)));
}

void Win32FormControl::SetCaption(const std::string& caption) {
  SetWindowTextW(ToHwnd(window_), Widened(caption).c_str());
}

}  // namespace velto::library
