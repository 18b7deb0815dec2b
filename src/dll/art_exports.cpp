// Text art, as velto.h declares it.
#include "dll/dll_boundary.h"
#include "dll/velto.h"
#include "library/text/text_art.h"

namespace dll = velto::dll;
namespace library = velto::library;

// Every style is the same export over its own routine: the text edited in place, and
// the result beside it.
#define VELTO_ART_STYLE(n)                                                             \
  int VELTO_CALL velto_ArtStyle##n(VELTO_CHAR* text, int textSize, VELTO_CHAR* result, \
                                   int resultSize) {                                   \
    return dll::Call([&]() {                                                           \
      const dll::Output output(result, resultSize);                                    \
      dll::InOut edited(text, textSize);                                               \
      return dll::PutBoth(edited, output, library::ArtStyle##n(edited.text));          \
    });                                                                                \
  }

// clang-format off
VELTO_ART_STYLE(01) VELTO_ART_STYLE(02) VELTO_ART_STYLE(03) VELTO_ART_STYLE(04)
VELTO_ART_STYLE(05) VELTO_ART_STYLE(06) VELTO_ART_STYLE(07) VELTO_ART_STYLE(08)
VELTO_ART_STYLE(09) VELTO_ART_STYLE(10) VELTO_ART_STYLE(11) VELTO_ART_STYLE(12)
VELTO_ART_STYLE(13) VELTO_ART_STYLE(14) VELTO_ART_STYLE(15) VELTO_ART_STYLE(16)
VELTO_ART_STYLE(17) VELTO_ART_STYLE(18) VELTO_ART_STYLE(19) VELTO_ART_STYLE(20)
VELTO_ART_STYLE(21) VELTO_ART_STYLE(22) VELTO_ART_STYLE(23) VELTO_ART_STYLE(24)
VELTO_ART_STYLE(25) VELTO_ART_STYLE(26) VELTO_ART_STYLE(27) VELTO_ART_STYLE(28)
// clang-format on

#undef VELTO_ART_STYLE

                            int VELTO_CALL
    velto_MirrorArt(const VELTO_CHAR* text, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::MirrorArt(dll::Text(text)));
  });
}
