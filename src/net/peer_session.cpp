#include "net/peer_session.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "net/peer_messages.h"

namespace tarnel::net {
namespace {

std::string TwoDigits(int n) {
  n = std::clamp(n, 0, 99);
  return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string TrimRight(std::string_view text) {
  std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

bool StartsWith(std::string_view text, std::string_view word) {
  return text.substr(0, word.size()) == word;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct Kind {
  std::string_view Word;
  std::size_t Length;
};

// Every message but chat, by its leading word, with its whole length.
constexpr std::array<Kind, 7> kKinds{{
    {kGreetingWord, kGreetingLength},
    {kGreetingReplyTag, kGreetingReplyLength},
    {std::string_view(&kRoundTag, 1), kRoundMessageLength},
    {kRoundStart, kRoundStart.size()},
    {kMovePrefix, kMovePrefix.size() + 2},
    {kGoAhead, kGoAhead.size()},
    {kAbort, kAbort.size()},
}};

// The first byte of an unfinished round message that cannot belong to one, or npos.
std::size_t RoundPrefixFault(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (i <= 72) {
      if (i % 2 == 0 && !IsDeckCard(CardCode{text[i - 1], text[i]})) return i - 1;
    } else if (i <= 145) {
      if (!IsDigit(text[i])) return i;
    } else if (i == 146) {
      if (text[i] != '0' && text[i] != '1') return i;
    } else if (i == 147) {
      if (text[i] != (text[146] == '0' ? '6' : '0')) return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::string NameField(std::string_view name) {
  std::string field(name.substr(0, kNameFieldLength));
  field.resize(kNameFieldLength, ' ');
  return field;
}

std::string GreetingMessage(std::string_view playerName, int game, int protocol) {
  return std::string(kGreetingWord) + TwoDigits(game) + TwoDigits(protocol) +
         std::string(kGreetingTag) + NameField(playerName);
}

std::string GreetingReplyMessage(std::string_view playerName) {
  return std::string(kGreetingReplyTag) + NameField(playerName);
}

std::vector<std::string> MessageFramer::Feed(std::string_view bytes) {
  std::vector<std::string> messages;
  std::string buffer = std::move(pending_);
  pending_.clear();
  buffer.append(bytes);
  std::size_t at = 0;
  while (at < buffer.size()) {
    std::string_view rest = std::string_view(buffer).substr(at);
    if (rest[0] == kChatTag) {
      // A chat line has no length of its own: it ends with its read.
      messages.emplace_back(rest.substr(0, 1 + kChatKeep));
      dropped_ += rest.size() - std::min(rest.size(), 1 + kChatKeep);
      break;
    }
    const Kind* kind = nullptr;
    bool partial = false;
    for (const Kind& k : kKinds) {
      if (StartsWith(rest, k.Word)) {
        kind = &k;
        break;
      }
      if (rest.size() < k.Word.size() && StartsWith(k.Word, rest)) partial = true;
    }
    if (!kind && partial) {
      pending_ = rest;
      break;
    }
    if (!kind) {
      // The peer ignores a text it does not know; so does this side, up to the end of the read.
      dropped_ += rest.size();
      break;
    }
    if (kind->Word[0] == kRoundTag) {
      std::size_t fault = RoundPrefixFault(rest.substr(0, kind->Length));
      if (fault != std::string_view::npos) {
        // A damaged or short round: handed on as it is, so the receiver sees it fail.
        messages.emplace_back(rest.substr(0, fault));
        at += fault;
        continue;
      }
    }
    if (rest.size() < kind->Length) {
      pending_ = rest;
      break;
    }
    messages.emplace_back(rest.substr(0, kind->Length));
    at += kind->Length;
  }
  return messages;
}

std::string ShortenChatLine(std::string_view line,
                            const std::function<bool(std::string_view)>& tooWide) {
  constexpr int kMaxCut = 12;
  std::string text(line);
  int cut = 0;
  while (cut < kMaxCut && !text.empty() && tooWide(text)) {
    text.pop_back();
    ++cut;
  }
  if (cut > 0) text += "...";
  return text;
}

void ChatBox::Add(ChatLine line) {
  if (lines_.size() == kLines) lines_.erase(lines_.begin());
  lines_.push_back(std::move(line));
}

PeerSession::PeerSession(NetRole role, PeerTransport& transport, PeerSessionEvents& events,
                         std::string_view playerName)
    : role_(role),
      transport_(transport),
      events_(events),
      playerName_(NameField(playerName)),
      link_(role, port_) {
  port_.Transport = &transport_;
}

void PeerSession::Start() {
  state_ = LinkState::Waiting;
  framer_ = MessageFramer();
  peerName_.clear();
  stopPending_ = false;
  violated_ = false;
}

void PeerSession::Cancel() {
  transport_.Close();
  state_ = LinkState::NotConnected;
  stopPending_ = false;
}

void PeerSession::Attach(TurnDriver& driver, const TTableState& state) {
  driver_ = &driver;
  table_ = &state;
  link_.Attach(driver);
  faceUp_ = false;
  keys_.clear();
}

void PeerSession::GameEnded() {
  transport_.Close();
  stopPending_ = false;
}

void PeerSession::MenuTick() {
  if (!stopPending_) return;
  stopPending_ = false;
  transport_.Close();
}

bool PeerSession::SendChat(std::string_view text) {
  if (text.empty()) return false;
  transport_.Send(std::string(1, kChatTag) + std::string(text));
  events_.ChatLineShown(ChatLine{std::string(text), static_cast<int>(role_)}, false);
  return true;
}

void PeerSession::ChatButtonFocus() {
  keys_.clear();
}

void PeerSession::ChatKey(char c) {
  // The collector counts as a number only while it holds digits; past any digit but leading
  // zeros and five more it can no longer read 58294, so it stops growing.
  if (keys_.size() < 64) keys_ += c;
  bool number = !keys_.empty();
  for (char k : keys_)
    number = number && IsDigit(k);
  if (!number) return;
  std::size_t first = keys_.find_first_not_of('0');
  if (first == std::string::npos || std::string_view(keys_).substr(first) != kFaceUpSequence)
    return;
  keys_.clear();
  faceUp_ = !faceUp_;
  events_.FaceUpSwitched(faceUp_);
}

void PeerSession::Connected() {
  if (role_ == NetRole::Client && state_ == LinkState::Waiting)
    transport_.Send(GreetingMessage(playerName_));
}

void PeerSession::DataRead(std::string_view bytes) {
  for (const std::string& message : framer_.Feed(bytes)) {
    if (violated_ || state_ == LinkState::NotConnected) return;
    Handle(message);
  }
}

void PeerSession::Handle(const std::string& message) {
  if (message.empty() || message == kAbort) return;
  if (message[0] == kChatTag) {
    // Both machines draw a line in the local role's colour, whoever typed it.
    events_.ChatLineShown(ChatLine{message.substr(1), static_cast<int>(role_)}, true);
    return;
  }
  if (state_ == LinkState::Waiting) {
    if (role_ == NetRole::Server && StartsWith(message, kGreetingWord)) {
      HandleGreeting(message);
    } else if (role_ == NetRole::Client && StartsWith(message, kGreetingReplyTag)) {
      HandleGreetingReply(message);
    } else if (role_ == NetRole::Client && message[0] == kRoundTag) {
      HandleInGame(message);
    }
    return;
  }
  HandleInGame(message);
}

void PeerSession::HandleGreeting(std::string_view text) {
  // A greeting for another game or protocol gets no reply: the client keeps waiting.
  if (text.size() < kGreetingLength) return;
  if (text.substr(3, 2) != TwoDigits(kGameNumber) ||
      text.substr(5, 2) != TwoDigits(kProtocolNumber) || text.substr(7, 8) != kGreetingTag)
    return;
  state_ = LinkState::Greeted;
  peerName_ = TrimRight(text.substr(15, text.size() - 16));
  transport_.Send(GreetingReplyMessage(playerName_));
  events_.PeerGreeted(peerName_);
}

void PeerSession::HandleGreetingReply(std::string_view text) {
  state_ = LinkState::Greeted;
  peerName_ = TrimRight(text.substr(8, text.size() - 9));
  events_.PeerGreeted(peerName_);
}

void PeerSession::HandleInGame(const std::string& message) {
  if (!driver_) return;
  if (role_ == NetRole::Client && message[0] == kRoundTag) {
    std::optional<ReceivedRound> round = ReadRoundMessage(message);
    if (!round) {
      Violation("damaged round message (" + std::to_string(message.size()) + " bytes)");
      return;
    }
    if (!driver_->StartReceivedRound(*round) && driver_->GameActive())
      Violation("round message with cards that do not make a deck");
    return;
  }
  if (StartsWith(message, kMovePrefix)) {
    std::optional<CardCode> card = ReadMoveMessage(message);
    if (!driver_->GameActive()) return;
    // The peer never sends a card seat 1 does not hold or out of turn: the two games are no
    // longer one, so the game cannot go on.
    if (!card || !driver_->ReceiveMove(*card))
      Violation("move " + message.substr(kMovePrefix.size()) + " that seat 1 cannot play");
    return;
  }
  link_.Receive(message);
}

void PeerSession::RoundDealt(const TTableState& state) {
  link_.RoundDealt(state);
  if (role_ == NetRole::Server) state_ = LinkState::RoundSent;
}

bool PeerSession::GameOnTable() const {
  if (!driver_ || !table_ || !driver_->GameActive()) return false;
  return table_->GameTotal[kSeatCo] < table_->GameTarget &&
         table_->GameTotal[kSeatMe] < table_->GameTarget;
}

void PeerSession::Violation(const std::string& reason) {
  if (violated_) return;
  violated_ = true;
  transport_.Close();
  events_.ChatDisabled();
  events_.ProtocolViolation(reason);
}

void PeerSession::Disconnected() {
  events_.ChatDisabled();
  // A server whose caller left before greeting goes on waiting for the next one.
  if (role_ == NetRole::Server && state_ == LinkState::Waiting) {
    framer_ = MessageFramer();
    transport_.TakeNextCaller();
    return;
  }
  // A server that took the call and dropped it unanswered (busy with another game) is no game.
  if (role_ == NetRole::Client && state_ == LinkState::Waiting) {
    transport_.Close();
    events_.ConnectFailed("the server closed the connection before the greeting");
    return;
  }
  if (violated_ || !GameOnTable()) return;
  if (role_ == NetRole::Server)
    stopPending_ = true;  // not inside the socket's own event: at the next menu tick
  else
    transport_.Close();
  events_.ConnectionLost(role_ == NetRole::Server ? NetRole::Client : NetRole::Server);
}

void PeerSession::Failed(std::string_view reason) {
  transport_.Close();
  events_.ConnectFailed(std::string(reason));
}

}  // namespace tarnel::net
