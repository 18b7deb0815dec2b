#pragma once

#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "dll/velto.h"
#include "host/outcome.h"

// What every export of velto.dll does at the boundary: text from UTF-16 to the library's
// UTF-8 and back into the caller's buffers, the checks of the arguments, and the results
// (flags, counts, errors) as velto.h describes them. Nothing here knows Win32.
namespace velto::dll {

// Thrown while an export reads an argument it cannot take; the export then returns
// VELTO_BAD_ARGUMENT before anything reaches the host.
struct BadArgument {};

// The caller's NUL-terminated UTF-16 text as UTF-8; an unpaired surrogate reads as U+FFFD.
std::string Text(const VELTO_CHAR* text);

// The caller's buffer for a text result.
class Output {
 public:
  Output(VELTO_CHAR* buffer, int size);
  // Writes the text when it fits, else leaves the buffer empty; the length it needs.
  int Put(std::string_view utf8) const;
  bool Fits(std::size_t length) const { return length < static_cast<std::size_t>(size_); }
  void Write(const std::u16string& text) const;
  void Clear() const;

 private:
  VELTO_CHAR* buffer_;
  int size_;
};

// A text argument the routine changes: read from the caller's buffer, written back to it.
class InOut {
 public:
  InOut(VELTO_CHAR* buffer, int size);
  // Writes the text back when it fits, else leaves the caller's text as it was; the
  // length it needs.
  int Put() const;

  std::string text;
  const Output buffer_;
};

// Writes the changed text and the result only when both fit; the larger length needed.
int PutBoth(const InOut& edited, const Output& output, std::string_view result);

// The outcome of the calling thread's last call, for velto_LastOutcome: each thread has
// its own, so a call on one thread never answers for another's.
void KeepOutcome(host::Outcome outcome);
host::Outcome KeptOutcome();

// A library flag (kTrue or kFalse, as an int) as the bool the boundary answers with.
inline bool AsFlag(int flag) {
  return flag != 0;
}

// Runs an export's body: a routine without a result gives VELTO_DONE, a bool the flags
// -1 and 0, an enumeration its value; no exception leaves. A bad argument or a failure
// is kept as the call's outcome, and is never answered as true: a flag gives
// VELTO_FALSE then, anything else VELTO_BAD_ARGUMENT or VELTO_FAILED.
template <typename Body>
int Call(Body body) noexcept {
  using Result = decltype(body());
  constexpr bool kFlag = std::is_same_v<Result, bool>;
  KeepOutcome(host::Outcome::kDone);
  try {
    if constexpr (std::is_void_v<Result>) {
      body();
      return VELTO_DONE;
    } else if constexpr (kFlag) {
      return body() ? VELTO_TRUE : VELTO_FALSE;
    } else {
      return static_cast<int>(body());
    }
  } catch (const BadArgument&) {
    KeepOutcome(host::Outcome::kBadArgument);
    return kFlag ? VELTO_FALSE : VELTO_BAD_ARGUMENT;
  } catch (...) {
    KeepOutcome(host::Outcome::kFailed);
    return kFlag ? VELTO_FALSE : VELTO_FAILED;
  }
}

// ---- The exports the build writes from velto.h ----
// Most exports are made from their declaration in velto.h: each passes the caller's
// arguments as they came (a buffer with its size, a window, wrapped as below) to Export,
// which reads them as the library routine's parameters want them, runs the routine and
// answers as velto.h describes.

// A text buffer the routine edits, and the buffer of a text result, as the caller gave them.
struct EditedText {
  VELTO_CHAR* buffer;
  int size;
};
struct ResultText {
  VELTO_CHAR* buffer;
  int size;
};

// An argument as the call holds it while the routine runs: texts converted (a bad one
// throws BadArgument, inside the call).
inline std::string Hold(const VELTO_CHAR* text) {
  return Text(text);
}
inline int Hold(int number) {
  return number;
}
inline InOut Hold(EditedText edited) {
  return InOut(edited.buffer, edited.size);
}

// A held argument as the routine's parameter.
inline const std::string& Pass(const std::string& text) {
  return text;
}
inline std::string& Pass(InOut& edited) {
  return edited.text;
}
inline int Pass(int number) {
  return number;
}

template <typename... Held>
constexpr bool kEdits = (std::is_same_v<Held, InOut> || ...);

// Runs `routine` on the held arguments; what the export answers before its result text:
// an edited text is written back, and a routine that gives nothing else answers its length.
template <typename Routine, typename... Arguments>
auto RunHeld(Routine routine, Arguments... arguments) {
  std::tuple<decltype(Hold(arguments))...> held{Hold(arguments)...};
  auto run = [&] {
    return std::apply([&](auto&... each) { return routine(Pass(each)...); }, held);
  };
  using Result = decltype(run());
  if constexpr (kEdits<decltype(Hold(arguments))...> && std::is_void_v<Result>) {
    run();
    return std::get<InOut>(held).Put();
  } else {
    return run();
  }
}

// ... for a routine whose result is a text, written into the caller's result buffer
// (beside the edited text, when there is one: both or neither).
template <typename Routine, typename... Arguments>
int RunHeldForText(ResultText result, Routine routine, Arguments... arguments) {
  const Output output(result.buffer, result.size);
  std::tuple<decltype(Hold(arguments))...> held{Hold(arguments)...};
  const std::string text = std::apply([&](auto&... each) { return routine(Pass(each)...); }, held);
  if constexpr (kEdits<decltype(Hold(arguments))...>)
    return PutBoth(std::get<InOut>(held), output, text);
  else
    return output.Put(text);
}

// The exports of routines that need neither the host nor the caller's windows.
template <typename Routine, typename... Arguments>
int Export(Routine routine, Arguments... arguments) noexcept {
  return Call([&] { return RunHeld(routine, arguments...); });
}
template <typename Routine, typename... Arguments>
int ExportText(ResultText result, Routine routine, Arguments... arguments) noexcept {
  return Call([&] { return RunHeldForText(result, routine, arguments...); });
}

}  // namespace velto::dll
