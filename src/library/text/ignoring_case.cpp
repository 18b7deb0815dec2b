#include "library/text/internal/ignoring_case.h"

#include "host/utf8.h"
#include "library/text/internal/case_fold.h"

namespace velto::library {
namespace {

std::u32string Folded(std::string_view text) {
  return FoldCase(host::DecodeUtf8(text));
}

}  // namespace

std::string LowerCase(std::string_view text) {
  return host::EncodeUtf8(Folded(text));
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  return Folded(text).find(Folded(part)) != std::u32string::npos;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return Folded(a) == Folded(b);
}

}  // namespace velto::library
