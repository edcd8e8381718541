// Cards of the 36-card deck: codes, rank values, points and hand queries.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Windows-1251 bytes of the rank and suit characters used in card codes.
namespace cp {
inline constexpr char kJack = '\xC2';   // В
inline constexpr char kQueen = '\xC4';  // Д
inline constexpr char kKing = '\xCA';   // К
inline constexpr char kAce = '\xD2';    // Т
inline constexpr char kHearts = '\xF7';    // ч
inline constexpr char kDiamonds = '\xE1';  // б
inline constexpr char kClubs = '\xEA';     // к
inline constexpr char kSpades = '\xEF';    // п
}  // namespace cp

inline constexpr char kNoSuit = '#';

// A card as its two Windows-1251 bytes: rank character, then suit character.
struct CardCode {
  char Rank = '#';
  char Suit = '#';

  constexpr bool operator==(const CardCode&) const = default;
  // The code as it is stored and sent: exactly two bytes.
  std::string Bytes() const { return std::string{Rank, Suit}; }
};

inline constexpr CardCode EmptyCard{'#', '#'};
inline constexpr std::uint8_t EmptyRank = 99;
inline constexpr std::uint8_t EmptyMark = 99;

// Suits in the shuffle numbering order: hearts, diamonds, clubs, spades.
inline constexpr std::array<char, 4> kSuits = {cp::kHearts, cp::kDiamonds, cp::kClubs,
                                               cp::kSpades};
// Rank characters from six up to ace (natural order); the ten is "1".
inline constexpr std::array<char, 9> kRanks = {'6', '7', '8', '9', '1',
                                               cp::kJack, cp::kQueen, cp::kKing, cp::kAce};

bool IsSuit(char c);
bool IsRank(char c);
// True for the 36 codes of the deck; false for EmptyCard and anything else.
bool IsDeckCard(CardCode card);

// Index 0 (six) .. 8 (ace) of a rank character; -1 for anything else.
int RankIndex(char rank);
// Index 0 (hearts) .. 3 (spades) of a suit character; -1 for anything else.
int SuitIndex(char suit);

// Rank value 1..9 outside trumps (natural order); 99 for a character that is no rank.
std::uint8_t PlainRankValue(char rank);
// Rank value 1..9 inside the trump suit (jack 9 above ace 8); 99 for no rank.
std::uint8_t TrumpRankValue(char rank);
// The rank value a card carries given the trump suit; 99 for EmptyCard or a foreign code.
std::uint8_t RankValue(CardCode card, char trumpSuit);
// Points of a card: only the five top trumps score. 0 for everything else.
int CardPoints(CardCode card, char trumpSuit);

// Shuffle numbering 1..36 (rank by rank, suits in kSuits order). Outside 1..36: nullopt.
std::optional<CardCode> CardNumber(int n);
// The inverse: 1..36 for a deck card, 0 otherwise.
int NumberOfCard(CardCode card);

// Parses a two-character UTF-8 code such as "1п" or "Тч"; "##" gives EmptyCard.
std::optional<CardCode> ParseCardUtf8(std::string_view text);
// The code as UTF-8 text for display ("##" for the empty card).
std::string CardToUtf8(CardCode card);

// A hand is addressed by positions 1..10; index 0 and positions above 10 are never read by the
// queries below. The arrays are as wide as the stored hands of the game state.
inline constexpr int kHandSlots = 64;
using HandCards = std::array<CardCode, kHandSlots + 1>;
using HandRanks = std::array<std::uint8_t, kHandSlots + 1>;
inline constexpr int kMaxHandPos = 10;

bool HasCard(const HandCards& hand, CardCode card);
// The last position 1..10 holding exactly the code; 0 if none ("##" finds the last empty place).
int PosOfCard(const HandCards& hand, CardCode card);
// Suit queries answer 0 / false / 0 for a character that is no suit ("#" included).
int CountSuit(const HandCards& hand, char suit);
bool HasSuit(const HandCards& hand, char suit);
// Natural-order search by rank character, even for trumps. 0 if the suit is absent.
int LowestOfSuit(const HandCards& hand, char suit);
int HighestOfSuit(const HandCards& hand, char suit);
// Stored-rank extremes (trump order inside trumps); only values 1..9 count. 0 if none.
int MaxRankOfSuit(const HandCards& hand, const HandRanks& ranks, char suit);
int MinRankOfSuit(const HandCards& hand, const HandRanks& ranks, char suit);

}  // namespace tarnel
