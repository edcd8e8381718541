#include "core/expert_player.h"

#include <algorithm>
#include <bit>
#include <thread>

#include "core/computer_player.h"
#include "core/round_shape.h"
#include "core/rules.h"

namespace tarnel {
namespace {

constexpr CardMask kAllCards = (CardMask{1} << 36) - 1;
constexpr int kRefillCards = 12;  // both hands refilled with 6 each

CardMask Bit(int card) {
  return CardMask{1} << card;
}

int CardIndex(CardCode card) {
  return NumberOfCard(card) - 1;
}

CardMask SuitMask(int suit) {
  CardMask m = 0;
  for (int c = suit; c < 36; c += 4)
    m |= Bit(c);
  return m;
}

CardMask HandMask(const TTableState& state, int seat) {
  CardMask m = 0;
  for (int p = 1; p <= state.CardCount[seat] && p <= kMaxHandPos; ++p)
    if (int c = CardIndex(state.HandCard[seat][p]); c >= 0) m |= Bit(c);
  return m;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
  h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  h *= 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 31);
}

// A seed from what seat 1 sees, so the same position always gets the same deals.
std::uint64_t PositionSeed(const TTableState& state, std::uint64_t seed) {
  std::uint64_t h = Mix(seed, HandMask(state, kSeatCo));
  for (int i = 1; i < state.SeenCount && i <= 36; ++i)
    h = Mix(h, static_cast<std::uint64_t>(NumberOfCard(state.SeenCard[i])));
  h = Mix(h, static_cast<std::uint64_t>(NumberOfCard(state.TableCard[kSeatMe])));
  return Mix(h, state.NextStock);
}

// Seat 1's deal `world` of the unseen cards has the values of each of its cards added to
// `totals`. The segments after the current one are solved from the last back: each is worth a
// known amount to seat 1 once the winner of the trick before it is fixed.
void SolveWorld(const SeatKnowledge& k, const SampledWorld& world, SegmentSolver& solver,
                std::array<long long, 36>& totals) {
  int segments = static_cast<int>(world.Stock.size()) / kRefillCards;
  SegmentTail tail;  // seen from seat 1
  for (int seg = segments - 1; seg >= 0; --seg) {
    SegmentTail before;
    for (bool seat1Won : {true, false}) {
      CardMask winner = 0, loser = 0;
      for (int i = 0; i < kRefillCards; ++i) {
        int c = world.Stock[seg * kRefillCards + i];
        (i % 2 == 0 ? winner : loser) |= Bit(c);
      }
      // The tail as the leader of this segment sees it.
      SegmentTail lead = seat1Won ? tail : SegmentTail{-tail.IfOWinsLast, -tail.IfSWinsLast};
      int v = solver.LeadValue(winner, loser, k.Trump, lead);
      (seat1Won ? before.IfSWinsLast : before.IfOWinsLast) = seat1Won ? v : -v;
    }
    tail = before;
  }
  std::array<int, 36> values;
  solver.MoveValues(k.Own, world.Hidden, k.Trump, k.Led, tail, values);
  for (int c = 0; c < 36; ++c)
    if (values[c] != kNoMoveValue) totals[c] += values[c];
}

}  // namespace

SeatKnowledge KnowledgeOf(const TTableState& state, const std::bitset<256>& voids) {
  SeatKnowledge k;
  k.Trump = state.TrumpSuit;
  k.Own = HandMask(state, kSeatCo);
  k.HiddenCount = state.CardCount[kSeatMe];
  CardMask known = k.Own;
  for (int i = 1; i < state.SeenCount && i <= 36; ++i)
    if (int c = CardIndex(state.SeenCard[i]); c >= 0) known |= Bit(c);
  for (int seat : {kSeatCo, kSeatMe})
    if (int c = CardIndex(state.TableCard[seat]); c >= 0) known |= Bit(c);
  if (state.Leader() == kSeatMe) k.Led = CardIndex(state.TableCard[kSeatMe]);
  bool stockInPlay = RoundShape::Of(state.HandSize).Refills && state.NextStock <= 36;
  int bottom = CardIndex(state.DeckCard[36]);
  // The bottom card lies face up until it is drawn; with 10 cards a seat it never is.
  if (bottom >= 0 && (stockInPlay || !RoundShape::Of(state.HandSize).Refills)) known |= Bit(bottom);
  if (stockInPlay) {
    k.StockCount = kStockEmpty - state.NextStock;
    k.Bottom = bottom;
  }
  k.Unseen = kAllCards & ~known;
  for (int s = 0; s < 4; ++s)
    if (voids.test(static_cast<unsigned char>(kSuits[s]))) k.Voids |= std::uint8_t(1 << s);
  return k;
}

std::bitset<256> CurrentVoids(const TTableState& state) {
  RoundShape shape = RoundShape::Of(state.HandSize);
  if (shape.Refills && state.NextStock != shape.FirstStockCard) return {};
  return state.OppVoid;
}

