#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>

#include "host/host_routines.h"
#include "host/host_text.h"
#include "host/wait.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "host/window_search.h"
#include "library/windows/host_menus.h"
#include "standin/standin_host.h"
#include "standin/win32/win32_host_windows.h"
#include "standin/win32/win32_transcript_view.h"

namespace velto::testing {

using host::ToHwnd;
namespace {

using host::InstantMessageOutcome;
using host::WindowHandle;
using standin::InstantMessageAnswer;
using standin::Received;

constexpr double kSettleSeconds = 3.0;
constexpr double kPollSeconds = 0.01;

std::string ClassOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

// The classes of a window's direct children, in the order FindWindowExA gives them.
std::vector<std::string> ChildClasses(WindowHandle parent) {
  std::vector<std::string> classes;
  for (HWND child = ::FindWindowExA(ToHwnd(parent), nullptr, nullptr, nullptr); child;
       child = ::FindWindowExA(ToHwnd(parent), child, nullptr, nullptr)) {
    classes.push_back(ClassOf(child));
  }
  return classes;
}

// The stand-in host on a thread of its own, as the real host runs in a process of its
// own: the routines' messages cross to its message loop, and its modal message box
// blocks only its own thread.
class StandinOnItsThread {
 public:
  struct Handles {
    DWORD thread = 0;
    WindowHandle frame, mdiClient, chatRoom, keywordBox;
  };

  explicit StandinOnItsThread(standin::StandinOptions options) {
    std::promise<Handles> ready;
    std::future<Handles> handles = ready.get_future();
    thread_ = std::thread([this, options, &ready] { Run(options, ready); });
    handles_ = handles.get();
  }
  ~StandinOnItsThread() {
    ::PostThreadMessageA(handles_.thread, WM_QUIT, 0, 0);
    thread_.join();
  }
  StandinOnItsThread(const StandinOnItsThread&) = delete;
  StandinOnItsThread& operator=(const StandinOnItsThread&) = delete;

  const Handles& handles() const { return handles_; }
  std::vector<Received> received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
  }

 private:
  void Run(const standin::StandinOptions& options, std::promise<Handles>& ready) {
    standin::Win32HostWindows windows;
    standin::StandinHost host(windows, options);
    host.onReceived = [this](const Received& received) {
      std::lock_guard<std::mutex> lock(mutex_);
      received_.push_back(received);
    };
    ready.set_value(Handles{::GetCurrentThreadId(), host.frame(), host.mdiClient(), host.chatRoom(),
                            host.keywordBox()});
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }

  std::thread thread_;
  Handles handles_;
  mutable std::mutex mutex_;
  std::vector<Received> received_;
};

class Win32StandinTest : public ::testing::Test {
 protected:
  void Start(InstantMessageAnswer answer = InstantMessageAnswer::kCloseWindow) {
    standin::StandinOptions options;
    options.screenName = "Ann Lee";
    options.roomName = "Lobby";
    options.instantMessageAnswer = answer;
    standin_ = std::make_unique<StandinOnItsThread>(options);
  }
  const StandinOnItsThread::Handles& host() const { return standin_->handles(); }
  bool Eventually(const std::function<bool()>& done) {
    return host::WaitFor(platform_, done, kSettleSeconds, kPollSeconds);
  }
  WindowHandle InstantMessageWindow() {
    return host::FindChild(platform_, host().mdiClient, "AOL Child", "Send Instant Message");
  }
  bool HostMessageBoxOpen() { return bool(platform_.FindWindowA("#32770", "America Online")); }

