#include "win32_standin_process.h"

#include <cstdlib>
#include <fstream>

#include "host/wait.h"
#include "host/win32_platform.h"
#include "host/window_search.h"

namespace velto::testing {
namespace {

constexpr DWORD kExitWaitMilliseconds = 5000;

std::wstring Wide(const std::string& utf8) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), size);
  text.resize(text.size() - 1);
  return text;
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of("\\/") + 1);
}

}  // namespace

std::string StandinHostPath() {
  char chosen[MAX_PATH] = {};
  if (::GetEnvironmentVariableA("VELTO_STANDIN_HOST", chosen, MAX_PATH) > 0)
    return chosen;
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string beside = FolderOf(self) + "standin-host.exe";
  if (::GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES)
    return beside;
  return VELTO_STANDIN_HOST_EXE;
}

StandinProcess::StandinProcess(const std::vector<std::string>& arguments) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string stem =
      std::string(folder) + "velto-standin-" + std::to_string(::GetCurrentProcessId());
  logPath_ = stem + ".log";
  controlPath_ = stem + ".orders";
  ::DeleteFileA(logPath_.c_str());
  std::ofstream(controlPath_, std::ios::binary | std::ios::trunc);
  std::string commandLine =
      "\"" + StandinHostPath() + "\" \"--log=" + logPath_ + "\" \"--control=" + controlPath_ + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  std::wstring mutableLine = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  started_ = ::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
}

StandinProcess::~StandinProcess() {
  if (!started_)
    return;
  ::TerminateProcess(process_.hProcess, 0);
  ::WaitForSingleObject(process_.hProcess, kExitWaitMilliseconds);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
  ::DeleteFileA(logPath_.c_str());
  ::DeleteFileA(controlPath_.c_str());
}

bool StandinProcess::HostMemoryIsEmulated() const {
  const char* runner = std::getenv("VELTO_X86_RUNNER");
  if (!started_ || !runner || std::string(runner) != "qemu-i386")
    return false;
  // On 64-bit Windows (and wine64) a 32-bit process is a WOW64 one.
  BOOL hostIs32Bit = FALSE;
  return ::IsWow64Process(process_.hProcess, &hostIs32Bit) && hostIs32Bit;
}

std::vector<std::string> StandinProcess::Records() const {
  std::ifstream log(logPath_, std::ios::binary);
  std::vector<std::string> records;
  for (std::string line; std::getline(log, line);) {
    records.push_back(line.substr(line.find(' ') + 1));
  }
  return records;
}

void StandinProcess::Order(const std::string& order) const {
  std::ofstream(controlPath_, std::ios::binary | std::ios::app) << order << '\n';
}

bool StandinProcess::WaitUntilShowing(const std::function<bool(host::Platform&)>& shows,
                                      double seconds) const {
  constexpr double kPollSeconds = 0.01;
  host::Win32Platform platform;
  return host::WaitFor(
      platform,
      [&] {
        const host::WindowHandle frame = host::FindHostFrame(platform);
        return frame && platform.GetWindowThreadProcessId(frame) == id() && shows(platform);
      },
      seconds, kPollSeconds);
}

}  // namespace velto::testing
