#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "standin/standin_host.h"

namespace velto::standin {

// What standin-host.exe is asked to do.
struct StandinSettings {
  StandinOptions options;
  std::string logPath;  // UTF-8; empty: no log
  bool echo = false;    // the log's records also go to standard output
  // The people in the chat room, in list order; empty: the user alone.
  std::vector<std::string> people;
  // A file the program watches for misbehaviour orders, one a line; empty: none.
  std::string controlPath;
  // The mailbox and filed mail open with sample mail at start.
  bool sampleMail = false;
};

struct ParsedCommandLine {
  StandinSettings settings;
  std::string error;  // empty when every argument was understood
};

inline constexpr const char* kStandinUsage =
    "usage: standin-host [--im=close|box|never|silent] [--name=<screen name>]\n"
    "                    [--room=<room name>] [--decoy-room=<room name>]\n"
    "                    [--people=<name>,<name>...]\n"
    "                    [--log=<path>] [--echo]\n"
    "                    [--misbehave=<order>] [--control=<path>] [--sample-mail]\n"
    "orders: hang:<seconds> slow:<milliseconds> close-room close-im never-open-im\n"
    "        quit behave; in the control file also sample-mail mail-error\n";

// One misbehaviour order, as the command line and the control file give it.
std::optional<MisbehaviourOrder> ParseMisbehaviour(std::string_view order);

// Reads the arguments after the program's name (UTF-8).
ParsedCommandLine ParseStandinCommandLine(const std::vector<std::string>& arguments);

}  // namespace velto::standin
