// One machine's side of a two-player network game, from the greeting to the end of the game:
// the greeting and the names, the link state, the texts of a game (through PeerLink), chat, the
// face-up key sequence, and what a lost connection means. No sockets: bytes come in through
// TransportEvents and go out through a PeerTransport.
//
// How the window uses it:
//   PeerSession session(role, transport, events, PlayerName);
//   transport.SetEvents(&session);          // then listen (server) or connect (client)
//   session.Start();                        // LinkState 1
//   events.PeerGreeted(name)                -> server: "The second player was connected...",
//                                              OK on; client: both dialogs close with success
//   session.Attach(driver, state); driver.StartGame(session, ...)   // the session is seat 1's link
//   session.SendChat(text)                  -> returns false for an empty line; the line comes
//                                              back through events.ChatLineShown
//   session.ChatButtonFocus(); session.ChatKey(c)   -> events.FaceUpSwitched(on)
//   events.ConnectionLost(peerRole)         -> sound, "<role word> has interrupted game!", menu
//   session.MenuTick()                      -> each main tick in the menu: deferred stop of
//   listening session.GameEnded()                     -> the game was recorded or left: the
//   endpoint closes session.Cancel()                        -> Cancel of the wait dialog: LinkState
//   0
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/seat_link.h"
#include "core/turn_driver.h"
#include "net/peer_link.h"
#include "net/peer_transport.h"

namespace tarnel::net {

inline constexpr int kGameNumber = 33;
inline constexpr int kProtocolNumber = 25;
inline constexpr std::string_view kGreetingWord = "qel";
inline constexpr std::string_view kGreetingTag = "connect1";
inline constexpr std::string_view kGreetingReplyTag = "connect2";
inline constexpr std::string_view kAbort = "abort";
inline constexpr char kChatTag = 's';
inline constexpr std::size_t kNameFieldLength = 20;
inline constexpr std::size_t kNetNameLimit = 9;
inline constexpr std::size_t kGreetingLength = 35;
inline constexpr std::size_t kGreetingReplyLength = 28;
// The longest chat text kept from one read; the chat field itself takes 15.
inline constexpr std::size_t kChatKeep = 64;
inline constexpr std::string_view kFaceUpSequence = "58294";

enum class LinkState : std::uint8_t {
  NotConnected = 0,
  Waiting = 1,  // listening (server) or connecting (client)
  Greeted = 2,
  RoundSent = 3,  // server: a round has gone out
};

// "qel" + game and protocol number in two digits + "connect1" + the 20-character name.
std::string GreetingMessage(std::string_view playerName, int game = kGameNumber,
                            int protocol = kProtocolNumber);
// "connect2" + the 20-character name.
std::string GreetingReplyMessage(std::string_view playerName);
// The name padded with spaces (or cut) to the 20-character field.
std::string NameField(std::string_view name);

// Breaks the byte stream into messages. The peer writes each message in one piece and its own
// reader takes one read as one message, so this must cut where it would and never wait for
// bytes a plain peer does not send: every kind but chat has a known length, and a message of a
// known kind that a read left short waits for the rest (a round also checks its bytes as they
// come, so a damaged one is dropped at the first byte that cannot belong to it); a chat line
// takes the rest of its read; bytes no message begins with are dropped with the rest of their
// read, as the peer ignores an unknown text. What waits is never longer than one round message.
class MessageFramer {
 public:
  // Messages found in this read, in order; a message begun here and not finished waits.
  std::vector<std::string> Feed(std::string_view bytes);
  std::size_t Pending() const { return pending_.size(); }
  // Bytes dropped so far as belonging to no message.
  std::size_t Dropped() const { return dropped_; }

 private:
  std::string pending_;
  std::size_t dropped_ = 0;
};

struct ChatLine {
  std::string Text;
  int Colour = 0;  // 1 maroon, 2 navy, 3 green, 4 olive
};

// A chat line cut from its end, at most 12 characters, while `tooWide` says it does not fit;
// "..." follows when anything was cut.
std::string ShortenChatLine(std::string_view line,
                            const std::function<bool(std::string_view)>& tooWide);

// The table's chat box: four lines, newest at the bottom; a fifth pushes the oldest out.
class ChatBox {
 public:
  static constexpr std::size_t kLines = 4;
  void Add(ChatLine line);
  void Clear() { lines_.clear(); }
  const std::vector<ChatLine>& Lines() const { return lines_; }

