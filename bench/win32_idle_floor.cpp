// The floor of what an idle clock costs a Wine GUI program: one window whose label shows
// the local time, written once a second by a timer re-armed each time for just after the
// next whole second. bench/idle-cost runs it beside velto-idler.exe and compares their
// CPU time.

#include <windows.h>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kMillisecondsPerSecond = 1000;
constexpr UINT kPastTheSecondMilliseconds = 10;
constexpr UINT kFirstTickMilliseconds = 50;
constexpr int kWindowWidth = 200;
constexpr int kWindowHeight = 100;
constexpr int kTimeTextLength = 64;
constexpr char kClassName[] = "VeltoIdleFloor";

HWND label = nullptr;

void ShowTimeAndRearm(HWND window) {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  char text[kTimeTextLength] = {};
  ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, kTimeTextLength);
  ::SetWindowTextA(label, text);
  ::SetTimer(window, kTimerId,
             kMillisecondsPerSecond - now.wMilliseconds + kPastTheSecondMilliseconds, nullptr);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WM_TIMER == message) {
    ShowTimeAndRearm(hwnd);
    return 0;
  }
  if (WM_DESTROY == message) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kClassName;
  ::RegisterClassExA(&wc);
  HWND window =
      ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Idle floor", WS_POPUP | WS_VISIBLE, 0, 0,
                        kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  label = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, kWindowWidth,
                            kWindowHeight, window, nullptr, instance, nullptr);
  ::SetTimer(window, kTimerId, kFirstTickMilliseconds, nullptr);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
