#pragma once

#include <string>
#include <vector>

#include "standin/host_windows.h"
#include "standin/standin_accounts.h"
#include "standin/standin_conversations.h"
#include "standin/standin_mail.h"
#include "standin/standin_menus.h"
#include "standin/standin_people.h"

namespace velto::standin {

// How the stand-in host answers an instant message.
enum class InstantMessageAnswer {
  kCloseWindow,  // takes the message: the window closes
  kMessageBox,   // refuses it with an "America Online" message box
  kNeverOpen,    // never opens the instant-message window at all
  kNeverAnswer,  // opens the window but never reacts to the send button
};

// What the stand-in host can be told to do wrong, to test the idler against a host that
// hangs, is slow, closes windows under it, or goes away.
enum class Misbehaviour {
  kNone,               // behaves again (answers at once, keeps its windows)
  kHang,               // stops handling messages for `amount` seconds
  kSlowAnswers,        // each message sent to it takes `amount` seconds
  kCloseRoomWhenUsed,  // closes the chat room when a line starts to arrive in its input
  kCloseImWhenUsed,    // closes the instant-message window when its text arrives
  kNeverOpenIm,        // never opens the instant-message window
  kQuit,               // quits outright
};

struct MisbehaviourOrder {
  Misbehaviour what = Misbehaviour::kNone;
  double amount = 0;  // seconds, for a hang and for slow answers
};

struct StandinOptions {
  std::string screenName = "Guest";
  std::string roomName = "Lobby";
  // When set, a room still opening (it has no list of people yet) with this name comes
  // before the chat room: a window that must not be taken for it.
  std::string decoyRoomName;
  InstantMessageAnswer instantMessageAnswer = InstantMessageAnswer::kCloseWindow;
  MisbehaviourOrder misbehaviour;  // from the start
};

// Something the host received, as the host received it (8-bit bytes).
struct Received {
  enum class Kind { kChatLine, kKeyword, kInstantMessage, kMenuCommand, kMail, kAccount };
  double time = 0;
  Kind kind = Kind::kChatLine;
  std::string bytes;      // the chat line, the keyword, the instant message's text, the
                          // text of the menu entry run, or what a mail or account
                          // window did (StandinMail::onEvent, StandinAccounts::onEvent)
  std::string recipient;  // instant messages only (UTF-8)
};

// A small imitation of the host client: its window tree, with the classes, captions and
// child order the idler looks for, and its reactions to the messages the idler sends.
class StandinHost {
 public:
  // The delays with which the host reacts, as a person would see it.
  static constexpr double kInstantMessageOpenSeconds = 0.4;
  static constexpr double kInstantMessageAnswerSeconds = 0.2;
  static constexpr int kInstantMessageIcons = 10;
  static constexpr int kSendButtonIcon = 9;  // 1-based, in child order
  static constexpr int kAvailabilityIcon = 10;
  // The icons of the inner toolbar, from 1 in child order, and those that do something.
  static constexpr int kToolbarIcons = 10;
  static constexpr int kWriteMailToolbarIcon = StandinMail::kWriteMailToolbarIcon;
  static constexpr int kMailMenuToolbarIcon = 3;
  static constexpr int kSettingsToolbarIcon = StandinAccounts::kSettingsToolbarIcon;
  static constexpr int kPeopleToolbarIcon = StandinAccounts::kPeopleToolbarIcon;

  StandinHost(HostWindows& windows, StandinOptions options);

  WindowHandle frame() const { return frame_; }
  WindowHandle mdiClient() const { return mdi_; }
  WindowHandle keywordBox() const { return keywordBox_; }
  WindowHandle chatRoom() const { return chatRoom_; }
  WindowHandle welcomeWindow() const { return welcome_; }

  const std::vector<Received>& received() const { return received_; }
  std::vector<std::string> ChatLines() const;  // the bytes of each line said in the room
  std::string RoomName() const;
  // Called with each thing received, as it is received (the program logs them).
  std::function<void(const Received&)> onReceived;

  // Opens a further chat room (at the end of the child order).
  WindowHandle OpenChatRoom(const std::string& name);
  // Opens a chat room that has every control but its list of people, as a room the host
  // is still opening (at the end of the child order).
  WindowHandle OpenHalfOpenRoom(const std::string& name);
  void SetInstantMessageAnswer(InstantMessageAnswer answer) {
    options_.instantMessageAnswer = answer;
  }
  // Starts misbehaving as ordered (kNone: stops). A hang or a quit happens at once.
  void Misbehave(MisbehaviourOrder order);

  // The people in the chat room, their person windows and who is ignored.
  StandinPeople& people() { return people_; }
  // An instant message reaches the user: it shows in the sender's conversation window.
  WindowHandle ReceiveInstantMessage(const std::string& from, const std::string& message);

  // Sample mail in the mailbox and the filed mail, and a member with a profile, for
  // trying the mail and account routines by hand (StandinMail::OpenSampleMail).
  void OpenSampleMail();

  // The mailbox, filed mail, mail windows and their error window.
  StandinMail& mail() { return mail_; }
  // Parental controls, member profiles and mail preferences.
  StandinAccounts& accounts() { return accounts_; }

 private:
  void OnKeywordBox(WindowHandle box, const HostMessage& message);
  void OnChatInput(WindowHandle input, const HostMessage& message);
  // The "when used" misbehaviours: the window closes as the first text reaches it.
  bool CloseWhenUsed(WindowHandle window, bool& armed, const HostMessage& message);
  void ActOnKeyword(const std::string& keywordBytes);
  void AddToolbarIcons(WindowHandle innerToolbar);
  void EnterRoom(const std::string& name);
  void OpenInstantMessageWindow(const std::string& recipient);
  void OnSendButton(WindowHandle im, WindowHandle text, const std::string& recipient,
                    const HostMessage& message);
  void AnswerInstantMessage(WindowHandle im);
  void Record(Received::Kind kind, std::string bytes, std::string recipient = {});

  HostWindows& windows_;
  StandinOptions options_;
  InstantMessageAnswer usualAnswer_;
  bool closeRoomWhenUsed_ = false;
  bool closeImWhenUsed_ = false;
  WindowHandle frame_, mdi_, keywordBox_, welcome_, chatRoom_;
  std::vector<Received> received_;
  StandinMenus menus_;
  StandinPeople people_;
  StandinConversations conversations_;
  StandinMail mail_;
  StandinAccounts accounts_;
};

}  // namespace velto::standin
