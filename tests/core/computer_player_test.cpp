#include <gtest/gtest.h>

#include "core/computer_player.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::SetHand;
using test::Suit;

// Seat 1 to lead (or answer) in the middle of a 6-card round with spades trump.
struct Position {
  TTableState s;
  explicit Position(const char* trump = "п") {
    s.TrumpSuit = Suit(trump);
    s.HandSize = 6;
    s.NextStock = 25;
    s.ToMove = "co";
    s.TurnState = kTurnSeat1;
    s.RoundPhase = kPhasePlaying;
  }
  Position& Hand(std::initializer_list<const char*> cards) {
    SetHand(s, kSeatCo, cards);
    SortHand(s, kSeatCo);
    return *this;
  }
  Position& Seen(std::initializer_list<const char*> cards) {
    for (const char* c : cards) s.SeenCard[s.SeenCount++] = C(c);
    return *this;
  }
  Position& Void(const char* suit) {
    s.SetOppVoid(Suit(suit));
    return *this;
  }
  Position& Led(const char* card) {
    s.ToMove = "me";
    s.TableCard[kSeatMe] = C(card);
    s.TableRank[kSeatMe] = RankValue(C(card), s.TrumpSuit);
    s.LedSuit = C(card).Suit;
    return *this;
  }
  std::string Lead() {
    SeededRandom random(1);
    return CardToUtf8(s.HandCard[kSeatCo][ComputerLead(s, random)]);
  }
  std::string Answer() { return CardToUtf8(s.HandCard[kSeatCo][ComputerAnswer(s)]); }
};

TEST(ComputerLead, EveryTrumpLeadRule) {
  // Trumps held (besides two plain fillers that no other rule picks), trumps seen, the lead.
  struct Case {
    int rule;
    std::vector<const char*> holds, seen;
    const char* lead;
  } cases[] = {
      {1, {"1п", "Дп", "Кп", "Тп", "Вп"}, {}, "1п"},
      {2, {"Дп", "Кп", "Тп", "Вп"}, {}, "Вп"},
      {3, {"1п", "Кп", "Тп", "Вп"}, {}, "Вп"},
      {4, {"1п", "Дп", "Тп", "Вп"}, {}, "Вп"},
      {5, {"1п", "Дп", "Кп", "Вп"}, {"Тп"}, "Вп"},
      {6, {"1п", "Дп", "Кп", "Тп"}, {"Вп"}, "1п"},
      {7, {"1п", "Дп", "Кп"}, {"Тп", "Вп"}, "1п"},
      {8, {"1п", "Дп", "Тп"}, {"Кп", "Вп"}, "1п"},
      {9, {"1п", "Дп", "Вп"}, {"Тп", "Кп"}, "Вп"},
      {10, {"1п", "Кп", "Тп"}, {"Вп"}, "Тп"},
      {11, {"1п", "Кп", "Вп"}, {"Тп"}, "Вп"},
      {12, {"1п", "Тп", "Вп"}, {"Дп"}, "Вп"},
      {13, {"1п", "Тп", "Вп"}, {"Кп"}, "Вп"},
      {14, {"Дп", "Кп", "Тп"}, {"Вп"}, "Тп"},
      {15, {"Дп", "Кп", "Вп"}, {"Тп"}, "Вп"},
      {16, {"Кп", "Тп", "Вп"}, {}, "Вп"},
      {17, {"1п", "Дп"}, {"Кп", "Тп", "Вп"}, "1п"},
      {18, {"1п", "Кп"}, {"Дп", "Тп", "Вп"}, "1п"},
      {19, {"1п", "Тп"}, {"Дп", "Кп", "Вп"}, "1п"},
      {20, {"1п", "Вп"}, {"Дп", "Кп", "Тп"}, "1п"},
      {21, {"Дп", "Кп"}, {"Тп", "Вп"}, "Кп"},
      {22, {"Дп", "Тп"}, {"Кп", "Вп"}, "Дп"},
      {23, {"Дп", "Вп"}, {"Кп", "Тп"}, "Вп"},
      {24, {"Кп", "Тп"}, {"Вп"}, "Кп"},
      {25, {"Кп", "Вп"}, {"Тп"}, "Вп"},
      {26, {"Тп", "Вп"}, {}, "Вп"},
      {27, {"1п"}, {"Дп", "Кп", "Тп", "Вп"}, "1п"},
      {28, {"Дп"}, {"Кп", "Тп", "Вп"}, "Дп"},
      {29, {"Кп"}, {"1п", "Дп", "Тп", "Вп"}, "Кп"},
      {30, {"Тп"}, {"1п", "Дп", "Кп", "Вп"}, "Тп"},
  };
  for (const auto& c : cases) {
    Position pos;
    std::vector<const char*> hand = c.holds;
    hand.push_back("7ч");
    hand.push_back("9ч");
    SetHand(pos.s, kSeatCo, {});
    for (std::size_t i = 0; i < hand.size(); ++i) {
      pos.s.HandCard[kSeatCo][i + 1] = C(hand[i]);
      pos.s.HandRank[kSeatCo][i + 1] = RankValue(C(hand[i]), pos.s.TrumpSuit);
    }
    pos.s.CardCount[kSeatCo] = static_cast<std::uint8_t>(hand.size());
    SortHand(pos.s, kSeatCo);
    for (const char* x : c.seen) pos.s.SeenCard[pos.s.SeenCount++] = C(x);
    EXPECT_EQ(pos.Lead(), c.lead) << "rule " << c.rule;
    // Once seat 2 is known to hold no trump, no trump rule applies.
    pos.Void("п");
    SeededRandom random(1);
    EXPECT_EQ(pos.s.HandCard[kSeatCo][ComputerLead(pos.s, random)].Suit, Suit("ч"))
        << "rule " << c.rule;
  }
}

