#include "net/peer_messages.h"

namespace tarnel::net {
namespace {

std::optional<std::uint8_t> Digit(char c) {
  if (c < '0' || c > '9') return std::nullopt;
  return static_cast<std::uint8_t>(c - '0');
}

char DigitOf(int value) { return static_cast<char>('0' + (value >= 0 && value <= 9 ? value : 0)); }

}  // namespace

std::string MoveMessage(CardCode card) { return std::string(kMovePrefix) + card.Bytes(); }

std::optional<CardCode> ReadMoveMessage(std::string_view text) {
  if (text.size() < kMovePrefix.size() + 2 || text.substr(0, kMovePrefix.size()) != kMovePrefix)
    return std::nullopt;
  CardCode card{text[4], text[5]};
  if (!IsDeckCard(card)) return std::nullopt;
  return card;
}

std::string RoundMessage(const TTableState& state) {
  std::string text(1, kRoundTag);
  text.reserve(kRoundMessageLength);
  for (int i = 1; i <= 36; ++i) text += state.DeckCard[i].Bytes();
  for (int i = 1; i <= 36; ++i) text += DigitOf(state.DeckRank[i]);
  for (int i = 1; i <= 36; ++i) text += DigitOf(state.DeckMark[i]);
  text += DigitOf(state.TurnState);
  text += state.HandSize == 10 ? "10" : "06";
  return text;
}

std::optional<ReceivedRound> ReadRoundMessage(std::string_view text) {
  if (text.size() < kRoundMessageLength || text[0] != kRoundTag) return std::nullopt;
  ReceivedRound round;
  for (int i = 1; i <= 36; ++i) {
    round.DeckCard[i] = CardCode{text[2 * i - 1], text[2 * i]};
    auto rank = Digit(text[72 + i]);
    auto mark = Digit(text[108 + i]);
    if (!rank || !mark) return std::nullopt;
    round.DeckRank[i] = *rank;
    round.DeckMark[i] = *mark;
  }
  // "1": the sender's seat 1, the receiver, moves first; anything else: the sender does.
  round.SenderTurnState = text[145] == '1' ? kTurnSeat1 : kTurnSeat2;
  std::string_view size = text.substr(146, 2);
  if (size == "06")
    round.HandSize = 6;
  else if (size == "10")
    round.HandSize = 10;
  else
    return std::nullopt;
  round.OwnHandFirst = true;
  return round;
}

}  // namespace tarnel::net
