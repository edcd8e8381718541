// The arithmetic of a round that follows from its hand size: 6 cards a seat refilled twice from
// the stock, or 10 cards a seat once with the rest of the deck left out.
#pragma once

namespace tarnel {

struct RoundShape {
  int HandSize = 6;         // cards dealt to each seat at a time
  int FirstStockCard = 13;  // NextStock after the deal
  int Tricks = 18;          // tricks in the whole round
  int SurplusThreshold = 18;  // cards taken beyond this score one point each: half those played
  bool Refills = true;      // empty hands are refilled from the stock

  // Anything but 10 deals 6.
  static constexpr RoundShape Of(int handSize) {
    if (handSize == 10) return RoundShape{10, 21, 10, 10, false};
    return RoundShape{};
  }
  // Cards that take part in the round: dealt, and drawn from the stock when it refills.
  constexpr int CardsInPlay() const { return 2 * Tricks; }
};

// The computer's exact endgame: 6 cards a seat with the stock empty.
inline constexpr RoundShape kEndgameShape = RoundShape::Of(6);

}  // namespace tarnel