  host::Win32Platform platform_;
  std::unique_ptr<StandinOnItsThread> standin_;
};

TEST_F(Win32StandinTest, WindowsHaveTheHostsClassesInChildOrder) {
  Start();
  EXPECT_EQ(platform_.FindWindowA("AOL Frame25", "America Online"), host().frame);
  EXPECT_EQ(host::FindChatRoom(platform_), host().chatRoom);
  EXPECT_EQ(host::GetScreenName(platform_), "Ann Lee");
  EXPECT_EQ(ChildClasses(host().chatRoom),
            (std::vector<std::string>{"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon",
                                      "_AOL_Static"}));
  EXPECT_EQ(ClassOf(ToHwnd(host().mdiClient)), "MDIClient");

  // The keyword box ends the toolbar chain and is the system's own edit control.
  WindowHandle box = platform_.FindWindowExA(host().frame, {}, "AOL Toolbar", std::nullopt);
  for (const char* cls : {"_AOL_Toolbar", "_AOL_Combobox", "Edit"}) {
    box = platform_.FindWindowExA(box, {}, cls, std::nullopt);
  }
  EXPECT_EQ(box, host().keywordBox);
  EXPECT_EQ(ClassOf(ToHwnd(box)), "Edit");

  // The host's controls behave as the system's controls they are made from.
  HWND richText = ::FindWindowExA(ToHwnd(host().chatRoom), nullptr, "RICHCNTL", nullptr);
  EXPECT_GT(::SendMessageA(richText, EM_GETLIMITTEXT, 0, 0), 0);
  HWND people = ::FindWindowExA(ToHwnd(host().chatRoom), nullptr, "_AOL_Listbox", nullptr);
  EXPECT_EQ(::SendMessageA(people, LB_GETCOUNT, 0, 0), 1) << "the user alone is in the room";
  ::SendMessageA(people, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Bob"));
  EXPECT_EQ(::SendMessageA(people, LB_GETCOUNT, 0, 0), 2);

  // The window shows before its controls are all made, as the idler's wait allows for.
  host::OpenKeyword(platform_, "aol://9293:Bob");
  std::vector<std::string> imClasses{"RICHCNTL"};
  imClasses.resize(1 + standin::StandinHost::kInstantMessageIcons, "_AOL_Icon");
  WindowHandle im;
  EXPECT_TRUE(Eventually([&] {
    im = InstantMessageWindow();
    return im && ChildClasses(im).size() == imClasses.size();
  }));
  EXPECT_EQ(ChildClasses(im), imClasses);
  EXPECT_EQ(host::GetWindowCaption(platform_, host::FindNthChild(platform_, im, "_AOL_Icon", 9)),
            "Send");
}

TEST_F(Win32StandinTest, ChatLinesArriveByteForByte) {
  Start();
  const std::string first =
      "< font . color=#1e90ff > ‹¬· < font . color=#f00f00 > Velto Idler ‹› [ Started  ] •";
  host::SendChatLine(platform_, first);
  host::SendChatLine(platform_, "");
  host::SendChatLine(platform_, "second");

  const std::vector<Received> received = standin_->received();
  ASSERT_EQ(received.size(), 3u);
  EXPECT_EQ(received[0].kind, Received::Kind::kChatLine);
  EXPECT_EQ(received[0].bytes,
            "< font . color=#1e90ff > \x8B\xAC\xB7 < font . color=#f00f00 > Velto Idler \x8B\x9B "
            "[ Started  ] \x95");
  EXPECT_EQ(received[1].bytes, "");
  EXPECT_EQ(received[2].bytes, "second");
  HWND transcript = ::FindWindowExA(ToHwnd(host().chatRoom), nullptr, "RICHCNTL", nullptr);
  HWND input = ::FindWindowExA(ToHwnd(host().chatRoom), transcript, "RICHCNTL", nullptr);
  EXPECT_EQ(::GetWindowTextLengthA(input), 0) << "the input is emptied once the line is sent";
}

TEST_F(Win32StandinTest, RoomKeywordRenamesTheRoom) {
  Start();
  host::OpenKeyword(platform_, "aol://2719:2-2-vb4");
  EXPECT_EQ(host::GetWindowCaption(platform_, host().chatRoom), "vb4");
  const std::vector<Received> received = standin_->received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].kind, Received::Kind::kKeyword);
  EXPECT_EQ(received[0].bytes, "aol://2719:2-2-vb4");
  EXPECT_EQ(host::FindChatRoom(platform_), host().chatRoom);
}

