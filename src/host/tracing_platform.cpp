#include "host/tracing_platform.h"

#include <cstdio>
#include <utility>

#include "host/host_text.h"
#include "host/messages.h"

namespace velto::host {

namespace {

// Long enough for every class and caption the host uses, short enough for a line.
constexpr int kLongestNameRead = 256;

struct NamedMessage {
  std::uint32_t message;
  const char* name;
};

constexpr NamedMessage kMessageNames[] = {
    {WM_SETTEXT, "WM_SETTEXT"},
    {WM_GETTEXT, "WM_GETTEXT"},
    {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
    {WM_CLOSE, "WM_CLOSE"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_CHAR, "WM_CHAR"},
    {WM_COMMAND, "WM_COMMAND"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {BM_GETCHECK, "BM_GETCHECK"},
    {BM_SETCHECK, "BM_SETCHECK"},
    {LB_SETCURSEL, "LB_SETCURSEL"},
    {LB_GETTEXT, "LB_GETTEXT"},
    {LB_GETTEXTLEN, "LB_GETTEXTLEN"},
    {LB_GETCOUNT, "LB_GETCOUNT"},
    {LB_GETITEMDATA, "LB_GETITEMDATA"},
};

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
  return text;
}

std::string Quoted(std::string_view bytes) {
  return "\"" + EscapedBytes(bytes) + "\"";
}

}  // namespace

std::string MessageName(std::uint32_t message) {
  for (const NamedMessage& named : kMessageNames) {
    if (named.message == message)
      return named.name;
  }
  return Hex(message);
}

std::string EscapedBytes(std::string_view bytes) {
  std::string escaped;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      escaped += '\\';
      escaped += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      escaped += c;
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", byte);
      escaped += code;
    }
  }
  return escaped;
}

TracingPlatform::TracingPlatform(Platform& inner, LineSink sink)
    : inner_(inner), sink_(std::move(sink)), start_(inner.Clock()) {
  ShareOutcomesOf(inner);
}

void TracingPlatform::Tell(const std::string& what) {
  Line(what);
}

void TracingPlatform::Line(const std::string& text) {
  char time[32];
  std::snprintf(time, sizeof time, "%9.1f ms  ", (inner_.Clock() - start_) * 1000.0);
  sink_(time + text);
}

std::string TracingPlatform::Describe(WindowHandle window) {
  if (!window)
    return "window 0";
  // The caption as the host holds it: its 8-bit bytes.
  const std::string caption = ToHostBytes(inner_.GetWindowTextA(window, kLongestNameRead));
  return Hex(window.value()) + " " + Quoted(inner_.GetClassNameA(window, kLongestNameRead)) + " " +
         Quoted(caption);
}

std::string TracingPlatform::Head(std::string_view operation, WindowHandle window,
                                  std::uint32_t message, std::uint32_t wParam) {
  return std::string(operation) + " " + Describe(window) + " " + MessageName(message) + " wParam " +
         std::to_string(wParam);
}

std::string TracingPlatform::Answer(std::intptr_t result) {
  if (!inner_.LastSendAnswered())
    return " -> not answered in time (or the window is gone)";
  return " -> " + std::to_string(static_cast<long long>(result)) + ", answered";
}

WindowHandle TracingPlatform::FindWindowA(std::string_view className, CaptionFilter caption) {
  return inner_.FindWindowA(className, caption);
}

WindowHandle TracingPlatform::FindWindowExA(WindowHandle parent, WindowHandle after,
                                            std::string_view className, CaptionFilter caption) {
  return inner_.FindWindowExA(parent, after, className, caption);
}

std::intptr_t TracingPlatform::SendMessageA(WindowHandle window, std::uint32_t message,
                                            std::uint32_t wParam, const std::string& text) {
  const std::string head = Head("SendMessageA", window, message, wParam);
  const std::intptr_t result = inner_.SendMessageA(window, message, wParam, text);
  Line(head + " text " + Quoted(ToHostBytes(text)) + Answer(result));
  return result;
}

std::intptr_t TracingPlatform::SendMessageA(WindowHandle window, std::uint32_t message,
                                            std::uint32_t wParam, std::uint32_t lParam) {
  const std::string head = Head("SendMessageA", window, message, wParam);
  const std::intptr_t result = inner_.SendMessageA(window, message, wParam, lParam);
  Line(head + " lParam " + Hex(lParam) + Answer(result));
  return result;
}

std::intptr_t TracingPlatform::SendMessageA(WindowHandle window, std::uint32_t message,
                                            std::uint32_t wParam, std::int32_t& variable) {
  const std::string head = Head("SendMessageA", window, message, wParam);
  const std::string before = std::to_string(variable);
  const std::intptr_t result = inner_.SendMessageA(window, message, wParam, variable);
  Line(head + " lParam &int32 holding " + before + Answer(result));
  return result;
}

std::intptr_t TracingPlatform::SendMessageUnboundedA(WindowHandle window, std::uint32_t message,
                                                     std::uint32_t wParam, std::int16_t& variable) {
  const std::string head = Head("SendMessageA (no bound)", window, message, wParam);
  const std::string before = std::to_string(variable);
  const std::intptr_t result = inner_.SendMessageUnboundedA(window, message, wParam, variable);
  Line(head + " lParam &int16 holding " + before + Answer(result));
  return result;
}