TEST(ComputerLead, PlainSuitSteps) {
  struct Case {
    const char* what;
    Position pos;
    const char* lead;
  } cases[] = {
      // Forcing: seat 2 is out of diamonds, lead the lowest diamond.
      {"forcing", Position().Hand({"Тч", "Кб", "8б", "7к", "9к", "6п"}).Void("б"), "8б"},
      // A trump void is not forcing: the run rule leads the lone heart.
      {"no forcing in trumps", Position().Hand({"Тч", "8к", "9к", "6п"}).Void("п"), "Тч"},
      // Sure winners: a lone king once the ace is seen, before the singleton heart...
      {"lone king", Position().Hand({"Кк", "7ч", "8б", "1б", "6п"}).Seen({"Тк", "6ч"}), "Кк"},
      // ...but not before: then the run rule takes the first singleton in suit order.
      {"king not sure", Position().Hand({"Кк", "7ч", "8б", "1б", "6п"}), "7ч"},
      // A lone six is never a sure winner, even with everything above it gone.
      {"lone six", Position()
                       .Hand({"6к", "Тч", "9ч", "Вб", "7б", "6п"})
                       .Seen({"7к", "8к", "9к", "1к", "Вк", "Дк", "Кк", "Тк"}),
       "6к"},  // led by the run rule as a singleton, the first suit in order with one card
      // Pair (Q, 9) with K, A, J, 10 seen: lead the queen.
      {"pair", Position()
                   .Hand({"Дб", "9б", "7ч", "9ч", "Кч", "6п"})
                   .Seen({"Кб", "Тб", "Вб", "1б"}),
       "Дб"},
      // Pair (9, 8) never qualifies.
      {"pair 9-8", Position()
                       .Hand({"9б", "8б", "7ч", "1ч", "Кч", "6п"})
                       .Seen({"1б", "Вб", "Дб", "Кб", "Тб"}),
       "8б"},  // the run rule: 9-8 is an unbroken run of two
      // Runs: the shortest unbroken sequence of a non-trump suit, lowest card first.
      {"run", Position().Hand({"7ч", "9ч", "8б", "9б", "1б", "6п"}), "8б"},
      // No rule: the highest non-trump card, latest in hand order on a tie.
      {"highest plain", Position().Hand({"7ч", "Тч", "8к", "Тк", "6п"}), "Тк"},
      {"only trumps", Position().Hand({"6п", "8п", "9п"}).Void("п"), "9п"},
  };
  for (auto& c : cases) EXPECT_EQ(c.pos.Lead(), c.lead) << c.what;
}

