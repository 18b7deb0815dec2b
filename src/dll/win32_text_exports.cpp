// The text routines that need a window or the platform.
#include "dll/velto.h"
#include "dll/win32_dll_boundary.h"
#include "library/text/text_art.h"
#include "library/text/text_tools.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_ListItemsToText(VELTO_WINDOW list, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    auto listControl = dll::ListOf(list);
    return output.Put(library::ListItemsToText(listControl));
  });
}

int VELTO_CALL velto_FlipArt(VELTO_CHAR* text, int textSize, VELTO_CHAR* result, int resultSize) {
  return dll::OnHost([&](dll::Session& session) {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::FlipArt(session.platform, edited.text));
  });
}
