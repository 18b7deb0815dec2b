// standin-host.exe: the stand-in host as a real Win32 program. It shows the host's
// windows, reacts to what the idler sends as the host would, shows the chat room's
// lines as a person would see them, and logs what it receives (see received_log.h).
// Its system menu also shows its windows as the Velto library reads them.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/host_names.h"
#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "host/window_search.h"
#include "library/inspect/host_window_tree.h"
#include "standin/received_log.h"
#include "standin/standin_command_line.h"
#include "standin/standin_host.h"
#include "standin/win32/win32_host_windows.h"
#include "standin/win32/win32_misbehaviour_orders.h"
#include "standin/win32/win32_transcript_view.h"
#include "standin/win32/win32_wide_text.h"

namespace {

using velto::standin::Received;

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(velto::standin::Utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

void Write(std::FILE* file, const std::string& record) {
  if (!file)
    return;
  std::fwrite(record.data(), 1, record.size(), file);
  std::fflush(file);  // the end-to-end tests read the log while we run
}

// The room's transcript: its first rich-text box. Looked up each time, since the room
// may have been closed and opened again.
HWND TranscriptOf(velto::host::WindowHandle room) {
  HWND roomHwnd = velto::host::ToHwnd(room);
  return ::FindWindowExA(roomHwnd, nullptr, std::string(velto::host::host_class::kRichText).c_str(),
                         nullptr);
}

// The system menu's entry that shows the tree; a system command keeps its low 4 bits 0.
constexpr UINT kShowWindowTree = 0x0200;

void AddWindowTreeEntry(HWND frame) {
  ::AppendMenuA(::GetSystemMenu(frame, FALSE), MF_STRING, kShowWindowTree,
                "Show the window tree as the library reads it");
}

// The tree's window: a frame whose read-only text box fills it, to scroll and copy from.
constexpr wchar_t kTreeWindowClass[] = L"VeltoWindowTree";
constexpr int kTreeTextBox = 1;

LRESULT CALLBACK TreeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    ::MoveWindow(::GetDlgItem(window, kTreeTextBox), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void ShowWindowTree() {
  velto::host::Win32Platform platform;
  const std::string tree = velto::library::DescribeHostWindows(platform);
  std::string lines;
  for (const char c : tree) lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
  if (lines.empty())
    lines = "The host's frame is not there.";

  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = TreeWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kTreeWindowClass;
  ::RegisterClassW(&windowClass);  // fails harmlessly once it is registered
  HWND frame = ::CreateWindowExW(0, kTreeWindowClass, L"The window tree as the library reads it",
                                 WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 900, 600,
                                 nullptr, nullptr, instance, nullptr);
  HWND text = ::CreateWindowExW(0, L"EDIT", velto::standin::WideFromUtf8(lines).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                    ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                0, 0, 0, 0, frame,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeTextBox)),
                                instance, nullptr);
  ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(ANSI_FIXED_FONT)),
                 TRUE);
  ::ShowWindow(frame, SW_SHOW);
}

bool RunWindowTreeChoice(const MSG& msg) {
  if (msg.message != WM_SYSCOMMAND || (msg.wParam & 0xFFF0) != kShowWindowTree)
    return false;
  ShowWindowTree();
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const velto::standin::ParsedCommandLine parsed =
      velto::standin::ParseStandinCommandLine(Arguments());
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "standin-host: %s\n%s", parsed.error.c_str(),
                 velto::standin::kStandinUsage);
    return 2;
  }
  const velto::standin::StandinSettings& settings = parsed.settings;
  std::FILE* log = nullptr;
  if (!settings.logPath.empty()) {
    log = ::_wfopen(velto::standin::WideFromUtf8(settings.logPath).c_str(), L"ab");
    if (!log) {
      std::fprintf(stderr, "standin-host: cannot open the log %s\n", settings.logPath.c_str());
      return 2;
    }
  }

  velto::standin::Win32HostWindows windows;
  velto::standin::StandinHost host(windows, settings.options);
  if (!settings.people.empty())
    host.people().SetPeople(settings.people);
  const std::string speaker = velto::host::ToHostBytes(settings.options.screenName);
  host.onReceived = [&](const Received& received) {
    const std::string record = velto::standin::FormatLogRecord(received);
    Write(log, record);
    if (settings.echo)
      Write(stdout, record);
    if (received.kind == Received::Kind::kChatLine) {
      velto::standin::ShowChatLine(TranscriptOf(host.chatRoom()), speaker, received.bytes);
    }
  };

  if (settings.sampleMail)
    host.OpenSampleMail();
  if (!settings.controlPath.empty())
    velto::standin::WatchControlFile(windows, host, settings.controlPath);
  velto::standin::AddMisbehaviourMenu(velto::host::ToHwnd(host.frame()));
  AddWindowTreeEntry(velto::host::ToHwnd(host.frame()));

  HWND mdi = velto::host::ToHwnd(host.mdiClient());
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (velto::standin::RunMisbehaviourMenuChoice(msg, host) || RunWindowTreeChoice(msg))
      continue;
    if (::TranslateMDISysAccel(mdi, &msg))
      continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  if (log)
    std::fclose(log);
  return 0;
}
