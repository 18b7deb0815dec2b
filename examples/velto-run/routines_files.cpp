// Files and their attributes, settings in profile files, loading lists, sounds.
#include <velto/library/files_and_settings.h>

#include "routine_table.h"

namespace velto_run {
namespace {

namespace host = velto::host;
namespace library = velto::library;
using velto::library::FileServices;

Routine OnFile(std::string name, void (*routine)(FileServices&, const std::string&)) {
  return {std::move(name), {"path"}, [routine](Session& s, Arguments& a) {
            routine(s.files, a.Text(0));
          }};
}

Routine AskFile(std::string name, int (*routine)(FileServices&, const std::string&)) {
  return {std::move(name), {"path"}, [routine](Session& s, Arguments& a) {
            Print(s, routine(s.files, a.Text(0)));
          }};
}

// The text box LoadTextBox fills; its text is printed.
class PrintedTextBox : public library::TextBoxControl {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

void AddLoadRoutines(Routines& routines) {
  routines.push_back({"LoadTextBox", {"path"}, [](Session& s, Arguments& a) {
                        PrintedTextBox box;
                        library::LoadTextBox(s.files, box, a.Text(0));
                        Print(s, box.Text());
                      }});
  routines.push_back({"LoadListBox", {"path"}, [](Session& s, Arguments& a) {
                        PrintedList list(s);
                        library::LoadListBox(s.files, s.platform, a.Text(0), list);
                      }});
  routines.push_back({"LoadComboBox", {"path"}, [](Session& s, Arguments& a) {
                        PrintedList combo(s);
                        library::LoadComboBox(s.files, s.platform, a.Text(0), combo);
                      }});
  // The pairs come out as "first*second", as they are filed.
  routines.push_back({"LoadListPair", {"path"}, [](Session& s, Arguments& a) {
                        Session quiet{s.platform, s.files, {}};
                        PrintedList first(quiet);
                        PrintedList second(quiet);
                        library::LoadListPair(s.files, s.platform, a.Text(0), first, second);
                        for (int i = 0; i < first.Count(); ++i)
                          Print(s, first.Item(i) + "*" + second.Item(i));
                      }});
  routines.push_back(NeedsOwnWindow("SaveTextBox", {"#textBox", "path"}));
  routines.push_back(NeedsOwnWindow("SaveListBox", {"path", "#listBox"}));
  routines.push_back(NeedsOwnWindow("SaveComboBox", {"path", "#comboBox"}));
  routines.push_back(NeedsOwnWindow("SaveListPair", {"path", "#first", "#second"}));
}

}  // namespace

void AddFileRoutines(Routines& routines) {
  routines.push_back(AskFile("FileExists", library::FileExists));
  routines.push_back(AskFile("ReadFileAttributes", library::ReadFileAttributes));
  routines.push_back(OnFile("MakeFileNormal", library::MakeFileNormal));
  routines.push_back(OnFile("MakeFileReadOnly", library::MakeFileReadOnly));
  routines.push_back(OnFile("MakeFileHidden", library::MakeFileHidden));
  routines.push_back(
      {"WriteIniValue", {"section", "key", "value", "file"}, [](Session& s, Arguments& a) {
         library::WriteIniValue(s.files, a.Text(0), a.Text(1), a.Text(2), a.Text(3));
       }});
  routines.push_back({"ReadIniValue", {"section", "key", "file"}, [](Session& s, Arguments& a) {
                        std::string key = a.Text(1);
                        Print(s, library::ReadIniValue(s.files, a.Text(0), key, a.Text(2)));
                      }});
  AddLoadRoutines(routines);
  routines.push_back(OnFile("PlayWave", library::PlayWave));
  routines.push_back(OnFile("PlayMedia", library::PlayMedia));
  routines.push_back(OnFile("StopMedia", library::StopMedia));
}

}  // namespace velto_run
