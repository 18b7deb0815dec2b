// The library's file routines over real EDIT, LISTBOX and COMBOBOX windows and the real
// file services.

#include <windows.h>

#include <gtest/gtest.h>

#include "host/win32_handles.h"
#include "host/win32_platform.h"
#include "library/files/files_and_settings.h"
#include "library/files/temp_folder.h"
#include "library/files/win32_file_services.h"
#include "library/windows/win32_own_controls.h"

namespace velto::library {
namespace {

class Win32ListControls : public ::testing::Test {
 protected:
  ~Win32ListControls() override { ::DestroyWindow(parent_); }

  host::WindowHandle Create(const char* className, DWORD style) {
    const HWND control = ::CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, 200, 200,
                                           parent_, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return host::FromHwnd(control);
  }
  std::string Path(const std::string& name) const { return folder_.Path(name); }

  HWND parent_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
  testing::TempFolder folder_;
  Win32FileServices files_;
  host::Win32Platform platform_;
};

TEST_F(Win32ListControls, ListBoxSavesAndAComboBoxLoadsTheItems) {
  Win32ListBox listBox(Create("LISTBOX", 0));
  listBox.AddItem("one");
  listBox.AddItem("\u2022 two");
  SaveListBox(files_, Path("list.txt"), listBox);
  EXPECT_EQ(folder_.Read("list.txt"), "one\r\n\x95 two\r\n");

  Win32ComboBox comboBox(Create("COMBOBOX", CBS_DROPDOWNLIST));
  LoadComboBox(files_, platform_, Path("list.txt"), comboBox);
  ASSERT_EQ(comboBox.Count(), 2);
  EXPECT_EQ(comboBox.Item(0), "one");
  EXPECT_EQ(comboBox.Item(1), "\u2022 two");
  EXPECT_EQ(comboBox.Item(2), "");
}

TEST_F(Win32ListControls, ListPairLoadsIntoTwoListBoxes) {
  folder_.Write("pair.txt", "ann*lobby\r\nno star\r\nbob*attic\r\n");
  Win32ListBox first(Create("LISTBOX", 0));
  Win32ListBox second(Create("LISTBOX", 0));
  LoadListPair(files_, platform_, Path("pair.txt"), first, second);
  ASSERT_EQ(first.Count(), 3);
  ASSERT_EQ(second.Count(), 3);
  EXPECT_EQ(first.Item(1), "no star");  // a line without a star keeps its text
  EXPECT_EQ(second.Item(1), "");
  EXPECT_EQ(first.Item(2), "bob");
  EXPECT_EQ(second.Item(2), "attic");
}

TEST_F(Win32ListControls, TextBoxRoundTripsThroughAFile) {
  Win32TextBox saved(Create("EDIT", ES_MULTILINE));
  saved.SetText("first line\r\n\u2039second\u203A");
  SaveTextBox(files_, saved, Path("text.txt"));

  Win32TextBox loaded(Create("EDIT", ES_MULTILINE));
  LoadTextBox(files_, loaded, Path("text.txt"));
  EXPECT_EQ(loaded.Text(), "first line\r\n\u2039second\u203A\r\n");
}

}  // namespace
}  // namespace velto::library
