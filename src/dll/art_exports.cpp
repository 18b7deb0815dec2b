// Text art, as velto.h declares it.
#include "dll/dll_boundary.h"
#include "dll/velto.h"
#include "library/text/text_art.h"

namespace dll = velto::dll;
namespace library = velto::library;

int VELTO_CALL velto_ArtStyle01(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle01(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle02(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle02(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle03(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle03(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle04(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle04(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle05(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle05(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle06(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle06(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle07(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle07(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle08(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle08(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle09(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle09(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle10(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle10(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle11(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle11(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle12(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle12(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle13(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle13(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle14(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle14(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle15(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle15(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle16(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle16(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle17(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle17(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle18(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle18(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle19(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle19(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle20(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle20(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle21(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle21(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle22(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle22(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle23(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle23(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle24(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle24(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle25(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle25(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle26(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle26(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle27(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle27(edited.text));
  });
}

int VELTO_CALL velto_ArtStyle28(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    dll::InOut edited(text, textSize);
    return dll::PutBoth(edited, output, library::ArtStyle28(edited.text));
  });
}

int VELTO_CALL velto_MirrorArt(const VELTO_CHAR* text, VELTO_CHAR* result, int resultSize) {
  return dll::Call([&]() {
    const dll::Output output(result, resultSize);
    return output.Put(library::MirrorArt(dll::Text(text)));
  });
}
