#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <map>
#include <sstream>
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

// The fast solver must give the reference's card and value on every position: the seeds
// 1..kSeeds here, the recorded positions below, and as many as wanted with
// `tarnel-lab bench endgame --positions N`, which exits 1 on any disagreement.
TEST(EndgameDifferential, FastSolverMatchesTheReferenceSearch) {
  constexpr int kSeeds = 2000;
  constexpr int kThreads = 2;
  std::atomic<int> mismatches{0};
  std::atomic<int> firstBadSeed{-1};
  auto work = [&](int part) {
    for (int seed = 1 + part; seed <= kSeeds; seed += kThreads) {
      TTableState s = EndgameStateOfSeed(static_cast<std::uint64_t>(seed));
      EndgameOutcome ref = SearchEndgameFor(s, EndgameEngine::Reference);
      EndgameOutcome fast = SearchEndgameFor(s, EndgameEngine::Fast);
      if (ref.Position != fast.Position || ref.Value != fast.Value) {
        ++mismatches;
        int none = -1;
        firstBadSeed.compare_exchange_strong(none, seed);
      }
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(work, t);
  for (auto& t : threads) t.join();
  EXPECT_EQ(mismatches.load(), 0) << "first mismatch at seed " << firstBadSeed.load();
}

// One line of tests/core/data/endgame_reference.txt: "key=value" fields separated by spaces.
std::map<std::string, std::string> Fields(const std::string& line) {
  std::map<std::string, std::string> fields;
  std::istringstream in(line);
  for (std::string field; in >> field;) {
    std::size_t eq = field.find('=');
    if (eq != std::string::npos) fields[field.substr(0, eq)] = field.substr(eq + 1);
  }
  return fields;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ',');)
    parts.push_back(part);
  return parts;
}

// Six places, "##" where a card has gone, with their rank values for the trump.
EndgameHand ReferenceHand(const std::string& text, char trump) {
  std::vector<std::string> cards = Split(text);
  EXPECT_EQ(cards.size(), static_cast<std::size_t>(kEndgameSlots)) << text;
  EndgameHand hand;
  for (int p = 1; p <= kEndgameSlots && p <= static_cast<int>(cards.size()); ++p) {
    hand.Card[p] = C(cards[p - 1].c_str());
    hand.Rank[p] = RankValue(hand.Card[p], trump);
  }
  return hand;
}

std::pair<int, int> Numbers(const std::string& text) {
  std::vector<std::string> parts = Split(text);
  if (parts.size() != 2) throw std::string("not two numbers: ") + text;
  return {std::stoi(parts[0]), std::stoi(parts[1])};
}

// The committed positions (tarnel-lab endgame-reference) keep their exact outcome under both
// solvers: the card, the value and, for the reference search, the counters at the end.
TEST(EndgameReference, BothSolversGiveTheRecordedOutcome) {
  std::ifstream in(TARNEL_ENDGAME_REFERENCE);
  ASSERT_TRUE(in) << TARNEL_ENDGAME_REFERENCE;
  int checked = 0, answering = 0;
  int lineNo = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    auto f = Fields(line);
    SCOPED_TRACE("line " + std::to_string(lineNo) + " seed " + f["seed"]);
    const char trump = Suit(f["trump"].c_str());
    const EndgameHand s = ReferenceHand(f["s"], trump);
    const EndgameHand o = ReferenceHand(f["o"], trump);
    const CardCode led = C(f["led"].c_str());
    auto [pointsS, pointsO] = Numbers(f["points"]);
    auto [takenS, takenO] = Numbers(f["taken"]);
    const EndgameCounters counters{pointsS, takenS, pointsO, takenO};
    const int position = std::stoi(f["position"]);
    const int value = std::stoi(f["value"]);
    auto [endPointsS, endPointsO] = Numbers(f["end_points"]);
    auto [endTakenS, endTakenO] = Numbers(f["end_taken"]);
    ASSERT_GE(position, 1);
    ASSERT_EQ(CardToUtf8(s.Card[position]), f["card"]);

    EndgameOutcome ref = EndgameSearch(s, o, counters, trump, led, RankValue(led, trump));
    EXPECT_EQ(ref.Position, position);
    EXPECT_EQ(ref.Value, value);
    EXPECT_EQ(ref.Counters.PointsS, endPointsS);
    EXPECT_EQ(ref.Counters.PointsO, endPointsO);
    EXPECT_EQ(ref.Counters.TakenS, endTakenS);
    EXPECT_EQ(ref.Counters.TakenO, endTakenO);
    SolverResult fast = SolveEndgame(ToSolverHand(s), ToSolverHand(o), counters, trump, led);
    EXPECT_EQ(fast.Position, position);
    EXPECT_EQ(fast.Value, value);
    ++checked;
    answering += led != EmptyCard;
  }
  // The whole file was read, and it holds both kinds of position.
  EXPECT_GE(checked, 200);
  EXPECT_GT(answering, checked / 4);
  EXPECT_LT(answering, checked * 3 / 4);
}

}  // namespace
}  // namespace tarnel
