#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <velto/host/platform.h>
#include <velto/host/window_handle.h>
#include <velto/library/file_services.h>
#include <velto/library/own_controls.h>

// The routines velto-run can run, as a table: name, arguments, and how to call it.
namespace velto_run {

// What a routine runs against, and where its results go (UTF-8 lines).
struct Session {
  velto::host::Platform& platform;
  velto::library::FileServices& files;
  std::vector<std::string> output;
};

// The command-line arguments after the routine's name, read as the routine needs them.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> values) : values_(std::move(values)) {}
  const std::string& Text(std::size_t i) const { return values_[i]; }
  // A number argument, checked by ParsesAsNumber before the routine runs.
  int Number(std::size_t i) const;
  velto::host::WindowHandle Window(std::size_t i) const;

 private:
  std::vector<std::string> values_;
};

// A whole decimal number that fits an int.
bool ParsesAsNumber(const std::string& text);

struct Routine {
  std::string name;
  // A parameter named with a leading '#' takes a decimal number (a window by its handle).
  std::vector<std::string> parameters;
  // Empty for a routine that needs one of the calling program's own windows or controls.
  std::function<void(Session&, Arguments&)> run;
};

using Routines = std::vector<Routine>;

// The families' tables.
void AddHostRoutines(Routines& routines);
void AddWindowRoutines(Routines& routines);
void AddChatRoutines(Routines& routines);
void AddMailRoutines(Routines& routines);
void AddFileRoutines(Routines& routines);
void AddTextRoutines(Routines& routines);

const Routines& AllRoutines();
const Routine* FindRoutine(const std::string& name);

// Results as velto-run prints them: numbers as the library returns them (flags -1 and 0),
// window handles as decimal numbers.
void Print(Session& session, const std::string& text);
void Print(Session& session, int number);
void Print(Session& session, velto::host::WindowHandle window);

// A list box or combo box whose items are printed, one a line, as the routine adds them.
class PrintedList : public velto::library::ListControl {
 public:
  explicit PrintedList(Session& session) : session_(session) {}
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Item(int index) const override { return items_[static_cast<std::size_t>(index)]; }
  void AddItem(const std::string& item) override {
    items_.push_back(item);
    session_.output.push_back(item);
  }

 private:
  Session& session_;
  std::vector<std::string> items_;
};

// A routine of the platform alone with no arguments and no result.
Routine Plain(std::string name, void (*routine)(velto::host::Platform&));
// ... and with one text argument.
Routine WithText(std::string name, std::string parameter,
                 void (*routine)(velto::host::Platform&, const std::string&));
// A routine of the platform alone with no arguments that gives a number, a text or a window.
Routine Counting(std::string name, int (*routine)(velto::host::Platform&));
Routine Reading(std::string name, std::string (*routine)(velto::host::Platform&));
Routine Finding(std::string name, velto::host::WindowHandle (*routine)(velto::host::Platform&));

// A routine that needs the program's own window or control, listed so --list shows it.
Routine NeedsOwnWindow(std::string name, std::vector<std::string> parameters);

}  // namespace velto_run
