// What an idle Wine GUI program costs on a 50 ms timer: one window and a timer that does
// nothing every 50 ms, the period the idler's clock once ticked at. bench/idle-cost runs
// it beside velto-idler.exe and compares their CPU time.

#include <windows.h>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMilliseconds = 50;
constexpr int kWindowWidth = 200;
constexpr int kWindowHeight = 100;
constexpr char kClassName[] = "VeltoIdleBaseline";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WM_TIMER == message)
    return 0;
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
      ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Idle baseline", WS_POPUP | WS_VISIBLE, 0, 0,
                        kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  ::SetTimer(window, kTimerId, kTimerMilliseconds, nullptr);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
