// The one record of the round on the table, the game in progress and the player's standing.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "core/cards.h"

namespace tarnel {

// Seat 1 ("co") is the opponent of the local user, seat 2 ("me") the local user.
inline constexpr int kSeatCo = 1;
inline constexpr int kSeatMe = 2;

// Turn states of a round.
inline constexpr std::uint8_t kTurnSeat1 = 1;
inline constexpr std::uint8_t kTurnSeat2 = 2;
inline constexpr std::uint8_t kTurnTrickDone = 3;
inline constexpr std::uint8_t kTurnRoundDone = 4;
inline constexpr std::uint8_t kTurnGameDone = 5;
inline constexpr std::uint8_t kTurnNextRound = 6;

inline constexpr std::uint8_t kPhaseDealt = 1;
inline constexpr std::uint8_t kPhasePlaying = 2;

inline constexpr std::uint8_t kStockEmpty = 37;
inline constexpr int kGameTarget = 41;

// Stored hands are 64 wide; sorting and the empty-place invariant cover the first 18.
inline constexpr int kSortedSlots = 18;

struct TTableState {
  // The deck; DeckCard[36] is the face-up bottom card whose suit is trump. Index 0 unused.
  std::array<CardCode, 37> DeckCard{};
  std::array<std::uint8_t, 37> DeckRank{};
  std::array<std::uint8_t, 37> DeckMark{};
  std::uint8_t NextStock = kStockEmpty;
  bool StockEmptySaid = false;

  // Hands [seat 1..4][position 1..64]; this game uses seats 1 and 2, positions 1..10.
  std::array<HandCards, 5> HandCard{};
  std::array<HandRanks, 5> HandRank{};
  std::array<HandRanks, 5> HandMark{};
  std::array<std::uint8_t, 3> CardCount{};
  std::array<CardCode, 3> TableCard{};
  std::array<std::uint8_t, 3> TableRank{};
  std::array<std::uint8_t, 3> TableMark{};
  char TrumpSuit = kNoSuit;
  char LedSuit = kNoSuit;
  std::string ToMove = "co";
  std::uint8_t TurnState = kTurnSeat1;
  std::uint8_t RoundPhase = kPhaseDealt;

  // What seat 1 knows about seat 2.
  std::array<CardCode, 37> SeenCard{};
  std::uint8_t SeenCount = 1;
  std::bitset<256> OppVoid;

  // Round scoring.
  std::array<int, 3> TrickPoints{};
  std::array<std::uint8_t, 3> CardsTaken{};
  std::array<std::uint8_t, 3> RoundScore{};

  // The game and the career.
  std::array<int, 3> GameTotal{};
  std::uint8_t GameTarget = kGameTarget;
  bool TargetReached = false;
  bool GameOver = false;
  std::uint8_t RoundNo = 0;
  int GameNo = 1;
  std::string PrevGames = "0";
  int InitialScore = 0;
  int GameScore = 0;
  int GeneralScore = 0;
  double Rating = 0.0;

  // The hand size (6 or 10) fixed when the round was dealt: the option must not change
  // the rules in the middle of a round, so the round keeps its own copy.
  int HandSize = 6;

  TTableState();

  bool IsOppVoid(char suit) const { return OppVoid.test(static_cast<unsigned char>(suit)); }
  void SetOppVoid(char suit) { OppVoid.set(static_cast<unsigned char>(suit)); }
  // Seat that leads the current trick (and, between tricks, won the last one).
  int Leader() const { return ToMove == "co" ? kSeatCo : kSeatMe; }
};

// Sorts and compacts a seat's hand (seats 1..4): suits in the trump-dependent order with trumps
// last, each suit by ascending stored rank value, then EmptyCard / 99 / 99 up to position 18.
// Cards whose rank value lies outside 1..9 are not part of any suit order and are dropped,
// as are cards of an unknown suit. A seat outside 1..4 is ignored.
void SortHand(TTableState& state, int seat);

// The suit order SortHand uses for a trump suit (any other character: the no-trump order).
std::array<char, 4> SuitOrderFor(char trumpSuit);

}  // namespace tarnel

namespace tarnel {

// The same table seen from the other seat: hands, table cards and counters of seats 1 and 2
// exchanged, ToMove and TurnState 1/2 turned round. What seat 1 knows of seat 2 (SeenCard,
// OppVoid) is copied as it is; whoever takes the other seat's view decides what it may know.
TTableState SeatsSwapped(const TTableState& state);

// Checks that each of the 36 cards is in exactly one place: the stock DeckCard[NextStock..36],
// a hand (seats 1 and 2, positions 1..10), the table, or SeenCard[1..SeenCount-1]; and that
// both hands are compact with CardCount cards. Returns "" when all holds, else what is wrong.
std::string CheckCardPlaces(const TTableState& state);

}  // namespace tarnel
