// standin-host.exe: the stand-in host as a real Win32 program. It shows the host's
// windows, reacts to what the idler sends as the host would, shows the chat room's
// lines as a person would see them, and logs what it receives (see received_log.h).

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/host_text.h"
#include "host/win32_handles.h"
#include "host/host_names.h"
#include "host/window_search.h"
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

  HWND mdi = velto::host::ToHwnd(host.mdiClient());
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (velto::standin::RunMisbehaviourMenuChoice(msg, host))
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
