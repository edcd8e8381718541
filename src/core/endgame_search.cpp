#include "core/endgame_search.h"

#include <algorithm>

#include "core/round_shape.h"
#include "core/rules.h"

namespace tarnel {
namespace {

EndgameCounters Swapped(const EndgameCounters& c) {
  return {c.PointsO, c.TakenO, c.PointsS, c.TakenS};
}

EndgameOutcome Search(const EndgameHand& s, const EndgameHand& o, const EndgameCounters& c,
                      char trump, CardCode led, std::uint8_t ledRank, std::int64_t& nodes) {
  EndgameOutcome best;
  best.Counters = c;
  int n = s.Count();
  std::span<const CardCode> handS(s.Card.data() + 1, kEndgameSlots);

  for (int j = 1; j <= kEndgameSlots; ++j) {
    CardCode tried = s.Card[j];
    if (tried == EmptyCard) continue;
    if (led != EmptyCard && !IsLegal(handS, tried, led, trump)) continue;
    ++nodes;
    EndgameHand rest = s;
    rest.Card[j] = EmptyCard;
    rest.Rank[j] = EmptyRank;
    EndgameCounters after;

    if (led == EmptyCard) {
      after = Swapped(Search(o, rest, Swapped(c), trump, tried, s.Rank[j], nodes).Counters);
    } else {
      // O led `led`; S answers with `tried`.
      bool winnerIsS = TrickWinner(tried, s.Rank[j], led, ledRank, kSeatMe, trump) == kSeatCo;
      int value = TrickValue(tried, led, trump);
      after = c;
      if (winnerIsS) {
        after.PointsS += value;
        after.TakenS += 2;
      } else {
        after.PointsO += value;
        after.TakenO += 2;
      }
      if (n > 1) {
        if (winnerIsS)
          after = Search(rest, o, after, trump, EmptyCard, 0, nodes).Counters;
        else
          after = Swapped(Search(o, rest, Swapped(after), trump, EmptyCard, 0, nodes).Counters);
      }
    }

    int value = EndgameValue(after);
    if (value > best.Value) {
      best.Value = value;
      best.Position = j;
      best.Counters = after;
    }
  }
  if (best.Position == 0) best.Value = EndgameValue(c);
  return best;
}

}  // namespace

int EndgameHand::Count() const {
  int n = 0;
  for (int p = 1; p <= kEndgameSlots; ++p)
    if (Card[p] != EmptyCard) ++n;
  return n;
}

int EndgameValue(const EndgameCounters& c) {
  const int t = kEndgameShape.SurplusThreshold;
  return (c.PointsS + std::max(0, c.TakenS - t)) - (c.PointsO + std::max(0, c.TakenO - t));
}

EndgameOutcome EndgameSearch(const EndgameHand& s, const EndgameHand& o, const EndgameCounters& c,
                             char trumpSuit, CardCode led, std::uint8_t ledRank) {
  std::int64_t nodes = 0;
  EndgameOutcome out = Search(s, o, c, trumpSuit, led, ledRank, nodes);
  out.Nodes = nodes;
  return out;
}

}  // namespace tarnel
