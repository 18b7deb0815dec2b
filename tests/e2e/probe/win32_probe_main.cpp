// velto-probe.exe: measures velto-idler.exe from outside, as the end-to-end tests need.
//   velto-probe repaint <seconds>  invalidates the idler's main window every 250 ms and
//                                  times until it has repainted; prints the longest time
//   velto-probe resources          prints the idler's USER and GDI object counts and memory
//   velto-probe focus-at <x> <y>   exits 0 when the keyboard focus is on the window at that
//                                  screen point; prints where the focus is either way
//   velto-probe foreground-at <x> <y>  exits 0 when the active window is the top-level
//                                  window at that point; prints which window is active
//   velto-probe text-at <x> <y>    prints the text of the window at that screen point
// The end-to-end tests type only once the keys can go where they are meant to go, and then
// read back what arrived, so that a lost key names the step that lost it.
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
// The system's own cutoff for calling a window hung.
constexpr UINT kAnswerMilliseconds = 5000;
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

// "class left,top widthxheight "text"" of a window, for the messages of the checks.
void Describe(const char* what, HWND window) {
  char name[64] = "none";
  char text[256] = "";
  RECT r{};
  if (window) {
    ::GetClassNameA(window, name, sizeof name);
    ::GetWindowRect(window, &r);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored);
  }
  std::printf("%s: %s %ld,%ld %ldx%ld \"%s\"\n", what, name, r.left, r.top, r.right - r.left,
              r.bottom - r.top, text);
}

// The deepest window at a screen point, as a click there would reach it.
HWND WindowAt(int x, int y) {
  POINT point{x, y};
  return ::WindowFromPoint(point);
}

// The window that typed keys reach now: the focus of the active window's thread.
HWND KeyboardFocus() {
  const HWND active = ::GetForegroundWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!active || !::GetGUIThreadInfo(::GetWindowThreadProcessId(active, nullptr), &info))
    return nullptr;
  return info.hwndFocus ? info.hwndFocus : info.hwndActive;
}

int FocusAt(int x, int y) {
  const HWND target = WindowAt(x, y);
  const HWND focus = KeyboardFocus();
  Describe("focus", focus);
  Describe("at point", target);
  return target && focus == target ? 0 : 1;
}

int ForegroundAt(int x, int y) {
  const HWND target = ::GetAncestor(WindowAt(x, y), GA_ROOT);
  const HWND active = ::GetForegroundWindow();
  Describe("active", active);
  Describe("at point", target);
  return target && active == target ? 0 : 1;
}

int TextAt(int x, int y) {
  char text[1024] = "";
  DWORD_PTR ignored = 0;
  const HWND window = WindowAt(x, y);
  if (!window ||
      !::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored)) {
    std::fprintf(stderr, "velto-probe: no window that answers at %d,%d\n", x, y);
    return 2;
  }
  std::printf("%s\n", text);
  return 0;
}

// Chooses the entry of the window's system menu as a person's click would: the system
// command the menu sends.
int SystemCommand(const char* caption, unsigned command) {
  const HWND window = ::FindWindowA(nullptr, caption);
  if (!window || !::PostMessageA(window, WM_SYSCOMMAND, command, 0)) {
    std::fprintf(stderr, "velto-probe: no window \"%s\" took the command\n", caption);
    return 2;
  }
  return 0;
}

// The text of the first child of the top-level window with the caption.
int ChildText(const char* caption) {
  static char text[1 << 16];
  DWORD_PTR ignored = 0;
  const HWND child = ::GetWindow(::FindWindowA(nullptr, caption), GW_CHILD);
  if (!child ||
      !::SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored)) {
    std::fprintf(stderr, "velto-probe: no child of \"%s\" that answers\n", caption);
    return 2;
  }
  std::printf("%s\n", text);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "repaint") == 0)
    return Repaint(std::atof(argv[2]));
  if (argc >= 2 && std::strcmp(argv[1], "resources") == 0)
    return Resources();
  if (argc >= 4 && std::strcmp(argv[1], "focus-at") == 0)
    return FocusAt(std::atoi(argv[2]), std::atoi(argv[3]));
  if (argc >= 4 && std::strcmp(argv[1], "foreground-at") == 0)
    return ForegroundAt(std::atoi(argv[2]), std::atoi(argv[3]));
  if (argc >= 4 && std::strcmp(argv[1], "text-at") == 0)
    return TextAt(std::atoi(argv[2]), std::atoi(argv[3]));
  if (argc >= 4 && std::strcmp(argv[1], "system-command") == 0)
    return SystemCommand(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 0)));
  if (argc >= 3 && std::strcmp(argv[1], "child-text") == 0)
    return ChildText(argv[2]);
  std::fprintf(stderr,
               "usage: velto-probe repaint <seconds> | resources | focus-at <x> <y> |"
               " foreground-at <x> <y> | text-at <x> <y> |"
               " system-command <caption> <command> | child-text <caption>\n");
  return 2;
}
