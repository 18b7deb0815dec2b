// A chat line through velto_SendChatLine (velto.dll, loaded as a script language loads it)
// against SendChatLine called in C++, in the same run against the same host, alternating
// so both see the same machine. Prints the median and mean of each and their ratio.
//   dll-chat-line-bench <velto.dll> [lines of each kind]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "host/host_routines.h"
#include "host/win32_platform.h"

namespace {

constexpr int kDefaultLines = 500;
constexpr int kUsage = 2;
constexpr double kMicroseconds = 1e6;

using SendChatLineFunction = int(__stdcall*)(const wchar_t*);

double Now() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double Mean(const std::vector<double>& times) {
  return std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2)
    return kUsage;
  const int lines = argc > 2 ? std::atoi(argv[2]) : kDefaultLines;
  HMODULE dll = ::LoadLibraryA(argv[1]);
  auto viaDll = dll ? reinterpret_cast<SendChatLineFunction>(
                          reinterpret_cast<void*>(::GetProcAddress(dll, "velto_SendChatLine")))
                    : nullptr;
  if (!viaDll)
    return kUsage;
  velto::host::Win32Platform platform;
  std::vector<double> cpp, c;
  for (int i = 0; i < lines; ++i) {
    double start = Now();
    const bool cppAnswered = velto::host::SendChatLine(platform, "\xE2\x80\xB9 line \xE2\x80\xBA");
    cpp.push_back(Now() - start);
    start = Now();
    const bool dllAnswered = viaDll(L"\x2039 line \x203A") != 0;
    c.push_back(Now() - start);
    if (!cppAnswered || !dllAnswered) {
      std::fprintf(stderr, "the host did not take line %d\n", i);
      return 1;
    }
  }
  std::printf("SendChatLine (C++)      median %.1f us  mean %.1f us\n", Median(cpp) * kMicroseconds,
              Mean(cpp) * kMicroseconds);
  std::printf("velto_SendChatLine (C)  median %.1f us  mean %.1f us\n", Median(c) * kMicroseconds,
              Mean(c) * kMicroseconds);
  std::printf("ratio DLL / C++         median %.3f  mean %.3f\n", Median(c) / Median(cpp),
              Mean(c) / Mean(cpp));
  return 0;
}
