// The expert player: what its sampler may deal, its agreement with the exact solver, seeds, the
// segment values with a stock still to come, and the hint.
#include <gtest/gtest.h>

#include <bit>
#include <functional>

#include "core/computer_player.h"
#include "core/expert_player.h"
#include "core/game_positions.h"
#include "core/round_shape.h"
#include "core/rules.h"

namespace tarnel {
namespace {

CardMask Bit(int c) {
  return CardMask{1} << c;
}
int Index(CardCode card) {
  return NumberOfCard(card) - 1;
}

CardMask HandOf(const TTableState& s, int seat) {
  CardMask m = 0;
  for (int p = 1; p <= s.CardCount[seat]; ++p)
    m |= Bit(Index(s.HandCard[seat][p]));
  return m;
}

CardMask SuitCards(char suit) {
  CardMask m = 0;
  for (int c = SuitIndex(suit); c < 36; c += 4)
    m |= Bit(c);
  return m;
}

// Cards seat 1 may not be dealt: its hand, the collected tricks, the table, the bottom card
// while it lies face up.
CardMask KnownToSeat1(const TTableState& s) {
  CardMask m = HandOf(s, kSeatCo);
  for (int i = 1; i < s.SeenCount; ++i)
    m |= Bit(Index(s.SeenCard[i]));
  for (int seat : {kSeatCo, kSeatMe})
    if (s.TableCard[seat] != EmptyCard) m |= Bit(Index(s.TableCard[seat]));
  if (s.HandSize == 10 || s.NextStock <= 36) m |= Bit(Index(s.DeckCard[36]));
  return m;
}

CardMask StockOf(const TTableState& s) {
  CardMask m = 0;
  for (int i = s.NextStock; i <= 36; ++i)
    m |= Bit(Index(s.DeckCard[i]));
  return m;
}

class ExpertPositions : public testing::TestWithParam<int> {};

TEST_P(ExpertPositions, SamplerDealsOnlyWhatSeat1CannotSee) {
  SeededRandom games(7 + GetParam());
  std::vector<TTableState> positions = Seat1Decisions(games, GetParam(), 400);
  SeededRandom random(3);
  int checked = 0, withVoid = 0;
  for (const TTableState& s : positions) {
    std::bitset<256> voids = CurrentVoids(s);
    // The voids the expert trusts must hold for seat 2's real hand.
    for (char suit : kSuits) {
      if (voids.test(static_cast<unsigned char>(suit))) {
        ASSERT_EQ(HandOf(s, kSeatMe) & SuitCards(suit), 0u) << "stale void " << suit;
      }
    }
    SeatKnowledge k = KnowledgeOf(s, voids);
    CardMask realUnseen = HandOf(s, kSeatMe) | (StockOf(s) & ~Bit(Index(s.DeckCard[36])));
    ASSERT_EQ(k.Unseen, realUnseen);
    for (int n = 0; n < 5; ++n, ++checked) {
      SampledWorld w = SampleWorld(k, random);
      ASSERT_EQ(w.Hidden & KnownToSeat1(s), 0u);
      ASSERT_EQ(std::popcount(w.Hidden), s.CardCount[kSeatMe]);
      for (char suit : kSuits) {
        if (!voids.test(static_cast<unsigned char>(suit))) continue;
        ++withVoid;
        ASSERT_EQ(w.Hidden & SuitCards(suit), 0u);
      }
      if (s.HandSize == 6 && s.NextStock <= 36) {
        // The stock holds the rest, each card once, the face-up card drawn last.
        ASSERT_EQ(static_cast<int>(w.Stock.size()), kStockEmpty - s.NextStock);
        ASSERT_EQ(w.Stock.back(), Index(s.DeckCard[36]));
        CardMask stock = 0;
        for (int c : w.Stock)
          stock |= Bit(c);
        ASSERT_EQ(stock | w.Hidden, StockOf(s) | HandOf(s, kSeatMe));
        ASSERT_EQ(stock & w.Hidden, 0u);
      } else {
        ASSERT_TRUE(w.Stock.empty());
        ASSERT_EQ(w.Hidden & ~realUnseen, 0u);
      }
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_GT(withVoid, 0);
}

// The decision may depend on nothing seat 1 cannot see: deal seat 2's hand and the stock anew
// and the expert plays the same card.
TEST_P(ExpertPositions, DecisionIgnoresSeat2sHiddenCards) {
  SeededRandom games(21 + GetParam());
  std::vector<TTableState> positions = Seat1Decisions(games, GetParam(), 60);
  SeededRandom random(5);
  ExpertOptions options;
  options.Samples = 40;
  int compared = 0;
  for (std::size_t i = 0; i < positions.size(); i += 3) {
    const TTableState& s = positions[i];
    if (EndgameApplies(s)) continue;
    SeatKnowledge k = KnowledgeOf(s, CurrentVoids(s));
    SampledWorld w = SampleWorld(k, random);
    // The stock below the face-up card: drawn in the sampled order, or left out (10 cards).
    std::vector<int> rest(w.Stock.begin(), w.Stock.end() - (w.Stock.empty() ? 0 : 1));
    if (w.Stock.empty())
      for (CardMask m = k.Unseen & ~w.Hidden; m; m &= m - 1)
        rest.push_back(std::countr_zero(m));
    TTableState other = s;
    int p = 0;
    for (CardMask m = w.Hidden; m; m &= m - 1) {
      CardCode c = *CardNumber(std::countr_zero(m) + 1);
      ++p;
      other.HandCard[kSeatMe][p] = c;
      other.HandRank[kSeatMe][p] = RankValue(c, s.TrumpSuit);
    }
    for (std::size_t j = 0; j < rest.size(); ++j) {
      CardCode c = *CardNumber(rest[j] + 1);
      other.DeckCard[s.NextStock + j] = c;
      other.DeckRank[s.NextStock + j] = RankValue(c, s.TrumpSuit);
    }
    SortHand(other, kSeatMe);
    ASSERT_EQ(CheckCardPlaces(other), "");
    EXPECT_EQ(ExpertMove(s, options).Position, ExpertMove(other, options).Position);
    ++compared;
  }
  EXPECT_GT(compared, 5);
}

INSTANTIATE_TEST_SUITE_P(HandSizes, ExpertPositions, testing::Values(6, 10));

TEST(Expert, WithOnePossibleWorldPlaysTheSolversCard) {
  SeededRandom games(4);
  int compared = 0;
  for (const TTableState& s : Seat1Decisions(games, 6, 300)) {
    if (!EndgameApplies(s)) continue;
    // Stock empty: seat 2 holds exactly the unseen cards, whatever the sampler draws.
    ExpertOptions options;
    options.Samples = 3;
    ExpertDecision d = SampledDecision(s, s.OppVoid, 0, options);
    EndgameOutcome exact = SearchEndgameFor(s, EndgameEngine::Reference);
    ASSERT_EQ(d.Position, exact.Position);
    EndgameCounters c = EndgameCountersOf(s);
    int base = c.PointsS - c.PointsO + (c.TakenS - c.TakenO) / 2;
    EXPECT_EQ(d.Total[d.Position], 3LL * (exact.Value - base));
    EXPECT_EQ(ExpertMove(s, options).Position, exact.Position);
    ++compared;
  }
  EXPECT_GT(compared, 30);
}

TEST(Expert, SameSeedSameCardWhateverTheThreads) {
  SeededRandom games(9);
  std::vector<TTableState> positions = Seat1Decisions(games, 6, 40);
  int differing = 0;
  for (std::size_t i = 0; i < positions.size(); i += 4) {
    const TTableState& s = positions[i];
    ExpertOptions one{60, 1, 17}, two{60, 2, 17}, otherSeed{60, 2, 18};
    ExpertDecision a = SampledDecision(s, CurrentVoids(s), 0, one);
    ExpertDecision b = SampledDecision(s, CurrentVoids(s), 0, two);
    EXPECT_EQ(a.Position, b.Position);
    EXPECT_EQ(a.Total, b.Total);
    EXPECT_EQ(ExpertMove(s, two).Position, ExpertMove(s, two).Position);
    if (SampledDecision(s, CurrentVoids(s), 0, otherSeed).Total != a.Total) ++differing;
  }
  // The seed does choose the deals.
  EXPECT_GT(differing, 0);
}

// Segment values with a stock to come, against a plain search: two cards a side are played
// out by brute force, then the last 12 cards are dealt to the winner and loser of the last trick
// and solved by the endgame solver.
TEST(SegmentSolver, TailFollowsTheWinnerOfTheLastTrick) {
  SeededRandom random(12);
  SegmentSolver solver;
  for (int round = 0; round < 200; ++round) {
    std::vector<int> deck(36);
    for (int i = 0; i < 36; ++i)
      deck[i] = i;
    for (int i = 35; i > 0; --i)
      std::swap(deck[i], deck[random.Uniform(0, i)]);
    char trump = kSuits[random.Uniform(0, 3)];
    CardMask s = Bit(deck[0]) | Bit(deck[1]), o = Bit(deck[2]) | Bit(deck[3]);
    std::vector<int> stock(deck.begin() + 4, deck.begin() + 16);
    auto card = [](int c) { return *CardNumber(c + 1); };
    auto finalValue = [&](bool sWon) {  // seen from S
      SolverHand w, l;
      for (int i = 0; i < 6; ++i) {
        w.Card[i + 1] = card(stock[2 * i]);
        l.Card[i + 1] = card(stock[2 * i + 1]);
      }
      EndgameCounters c{0, 12, 0, 12};
      int v = SolveEndgame(w, l, c, trump, EmptyCard).Value;
      return sWon ? v : -v;
    };
    auto legal = [&](CardMask hand, int led) {
      CardMask follow = hand & SuitCards(card(led).Suit);
      CardMask trumps = hand & SuitCards(trump);
      return follow ? follow : trumps ? trumps : hand;
    };
    // Value for S of S (sLeads) or O leading with these hands.
    std::function<int(CardMask, CardMask, bool)> brute = [&](CardMask sh, CardMask oh,
                                                             bool sLeads) {
      if (!sh) return finalValue(sLeads);
      CardMask lead = sLeads ? sh : oh, follow = sLeads ? oh : sh;
      int best = sLeads ? -1000 : 1000;
      for (CardMask a = lead; a; a &= a - 1) {
        int x = std::countr_zero(a);
        int worst = sLeads ? 1000 : -1000;
        for (CardMask b = legal(follow, x); b; b &= b - 1) {
          int y = std::countr_zero(b);
          bool followerWins = card(x).Suit == card(y).Suit
                                  ? RankValue(card(y), trump) > RankValue(card(x), trump)
                                  : card(y).Suit == trump;
          bool sWins = sLeads != followerWins;
          int worth = CardPoints(card(x), trump) + CardPoints(card(y), trump) + 1;
          CardMask ns = sh & ~Bit(sLeads ? x : y), no = oh & ~Bit(sLeads ? y : x);
          int v = (sWins ? worth : -worth) + brute(ns, no, sWins);
          worst = sLeads ? std::min(worst, v) : std::max(worst, v);
        }
        best = sLeads ? std::max(best, worst) : std::min(best, worst);
      }
      return best;
    };
    SegmentTail tail{finalValue(true), finalValue(false)};
    std::array<int, 36> values;
    solver.MoveValues(s, o, trump, -1, tail, values);
    for (CardMask a = s; a; a &= a - 1) {
      int x = std::countr_zero(a);
      // S leads x: O's best answer, by brute force over O's replies.
      int expect = 1000;
      for (CardMask b = legal(o, x); b; b &= b - 1) {
        int y = std::countr_zero(b);
        bool oWins = card(x).Suit == card(y).Suit
                         ? RankValue(card(y), trump) > RankValue(card(x), trump)
                         : card(y).Suit == trump;
        int worth = CardPoints(card(x), trump) + CardPoints(card(y), trump) + 1;
        expect =
            std::min(expect, (oWins ? -worth : worth) + brute(s & ~Bit(x), o & ~Bit(y), !oWins));
      }
      ASSERT_EQ(values[x], expect) << "round " << round;
    }
    ASSERT_EQ(solver.LeadValue(s, o, trump, tail), brute(s, o, true));
  }
}

// One solver answers all the deals of a decision in turn, keeping its table and its guesses from
// deal to deal; every card's value must still be the one a fresh full-window search finds. A
// segment with a non-zero tail in between must not leave entries the next deal would trust.
TEST(SegmentSolver, DealsOfOneDecisionShareTheTableExactly) {
  SeededRandom random(41);
  auto card = [](int c) { return *CardNumber(c + 1); };
  auto hand = [&](CardMask m) {
    SolverHand h;
    int p = 1;
    for (; m; m &= m - 1)
      h.Card[p++] = card(std::countr_zero(m));
    return h;
  };
  constexpr int kThreshold = 10;
  for (int decision = 0; decision < 12; ++decision) {
    const int n = 3 + decision % 8;  // 3..10 cards a side
    const bool answering = decision % 3 == 2;
    char trump = kSuits[random.Uniform(0, 3)];
    std::vector<int> deck(36);
    for (int i = 0; i < 36; ++i)
      deck[i] = i;
    for (int i = 35; i > 0; --i)
      std::swap(deck[i], deck[random.Uniform(0, i)]);
    CardMask s = 0;
    for (int i = 0; i < n; ++i)
      s |= Bit(deck[i]);
    int led = answering ? deck[n] : -1;
    std::vector<int> pool(deck.begin() + n + (answering ? 1 : 0), deck.end());
    SegmentSolver solver;
    for (int deal = 0; deal < 8; ++deal) {
      for (int i = static_cast<int>(pool.size()) - 1; i > 0; --i)
        std::swap(pool[i], pool[random.Uniform(0, i)]);
      CardMask o = 0;
      for (int i = 0; i < (answering ? n - 1 : n); ++i)
        o |= Bit(pool[i]);
      if (deal % 4 == 3) {  // the same cards as a segment worth something afterwards
        CardMask leader = answering ? s & (s - 1) : s;
        solver.LeadValue(leader, o, trump, SegmentTail{7, -5});
      }
      std::array<int, 36> values;
      solver.MoveValues(s, o, trump, led, SegmentTail{}, values);
      int legalCount = 0;
      for (int c = 0; c < 36; ++c) {
        if (values[c] == kNoMoveValue) continue;
        ++legalCount;
        int expect;
        if (!answering) {
          int taken = kThreshold - n;
          EndgameCounters counters{0, taken, 0, taken};
          expect =
              -SolveEndgame(hand(o), hand(s & ~Bit(c)), counters, trump, card(c), kThreshold).Value;
        } else {
          int worth = CardPoints(card(led), trump) + CardPoints(card(c), trump) + 1;
          bool sWins = card(led).Suit == card(c).Suit
                           ? RankValue(card(c), trump) > RankValue(card(led), trump)
                           : card(c).Suit == trump;
          CardMask sRest = s & ~Bit(c);
          int taken = kThreshold - (n - 1);
          EndgameCounters counters{0, taken, 0, taken};
          int rest = SolveEndgame(hand(sWins ? sRest : o), hand(sWins ? o : sRest), counters, trump,
                                  EmptyCard, kThreshold)
                         .Value;
          expect = sWins ? worth + rest : -worth - rest;
        }
        ASSERT_EQ(values[c], expect) << "decision " << decision << " deal " << deal;
      }
      ASSERT_GT(legalCount, 0);
    }
  }
}

bool SameTable(const TTableState& a, const TTableState& b) {
  return a.DeckCard == b.DeckCard && a.HandCard == b.HandCard && a.HandRank == b.HandRank &&
         a.CardCount == b.CardCount && a.TableCard == b.TableCard && a.SeenCard == b.SeenCard &&
         a.SeenCount == b.SeenCount && a.OppVoid == b.OppVoid && a.NextStock == b.NextStock &&
         a.ToMove == b.ToMove && a.TurnState == b.TurnState && a.LedSuit == b.LedSuit &&
         a.TrickPoints == b.TrickPoints && a.CardsTaken == b.CardsTaken;
}

TEST(Hint, NamesALegalCardOfSeat2AndLeavesTheStateAlone) {
  SeededRandom games(31);
  ExpertOptions options;
  options.Samples = 30;
  int hints = 0;
  for (const TTableState& seat1ToPlay : Seat1Decisions(games, 6, 80)) {
    // Let seat 1 play its rule-list card so that it is seat 2's turn.
    TTableState s = seat1ToPlay;
    if (HintFor(s, options) != 0) ADD_FAILURE() << "a hint while seat 1 is to play";
    SeededRandom r(1);
    int p = s.Leader() == kSeatCo ? ComputerLead(s, r) : ComputerAnswer(s);
    if (s.Leader() != kSeatCo) continue;  // seat 1 answered: the trick is complete
    s.TableCard[kSeatCo] = s.HandCard[kSeatCo][p];
    s.TableRank[kSeatCo] = s.HandRank[kSeatCo][p];
    s.LedSuit = s.TableCard[kSeatCo].Suit;
    s.HandCard[kSeatCo][p] = EmptyCard;
    s.HandRank[kSeatCo][p] = EmptyRank;
    SortHand(s, kSeatCo);
    s.TurnState = kTurnSeat2;
    const TTableState before = s;
    int hint = HintFor(s, options);
    ASSERT_TRUE(SameTable(s, before));
    ASSERT_GE(hint, 1);
    ASSERT_LE(hint, s.CardCount[kSeatMe]);
    EXPECT_EQ(CheckAnswer(s, hint), 0) << "hint " << CardToUtf8(s.HandCard[kSeatMe][hint]);
    EXPECT_EQ(HintFor(s, options), hint);
    ++hints;
  }
  EXPECT_GT(hints, 10);
}

}  // namespace
}  // namespace tarnel
