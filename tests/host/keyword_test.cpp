#include <gtest/gtest.h>

#include "host/host_routines.h"
#include "host/messages.h"
#include "support/host_fixture.h"
#include "support/message_sequence.h"

namespace velto::testing {
namespace {

class OpenKeywordTest : public HostTest {};

TEST_F(OpenKeywordTest, SetsTheBoxThenTypesSpaceAndCarriageReturn) {
  const host::WindowHandle box = standin_.keywordBox();
  host::OpenKeyword(desktop_, "aol://2719:2-2-vb4");
  host::OpenKeyword(desktop_, "");
  ExpectSequence(desktop_,
                 {SentText(box, WM_SETTEXT, "aol://2719:2-2-vb4"), SentValue(box, WM_CHAR, 0x20),
                  SentValue(box, WM_CHAR, 0x0D), SentText(box, WM_SETTEXT, ""),
                  SentValue(box, WM_CHAR, 0x20), SentValue(box, WM_CHAR, 0x0D)},
                 "two keywords, the second empty");
  EXPECT_EQ(standin_.RoomName(), "vb4");
}

TEST_F(OpenKeywordTest, AMissingToolbarWindowEndsTheCallSilently) {
  // Another program's top-level "Edit" must not receive the keyword.
  desktop_.AddWindow(host::kNoWindow, "Edit", "");
  desktop_.RemoveWindow(desktop_.ParentOf(desktop_.ParentOf(standin_.keywordBox())));
  host::OpenKeyword(desktop_, "aol://2719:2-2-idle");
  ExpectSequence(desktop_, {}, "no inner toolbar");
}

}  // namespace
}  // namespace velto::testing
