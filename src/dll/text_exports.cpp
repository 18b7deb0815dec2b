// The text tools, as velto.h declares them.
#include "dll/dll_boundary.h"
#include "dll/velto.h"
#include "library/text/text_tools.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_ReplaceText(VELTO_CHAR* text, int textSize, const VELTO_CHAR* find,
                                 const VELTO_CHAR* replacement, VELTO_CHAR* result,
                                 int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output,
                        library::ReplaceText(edited.text, dll::Text(find), dll::Text(replacement)));
  });
}

int VELTO_CALL velto_SwapText(VELTO_CHAR* text, int textSize, const VELTO_CHAR* first,
                              const VELTO_CHAR* second, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output,
                        library::SwapText(edited.text, dll::Text(first), dll::Text(second)));
  });
}

int VELTO_CALL velto_ReverseText(const VELTO_CHAR* text, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::ReverseText(dll::Text(text)));
  });
}

int VELTO_CALL velto_CharAt(const VELTO_CHAR* text, int position, VELTO_CHAR* result,
                            int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::CharAt(dll::Text(text), position));
  });
}

int VELTO_CALL velto_DoubleLetters(const VELTO_CHAR* text, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::DoubleLetters(dll::Text(text)));
  });
}

int VELTO_CALL velto_CountLines(const VELTO_CHAR* text) {
  return dll::Call([&]() { return library::CountLines(dll::Text(text)); });
}

int VELTO_CALL velto_GetLine(const VELTO_CHAR* text, int n, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::GetLine(dll::Text(text), n));
  });
}

int VELTO_CALL velto_RemoveSpaces(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                  int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::RemoveSpaces(edited.text));
  });
}

int VELTO_CALL velto_DoubleLettersLines(const VELTO_CHAR* text, VELTO_CHAR* result,
                                        int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::DoubleLettersLines(dll::Text(text)));
  });
}

int VELTO_CALL velto_IndentLines(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                 int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::IndentLines(edited.text));
  });
}

int VELTO_CALL velto_UnindentLines(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                   int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::UnindentLines(edited.text));
  });
}
