#include "standin/win32/win32_misbehaviour_orders.h"

#include <cstdio>
#include <memory>

#include "standin/standin_command_line.h"
#include "standin/win32/win32_wide_text.h"

namespace velto::standin {
namespace {

constexpr double kControlPollSeconds = 0.2;

struct MenuOrder {
  UINT command;  // a system command: its low 4 bits stay 0
  const char* text;
  const char* order;
};
constexpr MenuOrder kMenuOrders[] = {
    {0x0100, "Misbehave: hang for 30 s", "hang:30"},
    {0x0110, "Misbehave: answer in 500 ms", "slow:500"},
    {0x0120, "Misbehave: close the room when used", "close-room"},
    {0x0130, "Misbehave: close the IM window when used", "close-im"},
    {0x0140, "Misbehave: never open the IM window", "never-open-im"},
    {0x0150, "Misbehave: quit outright", "quit"},
    {0x0160, "Behave", "behave"},
    {0x0170, "Mail: fill the mailbox with sample mail", "sample-mail"},
    {0x0180, "Mail: show a mail error", "mail-error"},
};

struct ControlFile {
  HostWindows& windows;
  StandinHost& host;
  std::wstring path;
  long readUpTo = 0;
  std::string partial;  // a line not yet ended
};

void Obey(StandinHost& host, std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  if (line == "sample-mail") {
    host.OpenSampleMail();
  } else if (line == "mail-error") {
    host.mail().ShowSampleMailError();
  } else if (const auto order = ParseMisbehaviour(line)) {
    host.Misbehave(*order);
  }
}

void ReadNewOrders(ControlFile& control) {
  std::FILE* file = ::_wfopen(control.path.c_str(), L"rb");
  if (!file)
    return;
  std::fseek(file, control.readUpTo, SEEK_SET);
  std::string fresh;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
    fresh.push_back(static_cast<char>(c));
  std::fclose(file);
  control.readUpTo += static_cast<long>(fresh.size());
  control.partial += fresh;
  for (std::size_t end = control.partial.find('\n'); end != std::string::npos;
       end = control.partial.find('\n')) {
    const std::string line = control.partial.substr(0, end);
    control.partial.erase(0, end + 1);
    Obey(control.host, line);  // a hang happens here, inside the host's own loop
  }
}

void PollControlFile(const std::shared_ptr<ControlFile>& control) {
  ReadNewOrders(*control);
  control->windows.Later(kControlPollSeconds, [control] { PollControlFile(control); });
}

}  // namespace

void WatchControlFile(HostWindows& windows, StandinHost& host, const std::string& pathUtf8) {
  auto control =
      std::make_shared<ControlFile>(ControlFile{windows, host, WideFromUtf8(pathUtf8), 0, {}});
  // Orders already in the file when the host starts are old ones.
  if (std::FILE* file = ::_wfopen(control->path.c_str(), L"rb")) {
    std::fseek(file, 0, SEEK_END);
    control->readUpTo = std::ftell(file);
    std::fclose(file);
  }
  PollControlFile(control);
}

void AddMisbehaviourMenu(HWND frame) {
  HMENU menu = ::GetSystemMenu(frame, FALSE);
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  for (const MenuOrder& entry : kMenuOrders)
    ::AppendMenuA(menu, MF_STRING, entry.command, entry.text);
}

bool RunMisbehaviourMenuChoice(const MSG& msg, StandinHost& host) {
  if (msg.message != WM_SYSCOMMAND)
    return false;
  for (const MenuOrder& entry : kMenuOrders) {
    if ((msg.wParam & 0xFFF0) == entry.command) {
      Obey(host, entry.order);
      return true;
    }
  }
  return false;
}

}  // namespace velto::standin
