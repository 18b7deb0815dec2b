#pragma once

namespace velto::host {

// How a call of a host routine or a library routine ended. What the routine returns
// stays its answer; the outcome says why it did no more, for a caller that asks.
enum class Outcome {
  kDone,              // the routine did its work (whatever its answer)
  kNothingToActOn,    // no host, or no window of the kind the routine needs
  kHostDidNotAnswer,  // a message failed: its window went, or the host hung past the bound
  kTimedOut,          // a wait reached its bound
  kQuitRequested,     // the program was asked to quit, so the routine stopped
  kBadArgument,       // an argument the routine cannot take (the DLL's checks)
  kFailed,            // an unexpected error, or a file that could not be read or written
};

// The outcome's name as a caller reads it: "done", "nothing to act on", ... Known while
// compiling, so that the DLL's UTF-16 copies are made from these.
constexpr const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::kDone:
      return "done";
    case Outcome::kNothingToActOn:
      return "nothing to act on";
    case Outcome::kHostDidNotAnswer:
      return "the host did not answer";
    case Outcome::kTimedOut:
      return "timed out";
    case Outcome::kQuitRequested:
      return "quit requested";
    case Outcome::kBadArgument:
      return "bad argument";
    case Outcome::kFailed:
      return "failed";
  }
  return "failed";
}

// The outcome of the calls made on one platform object. Only the few places that know
// how a step ended tell it (the sends, the waits, the finders of host windows, the file
// services); a routine stops at the step that fails, so the latest word is the reason.
// The rules that make that true:
//  - a step that went well (a send answered, a window found, a wait that held) only
//    clears "nothing to act on", which a routine meets when a window it merely looked
//    for is not there, and never hides a failure met earlier in the same call;
//  - once the program is asked to quit, every outcome is "quit requested".
class OutcomeRecord {
 public:
  // A caller starts each call's record afresh, then reads Last() after it.
  void Begin() { outcome_ = Outcome::kDone; }
  Outcome Last() const { return outcome_; }

  void Record(Outcome outcome);

  // Steps whose ending is no sign of how the call went (a pause, a wait that may well
  // run out before the routine goes on) are made quietly: nothing they tell is recorded.
  class Quiet {
   public:
    explicit Quiet(OutcomeRecord& record) : record_(record) { ++record_.quietDepth_; }
    ~Quiet() { --record_.quietDepth_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

   private:
    OutcomeRecord& record_;
  };

 private:
  Outcome outcome_ = Outcome::kDone;
  int quietDepth_ = 0;
};

}  // namespace velto::host
