// velto-run.exe: runs one routine of the Velto library, or a host routine, by its name
// against the running host, and prints its result.
//
//   velto-run <routine> [arguments...]    e.g. velto-run ReplaceText abc b X  (prints aXc)
//   velto-run --list                      every routine with its arguments
//
// Exit status: 0 when the routine ran; 1 when it needs one of the calling program's own
// windows or controls, which velto-run does not have; 2 for an unknown routine, a wrong
// number of arguments or a number argument that is not one.
#include <velto/host/win32_platform.h>
#include <velto/library/win32_file_services.h>

#include <cstdio>
#include <string>
#include <vector>

#include "routine_table.h"
#include "win32_console.h"

namespace velto_run {
namespace {

constexpr int kRan = 0;
constexpr int kNeedsOwnWindow = 1;
constexpr int kUsage = 2;

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
  return kUsage;
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
  }
  return {};
}

int Run(const std::vector<std::string>& commandLine) {
  if (commandLine.empty())
    return Usage("no routine named");
  if (commandLine[0] == "--list")
    return commandLine.size() == 1 ? List() : Usage("--list takes no arguments");
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
    return kNeedsOwnWindow;
  }
  velto::host::Win32Platform platform;
  velto::library::Win32FileServices files;
  Session session{platform, files, {}};
  Arguments arguments(values);
  routine->run(session, arguments);
  for (const std::string& line : session.output) WriteLine(stdout, line);
  return kRan;
}

}  // namespace
}  // namespace velto_run

int main() {
  velto_run::UseUtf8Console();
  return velto_run::Run(velto_run::CommandLineArguments());
}
