#include "standin/standin_command_line.h"

#include <optional>
#include <string_view>

namespace velto::standin {
namespace {

std::optional<std::string> ValueOf(std::string_view argument, std::string_view option) {
  if (argument.substr(0, option.size()) != option)
    return std::nullopt;
  return std::string(argument.substr(option.size()));
}

std::optional<InstantMessageAnswer> AnswerNamed(const std::string& name) {
  if (name == "close")
    return InstantMessageAnswer::kCloseWindow;
  if (name == "box")
    return InstantMessageAnswer::kMessageBox;
  if (name == "never")
    return InstantMessageAnswer::kNeverOpen;
  if (name == "silent")
    return InstantMessageAnswer::kNeverAnswer;
  return std::nullopt;
}

// The names between the commas, each as given; none in an empty text.
std::vector<std::string> CommaSeparated(const std::string& text) {
  std::vector<std::string> names;
  if (text.empty())
    return names;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    names.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos)
      return names;
    start = comma + 1;
  }
}

std::optional<double> NumberAfter(std::string_view order, std::string_view name) {
  const std::optional<std::string> digits = ValueOf(order, name);
  if (!digits || digits->empty() || digits->find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stod(*digits);
}

}  // namespace

std::optional<MisbehaviourOrder> ParseMisbehaviour(std::string_view order) {
  constexpr double kMillisecondsPerSecond = 1000.0;
  if (const auto seconds = NumberAfter(order, "hang:"))
    return MisbehaviourOrder{Misbehaviour::kHang, *seconds};
  if (const auto milliseconds = NumberAfter(order, "slow:"))
    return MisbehaviourOrder{Misbehaviour::kSlowAnswers, *milliseconds / kMillisecondsPerSecond};
  if (order == "close-room")
    return MisbehaviourOrder{Misbehaviour::kCloseRoomWhenUsed};
  if (order == "close-im")
    return MisbehaviourOrder{Misbehaviour::kCloseImWhenUsed};
  if (order == "never-open-im")
    return MisbehaviourOrder{Misbehaviour::kNeverOpenIm};
  if (order == "quit")
    return MisbehaviourOrder{Misbehaviour::kQuit};
  if (order == "behave")
    return MisbehaviourOrder{Misbehaviour::kNone};
  return std::nullopt;
}

ParsedCommandLine ParseStandinCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  StandinSettings& settings = parsed.settings;
  for (const std::string& argument : arguments) {
    if (const auto answer = ValueOf(argument, "--im=")) {
      const auto chosen = AnswerNamed(*answer);
      if (!chosen) {
        parsed.error = "unknown instant-message answer: " + *answer;
        return parsed;
      }
      settings.options.instantMessageAnswer = *chosen;
    } else if (const auto name = ValueOf(argument, "--name=")) {
      settings.options.screenName = *name;
    } else if (const auto room = ValueOf(argument, "--room=")) {
      settings.options.roomName = *room;
    } else if (const auto decoy = ValueOf(argument, "--decoy-room=")) {
      settings.options.decoyRoomName = *decoy;
    } else if (const auto people = ValueOf(argument, "--people=")) {
      settings.people = CommaSeparated(*people);
    } else if (const auto path = ValueOf(argument, "--log=")) {
      settings.logPath = *path;
    } else if (const auto order = ValueOf(argument, "--misbehave=")) {
      const auto parsedOrder = ParseMisbehaviour(*order);
      if (!parsedOrder) {
        parsed.error = "unknown misbehaviour: " + *order;
        return parsed;
      }
      settings.options.misbehaviour = *parsedOrder;
    } else if (const auto control = ValueOf(argument, "--control=")) {
      settings.controlPath = *control;
    } else if (argument == "--echo") {
      settings.echo = true;
    } else if (argument == "--sample-mail") {
      settings.sampleMail = true;
    } else {
      parsed.error = "unknown argument: " + argument;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace velto::standin
