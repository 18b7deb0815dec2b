// Text tools and text art.
#include <velto/library/text_art.h>
#include <velto/library/text_tools.h>

#include <cstdio>

#include "routine_table.h"

namespace velto_run {
namespace {

namespace library = velto::library;

Routine Edit(std::string name, std::string (*routine)(std::string&)) {
  return {std::move(name), {"text"}, [routine](Session& s, Arguments& a) {
            std::string text = a.Text(0);
            Print(s, routine(text));
          }};
}

Routine Transform(std::string name, std::string (*routine)(std::string_view)) {
  return {std::move(name), {"text"}, [routine](Session& s, Arguments& a) {
            Print(s, routine(a.Text(0)));
          }};
}

void AddArtRoutines(Routines& routines) {
  using Style = std::string (*)(std::string&);
  static constexpr Style kStyles[] = {
      library::ArtStyle01, library::ArtStyle02, library::ArtStyle03, library::ArtStyle04,
      library::ArtStyle05, library::ArtStyle06, library::ArtStyle07, library::ArtStyle08,
      library::ArtStyle09, library::ArtStyle10, library::ArtStyle11, library::ArtStyle12,
      library::ArtStyle13, library::ArtStyle14, library::ArtStyle15, library::ArtStyle16,
      library::ArtStyle17, library::ArtStyle18, library::ArtStyle19, library::ArtStyle20,
      library::ArtStyle21, library::ArtStyle22, library::ArtStyle23, library::ArtStyle24,
      library::ArtStyle25, library::ArtStyle26, library::ArtStyle27, library::ArtStyle28};
  int number = 1;
  for (const Style style : kStyles) {
    char name[16];
    std::snprintf(name, sizeof name, "ArtStyle%02d", number++);
    routines.push_back(Edit(name, style));
  }
  routines.push_back(Transform("MirrorArt", library::MirrorArt));
  routines.push_back({"FlipArt", {"text"}, [](Session& s, Arguments& a) {
                        std::string text = a.Text(0);
                        Print(s, library::FlipArt(s.platform, text));
                      }});
}

}  // namespace

void AddTextRoutines(Routines& routines) {
  routines.push_back({"ReplaceText", {"text", "find", "replacement"}, [](Session& s, Arguments& a) {
                        std::string text = a.Text(0);
                        Print(s, library::ReplaceText(text, a.Text(1), a.Text(2)));
                      }});
  routines.push_back({"SwapText", {"text", "first", "second"}, [](Session& s, Arguments& a) {
                        std::string text = a.Text(0);
                        Print(s, library::SwapText(text, a.Text(1), a.Text(2)));
                      }});
  routines.push_back(Transform("ReverseText", library::ReverseText));
  routines.push_back({"CharAt", {"text", "#position"}, [](Session& s, Arguments& a) {
                        Print(s, library::CharAt(a.Text(0), a.Number(1)));
                      }});
  routines.push_back(Transform("DoubleLetters", library::DoubleLetters));
  routines.push_back({"CountLines", {"text"}, [](Session& s, Arguments& a) {
                        Print(s, library::CountLines(a.Text(0)));
                      }});
  routines.push_back({"GetLine", {"text", "#n"}, [](Session& s, Arguments& a) {
                        Print(s, library::GetLine(a.Text(0), a.Number(1)));
                      }});
  routines.push_back(Edit("RemoveSpaces", library::RemoveSpaces));
  routines.push_back(NeedsOwnWindow("ListItemsToText", {"#list"}));
  routines.push_back(Transform("DoubleLettersLines", library::DoubleLettersLines));
  routines.push_back(Edit("IndentLines", library::IndentLines));
  routines.push_back(Edit("UnindentLines", library::UnindentLines));
  AddArtRoutines(routines);
}

}  // namespace velto_run
