// SendChatLine against a substitute host with N host child windows before the chat
// room: what one line costs in platform calls and in time.

#include <benchmark/benchmark.h>

#include "host/host_routines.h"
#include "host/substitute_desktop.h"
#include "standin/standin_host.h"
#include "standin/substitute/substitute_host_windows.h"

namespace {

using velto::host::SubstituteDesktop;
using velto::standin::StandinHost;
using velto::standin::SubstituteHostWindows;

void BM_SendChatLine(benchmark::State& state) {
  SubstituteDesktop desktop;
  SubstituteHostWindows windows(desktop);
  StandinHost host(windows, {});
  // Move the room behind N other host child windows, each with a few controls.
  desktop.RemoveWindow(host.chatRoom());
  desktop.RemoveWindow(host.welcomeWindow());
  for (int64_t i = 0; i < state.range(0); ++i) {
    const auto child = desktop.AddWindow(host.mdiClient(), "AOL Child", "Other window");
    desktop.AddWindow(child, "RICHCNTL", "");
    desktop.AddWindow(child, "_AOL_Icon", "");
  }
  host.OpenChatRoom("Lobby");

  const std::string line =
      "< font . color=#1e90ff > \u2039\u00AC\u00B7 < font . color=#f00f00 > hi";
  const std::size_t callsBefore = desktop.PlatformCalls();
  for (auto _ : state) {
    velto::host::SendChatLine(desktop, line);
    desktop.ClearLog();
  }
  state.counters["calls_per_line"] =
      benchmark::Counter(static_cast<double>(desktop.PlatformCalls() - callsBefore) /
                         static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SendChatLine)->Arg(1)->Arg(10)->Arg(200);

}  // namespace

BENCHMARK_MAIN();
