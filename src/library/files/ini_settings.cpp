#include "host/utf8.h"
#include "library/files/files_and_settings.h"
#include "library/text/internal/case_fold.h"

namespace velto::library {
namespace {

// ReadIniValue's buffer, in characters with the terminating NUL: values come back cut
// to one character less.
constexpr int kIniValueBufferSize = 750;

std::string ToUpperCase(const std::string& text) {
  std::u32string characters = host::DecodeUtf8(text);
  for (char32_t& c : characters) c = RaiseCase(c);
  return host::EncodeUtf8(characters);
}

std::string ToLowerCase(const std::string& text) {
  return host::EncodeUtf8(FoldCase(host::DecodeUtf8(text)));
}

}  // namespace

void WriteIniValue(FileServices& files, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file) {
  files.Told(files.WritePrivateProfileStringA(section, ToUpperCase(key), value, file));
}

std::string ReadIniValue(FileServices& files, const std::string& section, std::string& key,
                         const std::string& file) {
  key = ToLowerCase(key);
  std::string value;
  files.GetPrivateProfileStringA(section, key, "", value, kIniValueBufferSize, file);
  return value;
}

}  // namespace velto::library
