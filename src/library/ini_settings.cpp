#include "host/utf8.h"
#include "library/case_fold.h"
#include "library/files_and_settings.h"

namespace velto::library {
namespace {

// ReadIniValue's buffer, in characters with the terminating NUL: values come back cut
// to one character less.
constexpr int kIniValueBufferSize = 750;

// The capital of a Windows-1252 small letter, the inverse of FoldCase; ß, µ and the
// letters outside Windows-1252 stay as they are.
char32_t UpperCase(char32_t c) {
  constexpr char32_t kCaseDistance = U'a' - U'A';
  constexpr char32_t kDivisionSign = U'÷';  // sits among the Latin-1 small letters
  if ((c >= U'a' && c <= U'z') || (c >= U'à' && c <= U'þ' && c != kDivisionSign))
    return c - kCaseDistance;
  switch (c) {
    case U'š':
      return U'Š';
    case U'œ':
      return U'Œ';
    case U'ž':
      return U'Ž';
    case U'ÿ':
      return U'Ÿ';
    default:
      return c;
  }
}

std::string ToUpperCase(const std::string& text) {
  std::u32string characters = host::DecodeUtf8(text);
  for (char32_t& c : characters) c = UpperCase(c);
  return host::EncodeUtf8(characters);
}

std::string ToLowerCase(const std::string& text) {
  return host::EncodeUtf8(FoldCase(host::DecodeUtf8(text)));
}

}  // namespace

void WriteIniValue(host::FileServices& files, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file) {
  files.WritePrivateProfileStringA(section, ToUpperCase(key), value, file);
}

std::string ReadIniValue(host::FileServices& files, const std::string& section, std::string& key,
                         const std::string& file) {
  key = ToLowerCase(key);
  std::string value;
  files.GetPrivateProfileStringA(section, key, "", value, kIniValueBufferSize, file);
  return value;
}

}  // namespace velto::library
