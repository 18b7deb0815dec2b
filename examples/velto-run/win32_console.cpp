#include "win32_console.h"

#include <windows.h>

#include <shellapi.h>

namespace velto_run {
namespace {

std::string Utf8Of(const wchar_t* wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1)
    return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
  utf8.pop_back();  // the NUL
  return utf8;
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; arguments && i < count; ++i) result.push_back(Utf8Of(arguments[i]));
  LocalFree(arguments);
  return result;
}

void UseUtf8Console() {
  SetConsoleOutputCP(CP_UTF8);
}

}  // namespace velto_run
