#pragma once

#include <windows.h>

#include <string>

namespace velto::standin {

// Windows gives the stand-in its command line and takes file names in UTF-16; inside, text
// is UTF-8.
inline std::string Utf8FromWide(const wchar_t* wide) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

inline std::wstring WideFromUtf8(const std::string& utf8) {
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), size);
  text.resize(text.size() - 1);
  return text;
}

}  // namespace velto::standin
