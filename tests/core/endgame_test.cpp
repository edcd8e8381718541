#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/computer_player.h"
#include "core/endgame_positions.h"
#include "core/endgame_solver.h"
#include "test_support.h"

namespace tarnel {
namespace {

using test::C;
using test::Suit;

// Cards in hand order (as SortHand leaves them), positions 1.. .
EndgameHand Hand(std::initializer_list<const char*> cards, char trump) {
  EndgameHand h;
  int p = 0;
  for (const char* c : cards) {
    ++p;
    h.Card[p] = C(c);
    h.Rank[p] = RankValue(C(c), trump);
  }
  return h;
}

struct Expect {
  int position, value, pointsS, pointsO, takenS, takenO;
};

void CheckBoth(const EndgameHand& s, const EndgameHand& o, EndgameCounters c, char trump,
               CardCode led, const Expect& e) {
  EndgameOutcome ref = EndgameSearch(s, o, c, trump, led, RankValue(led, trump));
  EXPECT_EQ(ref.Position, e.position);
  EXPECT_EQ(ref.Value, e.value);
  EXPECT_EQ(ref.Counters.PointsS, e.pointsS);
  EXPECT_EQ(ref.Counters.PointsO, e.pointsO);
  EXPECT_EQ(ref.Counters.TakenS, e.takenS);
  EXPECT_EQ(ref.Counters.TakenO, e.takenO);
  SolverResult fast = SolveEndgame(ToSolverHand(s), ToSolverHand(o), c, trump, led);
  EXPECT_EQ(fast.Position, e.position);
  EXPECT_EQ(fast.Value, e.value);
}

// Three cards each, spades trump; 30 cards already taken (S 14, O 16) carrying 15 points.
TEST(EndgameSearch, LeadingFindsTheBestLineAndTheLowestPositionOfATie) {
  char T = Suit("п");
  EndgameHand s = Hand({"Тч", "7п", "Вп"}, T);
  EndgameHand o = Hand({"6ч", "7ч", "Тп"}, T);
  // Leading the ace of hearts or the trump jack both take all three tricks (the jack draws the
  // ace of trumps either first or second); leading the seven loses the ace of trumps' trick.
  CheckBoth(s, o, {10, 14, 5, 16}, T, EmptyCard, {1, 22, 25, 5, 20, 16});
}

TEST(EndgameSearch, AnsweringMayPreferALaterPosition) {
  char T = Suit("п");
  EndgameHand s = Hand({"Тч", "7п", "Вп"}, T);
  EndgameHand o = Hand({"6ч", "7ч"}, T);
  // O led the ace of trumps: the jack takes it and every trick after; the seven gives it away.
  CheckBoth(s, o, {10, 14, 5, 16}, T, C("Тп"), {3, 22, 25, 5, 20, 16});
}

TEST(EndgameSearch, TheLastTrickAndTheSurplus) {
  char T = Suit("ч");
  // One card each, S answers: following with the higher heart takes the last trick.
  EndgameHand s = Hand({"Вч"}, T);
  EndgameHand o;
  CheckBoth(s, o, {0, 20, 19, 14}, T, C("1ч"), {1, 0 + 21 + 4 - 19, 21, 19, 22, 14});
}

TEST(EndgameSearch, NoCardsGiveNoPosition) {
  EndgameHand empty;
  EndgameOutcome out = EndgameSearch(empty, empty, {3, 20, 1, 16}, Suit("п"), EmptyCard, 0);
  EXPECT_EQ(out.Position, 0);
  EXPECT_EQ(out.Value, 3 + 2 - 1);
}

TEST(SolveEndgame, RejectsPositionsThatAreNotAWholeRound) {
  char T = Suit("п");
  EndgameHand s = Hand({"Тч", "7п"}, T);
  EndgameHand o = Hand({"6ч", "7ч"}, T);
  // Counters that leave cards unaccounted for, a repeated card, and uneven hands.
  EXPECT_EQ(SolveEndgame(ToSolverHand(s), ToSolverHand(o), {0, 10, 0, 10}, T, EmptyCard).Position, -1);
  EXPECT_EQ(SolveEndgame(ToSolverHand(s), ToSolverHand(s), {0, 16, 0, 16}, T, EmptyCard).Position, -1);
  EXPECT_EQ(SolveEndgame(ToSolverHand(s), ToSolverHand(o), {0, 16, 0, 16}, T, C("8ч")).Position, -1);
  EXPECT_EQ(SolveEndgame(ToSolverHand(s), ToSolverHand(o), {0, 16, 0, 16}, T, EmptyCard).Position, 1);
}

// The fast solver must give the reference's card and value on every position. Long: it runs
// the exhaustive search 100,000 times, on both cores.
TEST(EndgameDifferential, FastSolverMatchesTheReferenceSearch) {
  constexpr int kPositions = 100000;
  constexpr int kThreads = 2;
  std::atomic<int> mismatches{0};
  std::atomic<int> firstBadSeed{-1};
  auto work = [&](int part) {
    for (int i = part; i < kPositions; i += kThreads) {
      SeededRandom random(static_cast<std::uint64_t>(i) + 1);
      TTableState s = RandomEndgameState(random, i % 2 == 1);
      EndgameOutcome ref = SearchEndgameFor(s, EndgameEngine::Reference);
      EndgameOutcome fast = SearchEndgameFor(s, EndgameEngine::Fast);
      if (ref.Position != fast.Position || ref.Value != fast.Value) {
        ++mismatches;
        int none = -1;
        firstBadSeed.compare_exchange_strong(none, i + 1);
      }
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(work, t);
  for (auto& t : threads) t.join();
  EXPECT_EQ(mismatches.load(), 0) << "first mismatch at seed " << firstBadSeed.load();
}

}  // namespace
}  // namespace tarnel