TEST(ComputerAnswer, Steps) {
  struct Case {
    const char* what;
    Position pos;
    const char* answer;
  } cases[] = {
      {"cannot win: lowest of suit", Position().Hand({"7ч", "9ч", "Тб"}).Led("1ч"), "7ч"},
      {"win cheapest", Position().Hand({"1к", "Дк", "Тк", "6б"}).Led("9к"), "1к"},
      {"trump led, cannot win: fewest points, ten last",
       Position().Hand({"1п", "Дп", "7ч"}).Led("Вп"), "Дп"},
      {"trump led, only the ten", Position().Hand({"1п", "7ч"}).Led("Вп"), "1п"},
      {"queen of trumps led, ace when the jack is out",
       Position().Hand({"1п", "Тп", "7ч"}).Led("Дп"), "Тп"},
      {"trump the plain lead with the ten", Position().Hand({"1п", "7п", "Тб"}).Led("8ч"), "1п"},
      {"ace kept while the jack may fall on it",
       Position().Hand({"Тп", "7п", "Тб"}).Led("8ч").Seen({"Вп", "6ч"}), "7п"},
      {"neither: lowest rank value, latest on a tie",
       Position().Hand({"7ч", "7б", "Кк"}).Led("9к"), "Кк"},
      {"neither suit nor trump", Position().Hand({"7ч", "7б", "Кб"}).Led("9к"), "7б"},
  };
  for (auto& c : cases) EXPECT_EQ(c.pos.Answer(), c.answer) << c.what;
}

TEST(ChooseTrump, BanksPointsWhileTheyAreSafe) {
  struct Case {
    std::vector<const char*> hand;
    std::vector<const char*> seen;
    int d;
    const char* expected;
  } cases[] = {
      {{"1п", "Тп", "7п"}, {}, 4, "1п"},        // the ten beats a nine
      {{"1п", "Тп", "7п"}, {}, 5, "Тп"},        // not the ten against the ten's rank; jack out
      {{"Тп", "Кп", "7п"}, {"Вп"}, 0, "7п"},    // jack seen, ace held: nothing is out
      {{"Кп", "7п"}, {"Вп"}, 0, "Кп"},          // the ace is out: bank the king
      {{"Тп", "Дп", "7п"}, {"Вп", "Кп"}, 0, "7п"},  // J, K seen, A held: nothing is out
      {{"Дп", "8п"}, {}, 0, "Дп"},               // jack out: the queen
      {{"Вп", "8п"}, {}, 8, "Вп"},               // only the jack beats the ace
      {{"8п"}, {}, 8, "##"},                     // nothing beats it
  };
  for (const auto& c : cases) {
    Position pos;
    SetHand(pos.s, kSeatCo, {});
    for (std::size_t i = 0; i < c.hand.size(); ++i) {
      pos.s.HandCard[kSeatCo][i + 1] = C(c.hand[i]);
      pos.s.HandRank[kSeatCo][i + 1] = RankValue(C(c.hand[i]), pos.s.TrumpSuit);
    }
    pos.s.CardCount[kSeatCo] = static_cast<std::uint8_t>(c.hand.size());
    SortHand(pos.s, kSeatCo);
    for (const char* x : c.seen) pos.s.SeenCard[pos.s.SeenCount++] = C(x);
    EXPECT_EQ(CardToUtf8(pos.s.HandCard[kSeatCo][ChooseTrump(pos.s, c.d)]), c.expected)
        << c.hand[0] << " d=" << c.d;
  }
}

}  // namespace
}  // namespace tarnel
