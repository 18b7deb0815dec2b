#include "library/text_art.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "host/utf8.h"
#include "library/text_lines.h"
#include "library/text_search.h"

namespace velto::library {
namespace {

using host::DecodeUtf8;
using host::EncodeUtf8;

struct Substitution {
  std::u32string_view find;
  std::u32string_view replacement;
};

std::string Restyle(std::string& text, std::initializer_list<Substitution> substitutions) {
  std::u32string art = DecodeUtf8(text);
  for (const Substitution& s : substitutions) art = ReplaceIgnoringCase(art, s.find, s.replacement);
  text = EncodeUtf8(art);
  return text;
}

// Partners a mirror exchanges, in the order they are exchanged.
constexpr std::pair<std::u32string_view, std::u32string_view> kMirrorPartners[] = {
    {U"/", U"\\"}, {U"[", U"]"}, {U"{", U"}"}, {U"(", U")"},
    {U"«", U"»"},  {U"‹", U"›"}, {U"<", U">"},
};

std::u32string Reversed(std::u32string line) {
  std::reverse(line.begin(), line.end());
  return line;
}

// The lines from last to first, running the event pump once per pass. `lines` ends with
// the empty line after the appended break; that one is left out, and the last pass adds
// an empty line instead.
std::vector<std::u32string> LinesUpsideDown(host::Platform& platform,
                                            std::vector<std::u32string> lines) {
  std::vector<std::u32string> upsideDown;
  upsideDown.reserve(lines.size());
  for (std::size_t k = lines.size(); k-- > 0;) {
    platform.PumpEvents();
    upsideDown.push_back(k >= 1 ? std::move(lines[k - 1]) : std::u32string());
  }
  return upsideDown;
}

std::u32string HighAndLowExchanged(std::u32string art) {
  art = SwapStrings(art, U"/", U"\\");
  art = SwapStrings(art, U"_", U"¯");
  art = SwapStrings(art, U"'", U",");
  art = ReplaceIgnoringCase(art, U",,", U",");
  art = ReplaceIgnoringCase(art, U"`", U",");
  art = SwapStrings(art, U"´", U".");
  art = ReplaceIgnoringCase(art, U"‘", U".");
  art = ReplaceIgnoringCase(art, U"’", U",");
  art = SwapStrings(art, U"¸", U"ˆ");
  art = SwapStrings(art, U"\"", U"„");
  return art;
}

}  // namespace

std::string ArtStyle01(std::string& text) {
  return Restyle(text, {{U"|", U"¦"}});
}

std::string ArtStyle02(std::string& text) {
  return Restyle(text, {{U"___", U"_')\\."}});
}

std::string ArtStyle03(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"º°°°'"}});
}

std::string ArtStyle04(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"`**¯"}});
}

std::string ArtStyle05(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"`'¯`“"}});
}

std::string ArtStyle06(std::string& text) {
  return Restyle(text, {{U"___", U"¸¡¸¡¸¡"}});
}

std::string ArtStyle07(std::string& text) {
  return Restyle(text, {{U"___", U"-‚„‚¸‚"}});
}

std::string ArtStyle08(std::string& text) {
  return Restyle(text, {{U"___", U"î,î,î,"}});
}

std::string ArtStyle09(std::string& text) {
  return Restyle(text, {{U"¯¯¯¯", U"¯`v´¯"}});
}

std::string ArtStyle10(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"ª‘ª‘ª‘"}});
}

std::string ArtStyle11(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"°'°'°'"}});
}

std::string ArtStyle12(std::string& text) {
  return Restyle(text, {{U"___", U"¸‚¸‚¸‚"}});
}

std::string ArtStyle13(std::string& text) {
  return Restyle(text, {{U"¯¯¯", U"”‘”‘”‘"}});
}

std::string ArtStyle14(std::string& text) {
  return Restyle(text, {{U"¯¯¯¯¯", U"¯\\,/¯'v'"}});
}

