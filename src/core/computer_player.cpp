#include "core/computer_player.h"

#include <initializer_list>

#include "core/endgame_solver.h"
#include "core/round_shape.h"
#include "core/rules.h"

namespace tarnel {
namespace {

// Trump ranks by rank character.
constexpr char kTen = '1';
constexpr char kQ = cp::kQueen;
constexpr char kK = cp::kKing;
constexpr char kA = cp::kAce;
constexpr char kJ = cp::kJack;

// The trump leads: trumps that must be held, trumps that must have been seen, the trump to lead.
struct TrumpLeadRule {
  std::initializer_list<char> Holds;
  std::initializer_list<char> Seen;
  char Lead;
};

const TrumpLeadRule kTrumpLeadRules[] = {
    /* 1 */ {{kTen, kQ, kK, kA, kJ}, {}, kTen},
    /* 2 */ {{kQ, kK, kA, kJ}, {}, kJ},
    /* 3 */ {{kTen, kK, kA, kJ}, {}, kJ},
    /* 4 */ {{kTen, kQ, kA, kJ}, {}, kJ},
    /* 5 */ {{kTen, kQ, kK, kJ}, {kA}, kJ},
    /* 6 */ {{kTen, kQ, kK, kA}, {kJ}, kTen},
    /* 7 */ {{kTen, kQ, kK}, {kA, kJ}, kTen},
    /* 8 */ {{kTen, kQ, kA}, {kK, kJ}, kTen},
    /* 9 */ {{kTen, kQ, kJ}, {kA, kK}, kJ},
    /* 10 */ {{kTen, kK, kA}, {kJ}, kA},
    /* 11 */ {{kTen, kK, kJ}, {kA}, kJ},
    /* 12 */ {{kTen, kA, kJ}, {kQ}, kJ},
    /* 13 */ {{kTen, kA, kJ}, {kK}, kJ},
    /* 14 */ {{kQ, kK, kA}, {kJ}, kA},
    /* 15 */ {{kQ, kK, kJ}, {kA}, kJ},
    /* 16 */ {{kK, kA, kJ}, {}, kJ},
    /* 17 */ {{kTen, kQ}, {kK, kA, kJ}, kTen},
    /* 18 */ {{kTen, kK}, {kQ, kA, kJ}, kTen},
    /* 19 */ {{kTen, kA}, {kQ, kK, kJ}, kTen},
    /* 20 */ {{kTen, kJ}, {kQ, kK, kA}, kTen},
    /* 21 */ {{kQ, kK}, {kA, kJ}, kK},
    /* 22 */ {{kQ, kA}, {kK, kJ}, kQ},
    /* 23 */ {{kQ, kJ}, {kK, kA}, kJ},
    /* 24 */ {{kK, kA}, {kJ}, kK},
    /* 25 */ {{kK, kJ}, {kA}, kJ},
    /* 26 */ {{kA, kJ}, {}, kJ},
    /* 27 */ {{kTen}, {kQ, kK, kA, kJ}, kTen},
    /* 28 */ {{kQ}, {kK, kA, kJ}, kQ},
    /* 29 */ {{kK}, {kTen, kQ, kA, kJ}, kK},
    /* 30 */ {{kA}, {kTen, kQ, kK, kJ}, kA},
};

// The (higher, lower) pairs of one suit that are led from the top once every other card above the
// lower one has been seen.
struct SurePair {
  char Higher;
  char Lower;
};
const SurePair kSurePairs[] = {
    {kA, kK}, {kA, kQ}, {kA, kJ}, {kA, kTen}, {kA, '9'}, {kA, '8'}, {kK, kQ},
    {kK, kJ}, {kK, kTen}, {kK, '9'}, {kK, '8'}, {kQ, kJ}, {kQ, kTen}, {kQ, '9'},
    {kQ, '8'}, {kJ, kTen}, {kJ, '9'}, {kJ, '8'}, {kTen, '9'}, {kTen, '8'},
};

struct View {
  const TTableState& s;
  const HandCards& hand() const { return s.HandCard[kSeatCo]; }
  const HandRanks& ranks() const { return s.HandRank[kSeatCo]; }
  bool Holds(CardCode c) const { return HasCard(hand(), c); }
  bool Seen(CardCode c) const {
    for (int i = 1; i <= 36; ++i)
      if (s.SeenCard[i] == c) return true;
    return false;
  }
  bool Out(CardCode c) const { return !Holds(c) && !Seen(c); }
  int Count() const { return std::min<int>(s.CardCount[kSeatCo], kMaxHandPos); }
};

// Every card of `suit` ranked above `rank` (natural order) has been seen, except `except`.
bool AllAboveSeen(const View& v, char suit, char rank, char except = 0) {
  for (int r = RankIndex(rank) + 1; r < 9; ++r) {
    if (kRanks[r] == except) continue;
    if (!v.Seen({kRanks[r], suit})) return false;
  }
  return true;
}

int TrumpLead(const View& v) {
  char T = v.s.TrumpSuit;
  if (v.s.IsOppVoid(T)) return 0;
  for (const auto& rule : kTrumpLeadRules) {
    bool ok = true;
    for (char r : rule.Holds) ok = ok && v.Holds({r, T});
    for (char r : rule.Seen) ok = ok && v.Seen({r, T});
    if (ok) return PosOfCard(v.hand(), {rule.Lead, T});
  }
  return 0;
}

int ForcingLead(const View& v) {
  for (char x : kSuits)
    if (v.s.IsOppVoid(x) && x != v.s.TrumpSuit && HasSuit(v.hand(), x)) return LowestOfSuit(v.hand(), x);
  return 0;
}

int SureWinnerLead(const View& v) {
  for (char x : kSuits) {
    if (x == v.s.TrumpSuit) continue;
    int count = CountSuit(v.hand(), x);
    if (count == 1) {
      int p = LowestOfSuit(v.hand(), x);
      char rank = v.hand()[p].Rank;
      if (rank != '6' && AllAboveSeen(v, x, rank)) return p;
    } else if (count == 2) {
      int hi = HighestOfSuit(v.hand(), x);
      int lo = LowestOfSuit(v.hand(), x);
      char higher = v.hand()[hi].Rank;
      char lower = v.hand()[lo].Rank;
      for (const auto& pair : kSurePairs)
        if (pair.Higher == higher && pair.Lower == lower && AllAboveSeen(v, x, lower, higher))
          return hi;
    }
  }
  return 0;
}

int RunLead(const View& v) {
  for (int j = 1; j <= 9; ++j) {
    for (char x : kSuits) {
      if (x == v.s.TrumpSuit || CountSuit(v.hand(), x) != j) continue;
      int span = MaxRankOfSuit(v.hand(), v.ranks(), x) - MinRankOfSuit(v.hand(), v.ranks(), x) + 1;
      if (span == j) return LowestOfSuit(v.hand(), x);
    }
  }
  return 0;
}

// The latest position in hand order holding the highest (or lowest) rank value among the cards
// that `pick` accepts.
template <typename Pick>
int ExtremePos(const View& v, bool highest, Pick pick) {
  int best = 0;
  for (int p = 1; p <= v.Count(); ++p) {
    if (!IsDeckCard(v.hand()[p]) || !pick(v.hand()[p])) continue;
    int r = v.ranks()[p];
    int b = best ? v.ranks()[best] : 0;
    if (best == 0 || (highest ? r >= b : r <= b)) best = p;
  }
  return best;
}

}  // namespace

bool EndgameApplies(const TTableState& state) {
  return state.HandSize == kEndgameShape.HandSize && state.NextStock == kStockEmpty;
}

EndgameHand EndgameHandOf(const TTableState& state, int seat) {
  EndgameHand h;
  for (int p = 1; p <= kEndgameSlots; ++p) {
    h.Card[p] = state.HandCard[seat][p];
    h.Rank[p] = state.HandRank[seat][p];
  }
  return h;
}

EndgameCounters EndgameCountersOf(const TTableState& state) {
  return {state.TrickPoints[kSeatCo], state.CardsTaken[kSeatCo], state.TrickPoints[kSeatMe],
          state.CardsTaken[kSeatMe]};
}

EndgameOutcome SearchEndgameFor(const TTableState& state, EndgameEngine engine) {
  EndgameHand s = EndgameHandOf(state, kSeatCo);
  EndgameHand o = EndgameHandOf(state, kSeatMe);
  EndgameCounters c = EndgameCountersOf(state);
  bool answering = state.Leader() == kSeatMe;
  CardCode led = answering ? state.TableCard[kSeatMe] : EmptyCard;
  std::uint8_t ledRank = answering ? state.TableRank[kSeatMe] : 0;
  if (engine == EndgameEngine::Fast) {
    SolverResult fast = SolveEndgame(ToSolverHand(s), ToSolverHand(o), c, state.TrumpSuit, led);
    // The fast solver only takes whole, consistent rounds; anything else goes the long way.
    if (fast.Position >= 0) {
      EndgameOutcome out;
      out.Position = fast.Position;
      out.Value = fast.Value;
      out.Nodes = fast.Nodes;
      return out;
    }
  }
  return EndgameSearch(s, o, c, state.TrumpSuit, led, ledRank);
}

int ChooseTrump(const TTableState& state, int d) {
  View v{state};
  char T = state.TrumpSuit;
  auto holds = [&](char r) { return v.Holds({r, T}); };
  auto out = [&](char r) { return v.Out({r, T}); };
  char choice = 0;
  if (holds(kTen) && d < 5)
    choice = kTen;
  else if (holds(kA) && d < 8 && out(kJ))
    choice = kA;
  else if (holds(kK) && d < 7 && (out(kJ) || out(kA)))
    choice = kK;
  else if (holds(kQ) && d < 6 && (out(kJ) || out(kA) || out(kK)))
    choice = kQ;
  if (choice) return PosOfCard(v.hand(), {choice, T});

  // The trump with the lowest rank value above d.
  int best = 0;
  for (int p = 1; p <= v.Count(); ++p) {
    if (v.hand()[p].Suit != T || v.ranks()[p] <= d || v.ranks()[p] > 9) continue;
    if (best == 0 || v.ranks()[p] <= v.ranks()[best]) best = p;
  }
  return best;
}

int ComputerLead(const TTableState& state, RandomSource& random, EndgameEngine engine) {
  if (EndgameApplies(state)) {
    int p = SearchEndgameFor(state, engine).Position;
    if (p > 0) return p;
  }
  View v{state};
  if (int p = TrumpLead(v)) return p;
  if (int p = ForcingLead(v)) return p;
  if (int p = SureWinnerLead(v)) return p;
  if (int p = RunLead(v)) return p;
  char T = state.TrumpSuit;
  if (int p = ExtremePos(v, true, [&](CardCode c) { return c.Suit != T; })) return p;
  if (int p = ExtremePos(v, true, [&](CardCode c) { return c.Suit == T; })) return p;
  return random.Uniform(1, std::max(1, v.Count()));
}

int ComputerAnswer(const TTableState& state, EndgameEngine engine) {
  if (EndgameApplies(state)) {
    int p = SearchEndgameFor(state, engine).Position;
    if (p > 0) return p;
  }
  View v{state};
  char L = state.LedSuit;
  char T = state.TrumpSuit;
  int d = state.TableRank[kSeatMe];
  bool holdsL = HasSuit(v.hand(), L);
  bool holdsT = HasSuit(v.hand(), T);

  if (holdsL && L != T) {
    if (MaxRankOfSuit(v.hand(), v.ranks(), L) < d) return LowestOfSuit(v.hand(), L);
    // The card of the led suit with the lowest rank value above d.
    return ExtremePos(v, false, [&](CardCode c) { return c.Suit == L && RankValue(c, T) > d; });
  }
  if (L == T && holdsT) {
    if (MaxRankOfSuit(v.hand(), v.ranks(), T) < d) {
      // Give away the fewest points: the ten last.
      for (char r : {'6', '7', '8', '9', kQ, kK, kA, kTen})
        if (int p = PosOfCard(v.hand(), {r, T})) return p;
    }
    return ChooseTrump(state, d);
  }
  if (!holdsL && holdsT) return ChooseTrump(state, 0);
  return ExtremePos(v, false, [](CardCode) { return true; });
}

}  // namespace tarnel
