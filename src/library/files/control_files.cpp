#include <algorithm>
#include <optional>
#include <utility>

#include "host/host_text.h"
#include "library/files/files_and_settings.h"
#include "library/files/internal/sequential_text.h"

namespace velto::library {
namespace {

constexpr char kPairSeparator = '*';

std::optional<SequentialInput> OpenForInput(FileServices& files, const std::string& path) {
  std::optional<std::string> bytes = files.ReadFileContents(path);
  if (!files.Told(bytes.has_value()))
    return std::nullopt;
  return SequentialInput(std::move(*bytes));
}

std::string ReadItem(SequentialInput& input) {
  return host::FromHostBytes(input.ReadItem());
}

void SaveItems(FileServices& files, const std::string& path, const library::ListItems& list) {
  SequentialOutput output;
  for (int i = 0; i < list.Count(); ++i) output.WriteItem(host::ToHostBytes(list.Item(i)));
  files.Told(files.WriteFileAtomically(path, output.Bytes()));
}

void LoadItems(FileServices& files, host::Platform& platform, const std::string& path,
               library::ListControl& list) {
  std::optional<SequentialInput> input = OpenForInput(files, path);
  if (!input)
    return;
  while (!input->AtEnd()) {
    const std::string item = ReadItem(*input);
    platform.PumpEvents();
    list.AddItem(item);
  }
}

}  // namespace

void SaveTextBox(FileServices& files, const library::TextBoxControl& textBox,
                 const std::string& path) {
  SequentialOutput output;
  output.WriteItem(host::ToHostBytes(textBox.Text()));
  files.Told(files.WriteFileAtomically(path, output.Bytes()));
}

void LoadTextBox(FileServices& files, library::TextBoxControl& textBox, const std::string& path) {
  std::optional<SequentialInput> input = OpenForInput(files, path);
  if (input)
    textBox.SetText(host::FromHostBytes(input->ReadAll()));
}

void SaveListBox(FileServices& files, const std::string& path,
                 const library::ListControl& listBox) {
  SaveItems(files, path, listBox);
}

void SaveComboBox(FileServices& files, const std::string& path,
                  const library::ListControl& comboBox) {
  SaveItems(files, path, comboBox);
}

void LoadListBox(FileServices& files, host::Platform& platform, const std::string& path,
                 library::ListControl& listBox) {
  LoadItems(files, platform, path, listBox);
}

void LoadComboBox(FileServices& files, host::Platform& platform, const std::string& path,
                  library::ListControl& comboBox) {
  LoadItems(files, platform, path, comboBox);
}

void SaveListPair(FileServices& files, const std::string& path, const library::ListControl& first,
                  const library::ListControl& second) {
  SequentialOutput output;
  for (int i = 0; i < first.Count(); ++i) {
    const std::string right = i < second.Count() ? second.Item(i) : std::string();
    output.WriteItem(host::ToHostBytes(first.Item(i) + kPairSeparator + right));
  }
  files.Told(files.WriteFileAtomically(path, output.Bytes()));
}

void LoadListPair(FileServices& files, host::Platform& platform, const std::string& path,
                  library::ListControl& first, library::ListControl& second) {
  std::optional<SequentialInput> input = OpenForInput(files, path);
  if (!input)
    return;
  while (!input->AtEnd()) {
    const std::string item = ReadItem(*input);
    // A line without the separator keeps its text: all of it goes to the first list,
    // and the second list gets an empty entry so that the two stay paired line by line.
    const std::size_t separator = std::min(item.find(kPairSeparator), item.size());
    platform.PumpEvents();
    first.AddItem(item.substr(0, separator));
    second.AddItem(separator < item.size() ? item.substr(separator + 1) : std::string());
  }
}

}  // namespace velto::library
