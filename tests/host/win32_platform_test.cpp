#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "host/host_routines.h"
#include "host/messages.h"
#include "host/win32_platform.h"

namespace velto::testing {
namespace {

host::WindowHandle FromHwnd(HWND hwnd) {
  return host::WindowHandle{HandleToULong(hwnd)};
}

HWND MakeWindow() {
  return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

TEST(Win32Platform, AQuitMetInAWaitEndsItAndStaysQueuedForTheMainLoop) {
  host::Win32Platform platform;
  ::PostQuitMessage(7);
  const double start = platform.Clock();
  host::Pause(platform, 5);
  EXPECT_LT(platform.Clock() - start, 1.0) << "the pause ended with the quit";
  EXPECT_TRUE(platform.QuitRequested());
  EXPECT_EQ(platform.ExitCode(), 7);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "posted again";
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(Win32Platform, SendsToAGoneOrHungWindowAreNotAnswered) {
  host::Win32Platform platform;
  HWND live = MakeWindow();
  platform.SendMessageA(FromHwnd(live), WM_SETTEXT, 0, std::string("x"));
  EXPECT_TRUE(platform.LastSendAnswered());
  ::DestroyWindow(live);
  platform.SendMessageA(FromHwnd(live), WM_SETTEXT, 0, std::string("x"));
  EXPECT_FALSE(platform.LastSendAnswered());

  // A window of a thread that stops pumping: the send gives up after its bound.
  HWND hung = nullptr;
  HANDLE created = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread other([&] {
    hung = MakeWindow();
    ::SetEvent(created);
    ::Sleep(1500);
    ::DestroyWindow(hung);
  });
  ::WaitForSingleObject(created, INFINITE);
  platform.SetSendBound(0.3);
  const double start = platform.Clock();
  platform.SendMessageA(FromHwnd(hung), WM_CHAR, host::kCarriageReturn, 0u);
  const double took = platform.Clock() - start;
  EXPECT_FALSE(platform.LastSendAnswered());
  EXPECT_GE(took, 0.25);
  EXPECT_LT(took, 1.2);
  other.join();
  ::CloseHandle(created);
}

}  // namespace
}  // namespace velto::testing
