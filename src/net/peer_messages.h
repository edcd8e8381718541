// The texts two copies of the game send each other during a game, and the round message that
// carries a whole deal from the server to the client. Bytes are Windows-1251 as sent.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/dealing.h"
#include "core/table_state.h"

namespace tarnel::net {

inline constexpr std::string_view kMovePrefix = "hhod";
inline constexpr std::string_view kGoAhead = "o";
inline constexpr std::string_view kRoundStart = "hsitkon2";
inline constexpr char kRoundTag = 'b';
inline constexpr std::size_t kRoundMessageLength = 148;

// "hhod" + the card's two bytes.
std::string MoveMessage(CardCode card);
// The card of a move message; nullopt for any other text or a code that is not a deck card.
std::optional<CardCode> ReadMoveMessage(std::string_view text);

// "b", the 36 cards of DeckCard, their rank values and markers as one digit each, the dealer's
// TurnState and the hand size in two digits: 148 bytes.
std::string RoundMessage(const TTableState& state);
// The round a round message carries, as the sender wrote it (the receiver's driver turns it
// round). Nullopt for a text that is not a whole round message: too short, a digit that is none,
// a hand size other than "06" or "10". Bytes after the 148th are ignored.
std::optional<ReceivedRound> ReadRoundMessage(std::string_view text);

}  // namespace tarnel::net
