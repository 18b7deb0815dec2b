// The caller's own windows at the C interface: real LISTBOX and EDIT controls under the
// handles a C caller holds, and handles that name no window or the wrong kind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "velto.h"

namespace {

constexpr int kRoom = 64;

class DllWindows : public testing::Test {
 protected:
  void SetUp() override {
    list_ = ::CreateWindowExW(0, L"LISTBOX", L"", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr);
    edit_ =
        ::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(list_ && edit_);
  }
  void TearDown() override {
    ::DestroyWindow(list_);
    ::DestroyWindow(edit_);
  }
  static VELTO_WINDOW Handle(HWND window) { return reinterpret_cast<VELTO_WINDOW>(window); }

  HWND list_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(DllWindows, ListBoxIsReadThroughItsHandle) {
  ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"\u2039a\u203A"));
  ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"b"));
  wchar_t result[kRoom] = {};
  EXPECT_EQ(velto_ListItemsToText(Handle(list_), result, kRoom), 10);
  EXPECT_STREQ(result, L"(\u2039a\u203A), (b)");
}

TEST_F(DllWindows, ControlTextCrossesInBothDirections) {
  EXPECT_EQ(velto_SetControlText(Handle(edit_), L"\u2022 idle \u00B7"), VELTO_TRUE);
  wchar_t result[kRoom] = {};
  EXPECT_EQ(velto_GetControlText(Handle(edit_), result, kRoom), 8);
  EXPECT_STREQ(result, L"\u2022 idle \u00B7");
}

TEST_F(DllWindows, HandlesOfNoWindowOrTheWrongKindAreBadArguments) {
  wchar_t result[kRoom] = {};
  HWND gone = ::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ::DestroyWindow(gone);
  EXPECT_EQ(velto_GetWindowCaption(Handle(gone), result, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_GetWindowCaption(0, result, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_ListItemsToText(Handle(edit_), result, kRoom), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_SaveTextBox(Handle(list_), L"C:\\unused.txt"), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_HideWindow(Handle(gone)), VELTO_BAD_ARGUMENT);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT);
}

TEST_F(DllWindows, AFlagIsNeverTrueForABadArgument) {
  HWND gone = ::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ::DestroyWindow(gone);
  EXPECT_EQ(velto_ClickControl(Handle(gone)), VELTO_FALSE);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT);
  EXPECT_EQ(velto_SetControlText(Handle(gone), L"x"), VELTO_FALSE);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT);
  EXPECT_EQ(velto_FileExists(nullptr), VELTO_FALSE);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_BAD_ARGUMENT);
  EXPECT_EQ(velto_SetControlText(Handle(edit_), L"fine"), VELTO_TRUE);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_DONE);
}

// The trace of a thread's calls: what reached the window, with its bytes, and each
// call's outcome; nothing once the trace is stopped.
TEST_F(DllWindows, ATraceTellsEachMessageAndEachCallsOutcomeUntilItIsStopped) {
  wchar_t path[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, path);
  ::lstrcatW(path, L"velto-trace-test.txt");
  ASSERT_EQ(velto_TraceTo(path), VELTO_DONE);
  velto_SetControlText(Handle(edit_), L"\u2039hi\u203A");
  velto_SendChatLine(L"to no host");
  ASSERT_EQ(velto_TraceTo(nullptr), VELTO_DONE);
  velto_SetControlText(Handle(edit_), L"untraced");

  std::string trace;
  if (std::FILE* file = ::_wfopen(path, L"r")) {  // a text file: its lines end in CR LF
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) trace += static_cast<char>(c);
    std::fclose(file);
  }
  ::DeleteFileW(path);
  char handle[32];
  std::snprintf(handle, sizeof handle, "0x%x \"Edit\" \"\"",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(edit_)));
  EXPECT_NE(trace.find(std::string("SendMessageA ") + handle +
                       " WM_SETTEXT wParam 0 text \"\\x8bhi\\x9b\" -> 1, answered\n"),
            std::string::npos)
      << trace;
  EXPECT_NE(trace.find("ms  outcome done\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("ms  outcome nothing to act on\n"), std::string::npos) << trace;
  EXPECT_EQ(trace.find("untraced"), std::string::npos) << trace;
}

TEST_F(DllWindows, ATraceToAFileThatCannotBeMadeFails) {
  EXPECT_EQ(velto_TraceTo(L"Z:\\no such folder\\trace.txt"), VELTO_FAILED);
  EXPECT_EQ(velto_LastOutcome(), VELTO_OUTCOME_FAILED);
  velto_TraceTo(nullptr);
}

}  // namespace
