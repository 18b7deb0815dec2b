#include <optional>
#include <utility>

#include "host/host_text.h"
#include "host/sequential_text.h"
#include "library/files_and_settings.h"

namespace velto::library {
namespace {

constexpr char kPairSeparator = '*';

std::optional<host::SequentialInput> OpenForInput(host::FileServices& files,
                                                  const std::string& path) {
  std::optional<std::string> bytes = files.ReadFileContents(path);
  if (!bytes)
    return std::nullopt;
  return host::SequentialInput(std::move(*bytes));
}

std::string ReadItem(host::SequentialInput& input) {
  return host::FromHostBytes(input.ReadItem());
}

void SaveItems(host::FileServices& files, const std::string& path, const ListItems& list) {
  host::SequentialOutput output;
  for (int i = 0; i < list.Count(); ++i) output.WriteItem(host::ToHostBytes(list.Item(i)));
  files.WriteFileAtomically(path, output.Bytes());
}

void LoadItems(host::FileServices& files, host::Platform& platform, const std::string& path,
               ListControl& list) {
  std::optional<host::SequentialInput> input = OpenForInput(files, path);
  if (!input)
    return;
  while (!input->AtEnd()) {
    const std::string item = ReadItem(*input);
    platform.PumpEvents();
    list.AddItem(item);
  }
}

}  // namespace

void SaveTextBox(host::FileServices& files, const TextBoxControl& textBox,
                 const std::string& path) {
  host::SequentialOutput output;
  output.WriteItem(host::ToHostBytes(textBox.Text()));
  files.WriteFileAtomically(path, output.Bytes());
}

void LoadTextBox(host::FileServices& files, TextBoxControl& textBox, const std::string& path) {
  std::optional<host::SequentialInput> input = OpenForInput(files, path);
  if (input)
    textBox.SetText(host::FromHostBytes(input->ReadAll()));
}

void SaveListBox(host::FileServices& files, const std::string& path, const ListControl& listBox) {
  SaveItems(files, path, listBox);
}

void SaveComboBox(host::FileServices& files, const std::string& path, const ListControl& comboBox) {
  SaveItems(files, path, comboBox);
}

void LoadListBox(host::FileServices& files, host::Platform& platform, const std::string& path,
                 ListControl& listBox) {
  LoadItems(files, platform, path, listBox);
}

void LoadComboBox(host::FileServices& files, host::Platform& platform, const std::string& path,
                  ListControl& comboBox) {
  LoadItems(files, platform, path, comboBox);
}

void SaveListPair(host::FileServices& files, const std::string& path, const ListControl& first,
                  const ListControl& second) {
  host::SequentialOutput output;
  for (int i = 0; i < first.Count(); ++i) {
    const std::string right = i < second.Count() ? second.Item(i) : std::string();
    output.WriteItem(host::ToHostBytes(first.Item(i) + kPairSeparator + right));
  }
  files.WriteFileAtomically(path, output.Bytes());
}

void LoadListPair(host::FileServices& files, host::Platform& platform, const std::string& path,
                  ListControl& first, ListControl& second) {
  std::optional<host::SequentialInput> input = OpenForInput(files, path);
  if (!input)
    return;
  while (!input->AtEnd()) {
    const std::string item = ReadItem(*input);
    const std::size_t separator = item.find(kPairSeparator);
    if (separator == std::string::npos)
      continue;
    platform.PumpEvents();
    first.AddItem(item.substr(0, separator));
    second.AddItem(item.substr(separator + 1));
  }
}

}  // namespace velto::library