SampledWorld SampleWorld(const SeatKnowledge& k, RandomSource& random) {
  CardMask barred = 0;
  for (int s = 0; s < 4; ++s)
    if (k.Voids >> s & 1) barred |= SuitMask(s);
  CardMask allowed = k.Unseen & ~barred;
  // A void that leaves too few cards cannot be true; the state is damaged, so deal without it.
  if (std::popcount(allowed) < k.HiddenCount) allowed = k.Unseen;

  std::vector<int> pool;
  for (CardMask m = allowed; m; m &= m - 1)
    pool.push_back(std::countr_zero(m));
  SampledWorld w;
  int take = std::min<int>(k.HiddenCount, static_cast<int>(pool.size()));
  for (int i = 0; i < take; ++i) {
    int j = random.Uniform(i, static_cast<int>(pool.size()) - 1);
    std::swap(pool[i], pool[j]);
    w.Hidden |= Bit(pool[i]);
  }
  if (k.StockCount > 0) {
    for (CardMask m = k.Unseen & ~w.Hidden; m; m &= m - 1)
      w.Stock.push_back(std::countr_zero(m));
    for (int i = static_cast<int>(w.Stock.size()) - 1; i > 0; --i)
      std::swap(w.Stock[i], w.Stock[random.Uniform(0, i)]);
    if (k.Bottom >= 0) w.Stock.push_back(k.Bottom);
  }
  return w;
}

ExpertDecision SampledDecision(const TTableState& state, const std::bitset<256>& voids,
                               int ruleChoice, const ExpertOptions& options) {
  ExpertDecision d;
  SeatKnowledge k = KnowledgeOf(state, voids);
  if (k.Own == 0) return d;
  int samples = std::max(1, options.Samples);
  int threads =
      options.Threads > 0 ? options.Threads : (std::thread::hardware_concurrency() >= 2 ? 2 : 1);
  threads = std::clamp(threads, 1, samples);

  // Each deal draws from its own generator, so the split between threads changes nothing.
  struct Share {
    std::array<long long, 36> Totals{};
    std::int64_t Nodes = 0;
  };
  std::vector<Share> shares(threads);
  auto work = [&](int t) {
    SegmentSolver solver;
    for (int i = t; i < samples; i += threads) {
      SeededRandom random(Mix(options.Seed, static_cast<std::uint64_t>(i)));
      SolveWorld(k, SampleWorld(k, random), solver, shares[t].Totals);
    }
    shares[t].Nodes = solver.Nodes();
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t)
    helpers.emplace_back(work, t);
  work(0);
  for (auto& h : helpers)
    h.join();

  std::array<long long, 36> totals{};
  for (const Share& s : shares) {
    for (int c = 0; c < 36; ++c)
      totals[c] += s.Totals[c];
    d.Nodes += s.Nodes;
  }
  d.Samples = samples;

  std::uint64_t legal = k.Own;
  if (k.Led >= 0) {
    CardMask follow = k.Own & SuitMask(k.Led & 3);
    CardMask trumps = SuitIndex(k.Trump) >= 0 ? k.Own & SuitMask(SuitIndex(k.Trump)) : 0;
    legal = follow ? follow : trumps ? trumps : k.Own;
  }
  long long best = 0;
  for (int p = 1; p <= state.CardCount[kSeatCo] && p <= kMaxHandPos; ++p) {
    int c = CardIndex(state.HandCard[kSeatCo][p]);
    if (c < 0 || !(legal >> c & 1)) continue;
    d.Total[p] = totals[c];
    bool better = d.Position == 0 || totals[c] > best || (totals[c] == best && p == ruleChoice);
    if (better) {
      best = totals[c];
      d.Position = p;
    }
  }
  return d;
}

namespace {

int RuleChoice(const TTableState& state, std::uint64_t seed) {
  SeededRandom random(seed);
  return state.Leader() == kSeatCo ? ComputerLead(state, random) : ComputerAnswer(state);
}

}  // namespace

ExpertDecision ExpertMove(const TTableState& state, const ExpertOptions& options) {
  int rule = RuleChoice(state, options.Seed);
  if (EndgameApplies(state)) {
    ExpertDecision d;
    d.Position = rule;
    return d;
  }
  ExpertOptions seeded = options;
  seeded.Seed = PositionSeed(state, options.Seed);
  ExpertDecision d = SampledDecision(state, CurrentVoids(state), rule, seeded);
  if (d.Position == 0) d.Position = rule;
  return d;
}

int HintFor(const TTableState& state, const ExpertOptions& options) {
  if (state.TurnState != kTurnSeat2 || state.CardCount[kSeatMe] == 0) return 0;
  // Seat 2 knows the same collected tricks; which suits seat 1 lacks is not kept, beyond the
  // suits whose every card is accounted for.
  TTableState mirror = SeatsSwapped(state);
  mirror.OppVoid.reset();
  MarkAccountedSuitsVoid(mirror);
  return ExpertMove(mirror, options).Position;
}

}  // namespace tarnel