// A window that never opens is covered on the substitute desktop, where the routine's
// one-minute bound passes in virtual time.
TEST_F(Win32StandinTest, InstantMessageIsTakenWhenTheWindowCloses) {
  Start(InstantMessageAnswer::kCloseWindow);
  EXPECT_EQ(host::SendInstantMessage(platform_, "$IM_OFF", "Vrel owns you"),
            InstantMessageOutcome::kTaken);
  const std::vector<Received> received = standin_->received();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[1].kind, Received::Kind::kInstantMessage);
  EXPECT_EQ(received[1].recipient, "$IM_OFF");
  EXPECT_EQ(received[1].bytes, "Vrel owns you");
  EXPECT_FALSE(InstantMessageWindow());
  EXPECT_FALSE(HostMessageBoxOpen());
}

TEST_F(Win32StandinTest, HostMessageBoxIsPressedByThePostedSpaceKey) {
  Start(InstantMessageAnswer::kMessageBox);
  EXPECT_EQ(host::SendInstantMessage(platform_, "$IM_ON", "Vrel owns you"),
            InstantMessageOutcome::kRefused);
  EXPECT_TRUE(Eventually([&] { return !HostMessageBoxOpen() && !InstantMessageWindow(); }))
      << "the box's OK button takes the posted space key, and the window its close request";
  const std::vector<Received> received = standin_->received();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[1].recipient, "$IM_ON");
}

// The menu bar is read with the menu functions, which under Wine work only in the
// menu's own process: here, where the stand-in host runs on a thread.
TEST_F(Win32StandinTest, MenuBarEntriesRunByTextAndPosition) {
  Start();
  library::RunHostMenuText(platform_, "REMEMBER window");
  library::RunHostMenuItem(platform_, 0, 1);
  library::RunHostMenuText(platform_, "close");
  library::RunHostMenuText(platform_, "");
  library::RunHostMenuText(platform_, "no such entry");
  library::RunHostMenuItem(platform_, 4, 1);

  std::vector<std::string> ran;
  for (const Received& received : standin_->received()) {
    EXPECT_EQ(received.kind, Received::Kind::kMenuCommand);
    ran.push_back(received.bytes);
  }
  EXPECT_EQ(ran, (std::vector<std::string>{"&Remember Window Size", "&Open...", "&Close", "&New",
                                           "&About America Online"}))
      << "\"close\" is in the File and the Window menus: the earlier menu's entry runs; an "
         "empty text runs the first entry; a text no entry has runs nothing";
}

// Where the pixels of each colour lie, across a painted line.
struct ColourSpread {
  int count = 0;
  long long xSum = 0;
  double MeanX() const { return count ? double(xSum) / count : -1; }
};

TEST(Win32TranscriptView, PaintsEachRunInItsOwnColour) {
  constexpr int kWidth = 600;
  constexpr int kHeight = 40;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);

  const std::string line = "<font color=#1e90ff>MMMMMMMM<font color=#f00f00>WWWWWWWW";
  const RECT area{0, 0, kWidth, kHeight};
  standin::PaintTranscript(dc, area, {{"Ann", standin::ParseChatMarkup(line)}});
  ::GdiFlush();

  // Blue (#1e90ff) and red (#f00f00), also where blended into the white background.
  ColourSpread blue, red;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint32_t p = pixels[y * kWidth + x];  // 0x00RRGGBB in a 32-bit DIB
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      ColourSpread* spread = b > r + 60 ? &blue : (r > g + 60 && r > b + 60) ? &red : nullptr;
      if (spread) {
        ++spread->count;
        spread->xSum += x;
      }
    }
  }
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);

  EXPECT_GT(blue.count, 20);
  EXPECT_GT(red.count, 20);
  EXPECT_LT(blue.MeanX(), red.MeanX()) << "the blue run comes first, the red one after it";
}

}  // namespace
}  // namespace velto::testing