std::string ArtStyle15(std::string& text) {
  return Restyle(text, {{U"\\", U"}"}, {U"/", U"{"}});
}

std::string ArtStyle16(std::string& text) {
  return Restyle(text, {{U"\\", U")"}, {U"/", U"("}});
}

std::string ArtStyle17(std::string& text) {
  return Restyle(text, {{U"\\", U"]"}, {U"/", U"["}});
}

std::string ArtStyle18(std::string& text) {
  return Restyle(text, {{U" |", U";|"}, {U"| ", U"|;"}});
}

std::string ArtStyle19(std::string& text) {
  return Restyle(text, {{U"|¯¯", U"|'˜¯"}, {U"¦¯¯", U"¦'˜¯"}});
}

std::string ArtStyle20(std::string& text) {
  return Restyle(text, {{U"¯¯¯¯¯¯", U"¯\\(¯)/\"¯"}});
}

std::string ArtStyle21(std::string& text) {
  return Restyle(text, {{U"   |", U"-=|"}, {U"|   ", U"|=-"}});
}

std::string ArtStyle22(std::string& text) {
  return Restyle(text, {{U"      |", U"--^v^|"}, {U"|      ", U"|^v^--"}});
}

std::string ArtStyle23(std::string& text) {
  return Restyle(text, {{U"¦", U"|"}, {U",´", U"/ "}, {U"`,", U" \\"}, {U":", U";"}});
}

std::string ArtStyle24(std::string& text) {
  return Restyle(text, {{U"/ ", U",´"}, {U"\\ ", U"`,"}, {U" /", U",´"}, {U" \\", U"`,"}});
}

std::string ArtStyle25(std::string& text) {
  return Restyle(
      text,
      {{U"}", U"\\"}, {U"{", U"/"}, {U"]", U"\\"}, {U"[", U"/"}, {U")", U"\\"}, {U"(", U"/"}});
}

std::string ArtStyle26(std::string& text) {
  return Restyle(
      text,
      {{U"¯", U"¨¨"}, {U"/", U".·"}, {U"\\", U"·."}, {U"|", U":"}, {U"_", U".."}, {U"¦", U":"}});
}

std::string ArtStyle27(std::string& text) {
  return Restyle(text, {{U"|", U"¦"},
                        {U"/ ", U",´"},
                        {U"\\ ", U"`,"},
                        {U" /", U",´"},
                        {U" \\", U"`,"},
                        {U";", U":"}});
}

// Shading before the strokes: three, two or one blank before a stroke become a fading
// edge, widest first so a narrower rule never cuts into a wider one.
std::string ArtStyle28(std::string& text) {
  return Restyle(text, {{U"|", U"¦"},
                        {U"   ¦", U".:;¦"},
                        {U"  ¦", U":;¦"},
                        {U" ¦", U";¦"},
                        {U"   /", U".:;/"},
                        {U"  /", U":;/"},
                        {U" /", U";/"},
                        {U"   \\", U".:;\\"},
                        {U"  \\", U":;\\"},
                        {U" \\", U";\\"},
                        {U"   '", U".:;'"},
                        {U"  '", U":;'"},
                        {U" '", U";'"}});
}

std::string MirrorArt(std::string_view text) {
  if (text.empty())
    return {};
  std::u32string art = TransformLines(DecodeUtf8(text), Reversed);
  for (const auto& [one, other] : kMirrorPartners) art = SwapStrings(art, one, other);
  return EncodeUtf8(art);
}

std::string FlipArt(host::Platform& platform, std::string& text) {
  if (text.empty())
    return text;
  const std::vector<std::u32string> upsideDown =
      LinesUpsideDown(platform, LinesWithBreakAppended(DecodeUtf8(text)));
  text = EncodeUtf8(HighAndLowExchanged(
      DropLast(JoinWithBreakAfterEach(upsideDown), kBreaksAroundEmptyLastLine)));
  return text;
}

}  // namespace velto::library