 private:
  std::vector<ChatLine> lines_;
};

class PeerSessionEvents {
 public:
  virtual ~PeerSessionEvents() = default;
  // The greeting completed; `peerName` is the other side's name without trailing spaces.
  virtual void PeerGreeted(const std::string& peerName) = 0;
  // A chat line for the chat box; `received`: it came from the peer (the chat sound plays).
  virtual void ChatLineShown(const ChatLine& line, bool received) = 0;
  // The key sequence switched the face-up display of seat 1's hand.
  virtual void FaceUpSwitched(bool on) = 0;
  // The peer left a game that was on the table and not over: show "<role word> has interrupted
  // game!" with the role word of `peerRole` and return to the menu without recording.
  virtual void ConnectionLost(NetRole peerRole) = 0;
  // The peer sent what cannot be played on (a damaged round, a card seat 1 does not hold): the
  // game cannot stay in step and ends as if the peer had left. `reason` is one line.
  virtual void ProtocolViolation(const std::string& reason) = 0;
  // The chat field and its button are to be disabled (the connection is gone).
  virtual void ChatDisabled() = 0;
  // Connecting (client) or listening (server) failed; the endpoint is closed. The client's wait
  // dialog goes on showing "There are no accessible games" (ClientWaiting).
  virtual void ConnectFailed(const std::string& reason) = 0;
};

class PeerSession : public SeatLink, public TransportEvents {
 public:
  PeerSession(NetRole role, PeerTransport& transport, PeerSessionEvents& events,
              std::string_view playerName);

  NetRole Role() const { return role_; }
  LinkState State() const { return state_; }
  const std::string& PeerName() const { return peerName_; }
  bool FaceUp() const { return faceUp_; }
  // The server's listening socket waits for the next menu tick to be stopped.
  bool StopPending() const { return stopPending_; }

  // The player dialog's OK: listening or connecting has begun.
  void Start();
  // The wait dialog's Cancel.
  void Cancel();
  // The driver of this game and the state it plays; the face-up display starts off.
  void Attach(TurnDriver& driver, const TTableState& state);
  // The game was recorded, or the user left it for the menu: the role's endpoint closes.
  void GameEnded();
  // A main tick in the menu state: a stop of listening marked by a lost connection happens now.
  void MenuTick();

  // Sends "s" + text and shows it locally; false for an empty text.
  bool SendChat(std::string_view text);
  // The chat button gained or lost the focus: the key collector starts empty.
  void ChatButtonFocus();
  // A character typed while the chat button has the focus.
  void ChatKey(char c);

  // TransportEvents
  void Connected() override;
  void DataRead(std::string_view bytes) override;
  void Disconnected() override;
  void Failed(std::string_view reason) override;

  // SeatLink
  GameKind Kind() const override { return link_.Kind(); }
  int Seat1MoveOnTick(const TTableState& state) override { return link_.Seat1MoveOnTick(state); }
  void RoundDealt(const TTableState& state) override;
  void RoundBegun(const TTableState& state) override { link_.RoundBegun(state); }
  void LocalMove(const TTableState& state, CardCode card) override { link_.LocalMove(state, card); }
  void TrickCollected(const TTableState& state, bool roundOver) override {
    link_.TrickCollected(state, roundOver);
  }
  void RoundScored(const TTableState& state) override { link_.RoundScored(state); }
  void GameSummedUp(const TTableState& state) override { link_.GameSummedUp(state); }
  void NextRoundRequested(const TTableState& state) override { link_.NextRoundRequested(state); }

 private:
  struct Port : PeerPort {
    PeerTransport* Transport = nullptr;
    void Send(std::string_view text) override { Transport->Send(text); }
  };

  void Handle(const std::string& message);
  void HandleGreeting(std::string_view text);
  void HandleGreetingReply(std::string_view text);
  void HandleInGame(const std::string& message);
  void Violation(const std::string& reason);
  bool GameOnTable() const;

  NetRole role_;
  PeerTransport& transport_;
  PeerSessionEvents& events_;
  std::string playerName_;
  Port port_;
  PeerLink link_;
  TurnDriver* driver_ = nullptr;
  const TTableState* table_ = nullptr;
  LinkState state_ = LinkState::NotConnected;
  MessageFramer framer_;
  std::string peerName_;
  std::string keys_;
  bool faceUp_ = false;
  bool stopPending_ = false;
  bool violated_ = false;
};

}  // namespace tarnel::net
