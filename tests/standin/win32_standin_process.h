#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/platform.h"

namespace velto::testing {

// The stand-in host named by VELTO_STANDIN_HOST (a build of the other bitness, for the
// mixed pairings), else the one next to this program, else where the build made it.
std::string StandinHostPath();

// standin-host.exe started with a log of what it receives and a control file for
// orders; ended when this goes.
class StandinProcess {
 public:
  // `arguments` come after the log and control options, each quoted.
  explicit StandinProcess(const std::vector<std::string>& arguments);
  ~StandinProcess();
  StandinProcess(const StandinProcess&) = delete;
  StandinProcess& operator=(const StandinProcess&) = delete;

  bool started() const { return started_; }
  DWORD id() const { return process_.dwProcessId; }
  // Whether the host is a 32-bit program run by qemu-i386 user emulation (the test scripts
  // say so in VELTO_X86_RUNNER). The emulator keeps the program's memory a page above the
  // addresses the program sees (its guest base), which Wine's server does not know: another
  // process's ReadProcessMemory reads the wrong place, and the reads disturb both sides.
  bool HostMemoryIsEmulated() const;
  // The log's records without their times: "MENU &Open...".
  std::vector<std::string> Records() const;
  // Appends an order to the control file ("sample-mail"), which the host reads within
  // a fraction of a second.
  void Order(const std::string& order) const;
  // Waits at most `seconds` until the host's frame is this process's and `shows` holds.
  bool WaitUntilShowing(const std::function<bool(host::Platform&)>& shows, double seconds) const;

 private:
  std::string logPath_, controlPath_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

}  // namespace velto::testing
