// velto-probe.exe: measures velto-idler.exe from outside, as the end-to-end tests need.
//   velto-probe repaint <seconds>  invalidates the idler's main window every 250 ms and
//                                  times until it has repainted; prints the longest time
//   velto-probe resources          prints the idler's USER and GDI object counts and memory
// A sent WM_NULL is no measure of responsiveness: a thread blocked inside
// SendMessageTimeout still answers sent messages while its input and paints wait.

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kInvalidateEveryMilliseconds = 250;
constexpr DWORD kLookEveryMilliseconds = 5;
constexpr const char* kFormClass = "VeltoForm";

// The idler's largest visible form: its main window.
struct FormSearch {
  HWND found = nullptr;
  LONG area = 0;
};
BOOL CALLBACK ConsiderWindow(HWND window, LPARAM data) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  RECT r;
  if (std::strcmp(name, kFormClass) != 0 || !::IsWindowVisible(window) ||
      !::GetWindowRect(window, &r))
    return TRUE;
  auto* search = reinterpret_cast<FormSearch*>(data);
  const LONG area = (r.right - r.left) * (r.bottom - r.top);
  if (area > search->area) {
    search->found = window;
    search->area = area;
  }
  return TRUE;
}
HWND FindMainForm() {
  FormSearch search;
  ::EnumWindows(ConsiderWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Milliseconds until the window has no update region left, or until `limit`.
DWORD TimeRepaint(HWND form, DWORD limit) {
  const DWORD start = ::GetTickCount();
  ::InvalidateRect(form, nullptr, TRUE);
  while (::GetUpdateRect(form, nullptr, FALSE)) {
    if (::GetTickCount() - start >= limit)
      break;
    ::Sleep(kLookEveryMilliseconds);
  }
  return ::GetTickCount() - start;
}

int Repaint(double seconds) {
  const HWND form = FindMainForm();
  if (!form) {
    std::fprintf(stderr, "velto-probe: no main window\n");
    return 2;
  }
  const DWORD total = static_cast<DWORD>(seconds * 1000);
  const DWORD start = ::GetTickCount();
  DWORD longest = 0;
  int samples = 0;
  while (::GetTickCount() - start < total) {
    const DWORD took = TimeRepaint(form, total);
    longest = std::max(longest, took);
    ++samples;
    if (took < kInvalidateEveryMilliseconds)
      ::Sleep(kInvalidateEveryMilliseconds - took);
  }
  std::printf("longest_repaint_ms %lu samples %d\n", static_cast<unsigned long>(longest), samples);
  return 0;
}

int Resources() {
  const HWND form = FindMainForm();
  DWORD processId = 0;
  if (form)
    ::GetWindowThreadProcessId(form, &processId);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) {
    std::fprintf(stderr, "velto-probe: no idler process\n");
    return 2;
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(process, &memory, sizeof memory);
  DWORD handles = 0;
  ::GetProcessHandleCount(process, &handles);
  std::printf("user_objects %lu gdi_objects %lu handles %lu working_set_kb %lu pagefile_kb %lu\n",
              static_cast<unsigned long>(::GetGuiResources(process, GR_USEROBJECTS)),
              static_cast<unsigned long>(::GetGuiResources(process, GR_GDIOBJECTS)),
              static_cast<unsigned long>(handles),
              static_cast<unsigned long>(memory.WorkingSetSize / 1024),
              static_cast<unsigned long>(memory.PagefileUsage / 1024));
  ::CloseHandle(process);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "repaint") == 0)
    return Repaint(std::atof(argv[2]));
  if (argc >= 2 && std::strcmp(argv[1], "resources") == 0)
    return Resources();
  std::fprintf(stderr, "usage: velto-probe repaint <seconds> | resources\n");
  return 2;
}
