// velto-run.exe: runs one routine of the Velto library, or a host routine, by its name
// against the running host, and prints its result.
//
//   velto-run <routine> [arguments...]    e.g. velto-run ReplaceText abc b X  (prints aXc)
//   velto-run --list                      every routine with its arguments
//   velto-run --tree                      the host's windows as the library reads them
//   velto-run --trace <routine> [args]    runs the routine and tells on standard error
//                                         every operation that reaches the host
//
// Exit status: how the routine's call ended (its outcome), named on standard error unless
// it is done:
//   0 done                      3 nothing to act on (no host, no window of its kind)
//   1 failed                    4 the host did not answer
//   2 usage or bad argument     5 timed out
//                               6 quit requested
// A usage answer is an unknown routine, a wrong number of arguments, a number argument
// that is not one, or a routine that needs one of the calling program's own windows or
// controls, which velto-run does not have.
#include <velto/host/tracing_platform.h>
#include <velto/host/win32_platform.h>
#include <velto/library/host_window_tree.h>
#include <velto/library/win32_file_services.h>

#include <cstdio>
#include <string>
#include <vector>

#include "routine_table.h"
#include "win32_console.h"
#include "win32_window_argument.h"

namespace velto_run {
namespace {

using velto::host::Outcome;

constexpr int kRan = 0;
constexpr int kUsage = 2;

int ExitStatusOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::kDone:
      return kRan;
    case Outcome::kFailed:
      return 1;
    case Outcome::kBadArgument:
      return kUsage;
    case Outcome::kNothingToActOn:
      return 3;
    case Outcome::kHostDidNotAnswer:
      return 4;
    case Outcome::kTimedOut:
      return 5;
    case Outcome::kQuitRequested:
      return 6;
  }
  return 1;
}

void WriteLine(std::FILE* stream, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);
}

// "<text> <#index>": a '#' marks a number.
std::string Signature(const Routine& routine) {
  std::string signature = routine.name;
  for (const std::string& parameter : routine.parameters) signature += " <" + parameter + ">";
  if (!routine.run)
    signature += "    (needs the program's own window or control)";
  return signature;
}

int Usage(const std::string& problem) {
  WriteLine(stderr, "velto-run: " + problem);
  WriteLine(stderr, "usage: velto-run <routine> [arguments...]");
  WriteLine(stderr, "       velto-run --list    (every routine and its arguments)");
  WriteLine(stderr, "       velto-run --tree    (the host's windows as the library reads them)");
  WriteLine(stderr, "       velto-run --trace <routine> [arguments...]");
  return kUsage;
}

int Tree() {
  velto::host::Win32Platform platform;
  platform.BeginCall();
  const std::string tree = velto::library::DescribeHostWindows(platform);
  std::fwrite(tree.data(), 1, tree.size(), stdout);
  if (tree.empty())
    WriteLine(stderr, "velto-run: no host is running: " +
                          std::string(velto::host::OutcomeName(platform.LastOutcome())));
  return ExitStatusOf(platform.LastOutcome());
}

int List() {
  for (const Routine& routine : AllRoutines()) WriteLine(stdout, Signature(routine));
  return kRan;
}

std::string BadArguments(const Routine& routine, const std::vector<std::string>& arguments) {
  if (arguments.size() != routine.parameters.size())
    return routine.name + " takes " + std::to_string(routine.parameters.size()) +
           " argument(s), not " + std::to_string(arguments.size()) + ": " + Signature(routine);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (routine.parameters[i][0] == '#' && !ParsesAsNumber(arguments[i]))
      return "the argument <" + routine.parameters[i] + "> of " + routine.name +
             " is a number, not \"" + arguments[i] + "\"";
    if (routine.parameters[i] == "#window" && routine.run && !NamesAWindow(arguments[i]))
      return "the argument <#window> of " + routine.name + ", " + arguments[i] +
             ", names no window: bad argument";
  }
  return {};
}

// Runs the routine on `platform`; its results go to standard output, its outcome to
// standard error unless it is done.
Outcome RunOn(velto::host::Platform& platform, const Routine& routine,
              const std::vector<std::string>& values) {
  velto::library::Win32FileServices files;
  Session session{platform, files, {}};
  Arguments arguments(values);
  platform.BeginCall();
  files.BeginCall();
  routine.run(session, arguments);
  for (const std::string& line : session.output) WriteLine(stdout, line);
  // A routine runs on the host or on the files; the one that had a word tells.
  const Outcome outcome = files.LastOutcomeWith(platform.LastOutcome());
  if (outcome != Outcome::kDone)
    WriteLine(stderr, "velto-run: " + routine.name + ": " + velto::host::OutcomeName(outcome));
  return outcome;
}

Outcome RunTraced(const Routine& routine, const std::vector<std::string>& values) {
  velto::host::Win32Platform platform;
  velto::host::TracingPlatform tracing(platform, [](const std::string& line) {
    WriteLine(stderr, line);
    std::fflush(stderr);
  });
  const Outcome outcome = RunOn(tracing, routine, values);
  tracing.Tell("outcome " + std::string(velto::host::OutcomeName(outcome)));
  return outcome;
}

int Run(std::vector<std::string> commandLine) {
  if (commandLine.empty())
    return Usage("no routine named");
  if (commandLine[0] == "--list")
    return commandLine.size() == 1 ? List() : Usage("--list takes no arguments");
  if (commandLine[0] == "--tree")
    return commandLine.size() == 1 ? Tree() : Usage("--tree takes no arguments");
  const bool traced = commandLine[0] == "--trace";
  if (traced)
    commandLine.erase(commandLine.begin());
  if (commandLine.empty())
    return Usage("--trace takes a routine");
  const Routine* routine = FindRoutine(commandLine[0]);
  if (!routine)
    return Usage("no routine named \"" + commandLine[0] + "\"; --list shows them");
  const std::vector<std::string> values(commandLine.begin() + 1, commandLine.end());
  if (const std::string problem = BadArguments(*routine, values); !problem.empty())
    return Usage(problem);
  if (!routine->run) {
    WriteLine(stderr, "velto-run: " + routine->name +
                          " needs one of the calling program's own windows or controls; "
                          "velto-run has none");
    return kUsage;
  }
  if (traced)
    return ExitStatusOf(RunTraced(*routine, values));
  velto::host::Win32Platform platform;
  return ExitStatusOf(RunOn(platform, *routine, values));
}

}  // namespace
}  // namespace velto_run

int main() {
  velto_run::UseUtf8Console();
  return velto_run::Run(velto_run::CommandLineArguments());
}