std::intptr_t TracingPlatform::SendMessageA(WindowHandle window, std::uint32_t message,
                                            std::uint32_t wParam, TextBuffer& buffer) {
  const std::string head = Head("SendMessageA", window, message, wParam);
  const std::intptr_t result = inner_.SendMessageA(window, message, wParam, buffer);
  Line(head + " buffer of " + std::to_string(buffer.size) + Answer(result) + ", filled " +
       Quoted(ToHostBytes(buffer.text)));
  return result;
}

void TracingPlatform::PostMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                   std::uint32_t lParam) {
  const std::string head = Head("PostMessageA", window, message, wParam);
  inner_.PostMessageA(window, message, wParam, lParam);
  Line(head + " lParam " + Hex(lParam));
}

int TracingPlatform::GetWindowTextLengthA(WindowHandle window) {
  return inner_.GetWindowTextLengthA(window);
}

std::string TracingPlatform::GetWindowTextA(WindowHandle window, int size) {
  return inner_.GetWindowTextA(window, size);
}

std::string TracingPlatform::GetClassNameA(WindowHandle window, int size) {
  return inner_.GetClassNameA(window, size);
}

void TracingPlatform::ReleaseCapture() {
  inner_.ReleaseCapture();
}

void TracingPlatform::ShowWindow(WindowHandle window, int command) {
  Line("ShowWindow " + Describe(window) + " " + std::to_string(command));
  inner_.ShowWindow(window, command);
}

bool TracingPlatform::IsWindowVisible(WindowHandle window) {
  return inner_.IsWindowVisible(window);
}

void TracingPlatform::SetWindowPos(WindowHandle window, int insertAfter, int x, int y, int width,
                                   int height, unsigned flags) {
  Line("SetWindowPos " + Describe(window) + " after " + std::to_string(insertAfter) + " at " +
       std::to_string(x) + "," + std::to_string(y) + " size " + std::to_string(width) + "x" +
       std::to_string(height) + " flags " + Hex(flags));
  inner_.SetWindowPos(window, insertAfter, x, y, width, height, flags);
}

MenuHandle TracingPlatform::GetMenu(WindowHandle window) {
  return inner_.GetMenu(window);
}

int TracingPlatform::GetMenuItemCount(MenuHandle menu) {
  return inner_.GetMenuItemCount(menu);
}

MenuHandle TracingPlatform::GetSubMenu(MenuHandle menu, int position) {
  return inner_.GetSubMenu(menu, position);
}

std::uint32_t TracingPlatform::GetMenuItemID(MenuHandle menu, int position) {
  return inner_.GetMenuItemID(menu, position);
}

std::string TracingPlatform::GetMenuStringA(MenuHandle menu, std::uint32_t item, int size,
                                            unsigned flags) {
  return inner_.GetMenuStringA(menu, item, size, flags);
}

Point TracingPlatform::GetCursorPos() {
  return inner_.GetCursorPos();
}

void TracingPlatform::SetCursorPos(int x, int y) {
  inner_.SetCursorPos(x, y);
}

int TracingPlatform::GetSystemMetrics(int index) {
  return inner_.GetSystemMetrics(index);
}

std::uint32_t TracingPlatform::GetWindowThreadProcessId(WindowHandle window) {
  return inner_.GetWindowThreadProcessId(window);
}

ProcessHandle TracingPlatform::OpenProcess(std::uint32_t access, bool inherit,
                                           std::uint32_t processId) {
  const ProcessHandle process = inner_.OpenProcess(access, inherit, processId);
  Line("OpenProcess " + std::to_string(processId) + " access " + Hex(access) +
       (process ? " -> opened" : " -> refused"));
  return process;
}

bool TracingPlatform::ReadProcessMemory(ProcessHandle process, std::uint32_t address, void* buffer,
                                        std::size_t size) {
  const bool read = inner_.ReadProcessMemory(process, address, buffer, size);
  Line("ReadProcessMemory at " + Hex(address) + ", " + std::to_string(size) + " bytes" +
       (read ? " -> read " + Quoted(std::string_view(static_cast<const char*>(buffer), size))
             : std::string(" -> unreadable")));
  return read;
}

void TracingPlatform::CloseHandle(ProcessHandle process) {
  inner_.CloseHandle(process);
}

bool TracingPlatform::LastSendAnswered() {
  return inner_.LastSendAnswered();
}

void TracingPlatform::SetSendBound(double seconds) {
  inner_.SetSendBound(seconds);
}

void TracingPlatform::PumpEvents() {
  inner_.PumpEvents();
}

bool TracingPlatform::QuitRequested() {
  return inner_.QuitRequested();
}

double TracingPlatform::Clock() {
  return inner_.Clock();
}

void TracingPlatform::WaitForEvent(double seconds) {
  inner_.WaitForEvent(seconds);
}

void TracingPlatform::Sleep(double seconds) {
  inner_.Sleep(seconds);
}

void TracingPlatform::WaitEnded(std::string_view kind, double seconds, bool held) {
  char took[32];
  std::snprintf(took, sizeof took, "%.1f ms", seconds * 1000.0);
  std::string ending = held ? "held" : "ran its length";
  if (inner_.QuitRequested())
    ending = "ended by the quit request";
  else if (!held && kind != "pause")
    ending = "gave up";
  Line(std::string(kind) + " " + took + ", " + ending);
}

}  // namespace velto::host
