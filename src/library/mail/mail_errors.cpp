#include "library/mail/mail_errors.h"

#include <algorithm>

#include "host/host_names.h"
#include "host/utf8.h"
#include "host/window_search.h"
#include "library/mail/internal/marker_walk.h"
#include "library/text/text_tools.h"
#include "library/windows/primitives.h"

namespace velto::library {
namespace {

constexpr std::string_view kErrorCaption = host::host_caption::kMailError;
constexpr int kHeadingLines = 2;
constexpr char32_t kNameEnd = U'-';

std::string ErrorText(host::Platform& platform) {
  const host::WindowHandle view =
      host::FindChild(platform, FindMailErrorWindow(platform), host::host_class::kView);
  return view ? GetControlText(platform, view) : std::string();
}

int CountNames(const std::string& errorText) {
  return std::max(0, CountLines(errorText) - kHeadingLines);
}

}  // namespace

host::WindowHandle FindMailErrorWindow(host::Platform& platform) {
  return FindCaptionedHostChild(platform, kErrorCaption);
}

int CountMailErrors(host::Platform& platform) {
  return CountNames(ErrorText(platform));
}

std::string MailErrorName(host::Platform& platform, int n) {
  const std::string text = ErrorText(platform);
  if (n > CountNames(text))
    return {};
  const std::u32string line = host::DecodeUtf8(GetLine(text, n + kHeadingLines));
  const std::size_t dash = line.find(kNameEnd);
  // The host puts one blank between the name and the "-".
  if (dash == std::u32string::npos || dash == 0)
    return {};
  return host::EncodeUtf8(line.substr(0, dash - 1));
}

}  // namespace velto::library
