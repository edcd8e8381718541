// Many seeded rounds played to the end with random legal cards; the card-place and scoring
// invariants must hold after every trick and at the end of every round.
#include <gtest/gtest.h>

#include "core/dealing.h"
#include "core/round_shape.h"
#include "core/rules.h"
#include "core/scoring.h"
#include "core/turn_driver.h"
#include "test_support.h"

namespace tarnel {
namespace {

void PlayRandomRound(int handSize, std::uint64_t seed) {
  SeededRandom random(seed);
  TTableState s;
  NullTablePresenter presenter;
  presenter.KeepCalls = false;
  RoundSetup setup;
  setup.HandSize = handSize;
  setup.Standing.GameNo = static_cast<int>(seed % 5) + 1;
  StartRound(s, setup, random, presenter);
  ASSERT_EQ(CheckCardPlaces(s), "");

  int trumpPoints = 0;
  for (int i = 1; i <= RoundShape::Of(handSize).CardsInPlay(); ++i)
    trumpPoints += CardPoints(s.DeckCard[i], s.TrumpSuit);

  s.RoundPhase = kPhasePlaying;
  int tricks = 0;
  bool over = false;
  while (!over) {
    int seat = s.TurnState;
    ASSERT_TRUE(seat == kSeatCo || seat == kSeatMe) << "TurnState " << int(s.TurnState);
    std::vector<int> legal = LegalPositions(s, seat);
    ASSERT_FALSE(legal.empty());
    int pos = legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)];
    if (seat == kSeatMe && s.Leader() == kSeatCo) {
      ASSERT_EQ(CheckAnswer(s, pos), kAnswerOk);
    }
    ASSERT_TRUE(ApplyMove(s, seat, pos, HandOverFor(GameKind::Computer), presenter));
    if (s.TurnState != kTurnTrickDone) continue;
    ++tricks;
    over = CollectTrick(s, presenter);
    ASSERT_EQ(CheckCardPlaces(s), "") << "seed " << seed << " trick " << tricks;
    ASSERT_EQ(s.CardsTaken[1] + s.CardsTaken[2], 2 * tricks);
    ASSERT_EQ(s.SeenCount, 1 + 2 * tricks);
  }
  EXPECT_EQ(tricks, handSize == 10 ? 10 : 18);
  EXPECT_EQ(s.NextStock, handSize == 10 ? 21 : kStockEmpty);

  ScoreRound(s, HandOverFor(GameKind::Computer), presenter);
  int threshold = SurplusThreshold(handSize);
  int surplus = std::max(0, s.CardsTaken[1] - threshold) + std::max(0, s.CardsTaken[2] - threshold);
  EXPECT_EQ(s.RoundScore[1] + s.RoundScore[2], trumpPoints + surplus) << "seed " << seed;
  EXPECT_LE(s.RoundScore[1], handSize == 10 ? 40 : 48);
}

TEST(RoundProperty, RandomLegalRoundsKeepEveryInvariant) {
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    PlayRandomRound(seed % 2 == 0 ? 6 : 10, seed);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tarnel
