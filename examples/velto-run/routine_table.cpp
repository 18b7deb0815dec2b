#include "routine_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace velto_run {

bool ParsesAsNumber(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && errno != ERANGE && value >= INT32_MIN &&
         value <= UINT32_MAX;
}

int Arguments::Number(std::size_t i) const {
  return static_cast<int>(std::strtoll(values_[i].c_str(), nullptr, 10));
}

velto::host::WindowHandle Arguments::Window(std::size_t i) const {
  return velto::host::WindowHandle{
      static_cast<std::uint32_t>(std::strtoll(values_[i].c_str(), nullptr, 10))};
}

const Routines& AllRoutines() {
  static const Routines routines = [] {
    Routines all;
    AddHostRoutines(all);
    AddWindowRoutines(all);
    AddChatRoutines(all);
    AddMailRoutines(all);
    AddFileRoutines(all);
    AddTextRoutines(all);
    return all;
  }();
  return routines;
}

const Routine* FindRoutine(const std::string& name) {
  const Routines& routines = AllRoutines();
  const auto found = std::find_if(routines.begin(), routines.end(),
                                  [&](const Routine& routine) { return routine.name == name; });
  return found == routines.end() ? nullptr : &*found;
}

void Print(Session& session, const std::string& text) {
  session.output.push_back(text);
}
void Print(Session& session, int number) {
  session.output.push_back(std::to_string(number));
}
void Print(Session& session, velto::host::WindowHandle window) {
  session.output.push_back(std::to_string(window.value()));
}

Routine Plain(std::string name, void (*routine)(velto::host::Platform&)) {
  return {std::move(name), {}, [routine](Session& s, Arguments&) { routine(s.platform); }};
}

Routine WithText(std::string name, std::string parameter,
                 void (*routine)(velto::host::Platform&, const std::string&)) {
  return {std::move(name), {std::move(parameter)}, [routine](Session& s, Arguments& a) {
            routine(s.platform, a.Text(0));
          }};
}

Routine Counting(std::string name, int (*routine)(velto::host::Platform&)) {
  return {
      std::move(name), {}, [routine](Session& s, Arguments&) { Print(s, routine(s.platform)); }};
}

Routine Reading(std::string name, std::string (*routine)(velto::host::Platform&)) {
  return {
      std::move(name), {}, [routine](Session& s, Arguments&) { Print(s, routine(s.platform)); }};
}

Routine Finding(std::string name, velto::host::WindowHandle (*routine)(velto::host::Platform&)) {
  return {
      std::move(name), {}, [routine](Session& s, Arguments&) { Print(s, routine(s.platform)); }};
}

Routine NeedsOwnWindow(std::string name, std::vector<std::string> parameters) {
  return Routine{std::move(name), std::move(parameters), {}};
}

}  // namespace velto_run
