#include "ui/program_fixture.h"

namespace velto::testing {
namespace {

class PrivateRoomsTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartAndForgetAnnouncements();
    Click(FormId::kForm2, main_window::kPrivateRooms);
  }
};

TEST_F(PrivateRoomsTest, EachRoomSendsItsKeywordInClickOrderAndTheWindowStays) {
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm3));
  for (const char* label :
       {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label3"}) {
    Click(FormId::kForm3, label);
  }
  std::vector<std::string> keywords;
  for (const auto& r : NewlyReceived()) keywords.push_back(r.bytes);
  EXPECT_EQ(keywords, (std::vector<std::string>{
                          "aol://2719:2-2-Mp3", "aol://2719:2-2-icp", "aol://2719:2-2-vb4",
                          "aol://2719:2-2-vb", "aol://2719:2-2-progz", "aol://2719:2-2-vb6",
                          "aol://2719:2-2-phishy", "aol://2719:2-2-vb4", "aol://2719:2-2-vb4"}));
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm3));
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm2));
}

TEST_F(PrivateRoomsTest, ExitBringsBackTheMainWindowWithItsValuesAndReopensTheSameWindow) {
  const host::WindowHandle rooms = toolkit_.Handle(FormId::kForm3);
  Click(FormId::kForm3, private_rooms_window::kExit);
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_FALSE(toolkit_.IsVisible(FormId::kForm3));
  toolkit_.Type(FormId::kForm2, main_window::kReason, "away");
  Click(FormId::kForm2, main_window::kPrivateRooms);
  EXPECT_EQ(toolkit_.Handle(FormId::kForm3), rooms);
  Click(FormId::kForm3, private_rooms_window::kExit);
  EXPECT_EQ(toolkit_.Text(FormId::kForm2, main_window::kReason), "away");
  EXPECT_TRUE(NewlyReceived().empty());
}

TEST_F(PrivateRoomsTest, ClosingTheRoomsWindowReturnsToTheMainWindow) {
  toolkit_.CloseBySystem(FormId::kForm3);
  EXPECT_TRUE(toolkit_.IsVisible(FormId::kForm2));
  EXPECT_FALSE(toolkit_.Ended());
}

}  // namespace
}  // namespace velto::testing
