// The fast endgame solver.
//
// Once the stock is empty every card is known, and the rest of the round is a two-player game of
// perfect information: whoever leads plays any card, the other must follow suit, else trump, else
// discard, and the trick goes to the higher card of the led suit or to the trump. EndgameSearch
// walks every legal line; here the same minimax value is found with far fewer nodes.
//
// Scoring turns into a sum over tricks. A seat's round score is its points plus the cards it took
// beyond the threshold T; at the end of a round both seats together have taken 2T cards, so the
// difference of the two surpluses is exactly (taken S - taken O) / 2 whatever the split. Each
// trick is therefore worth +-(points + 1) to its winner and loser, and the value of the rest of
// the round depends only on the two sets of cards left and on who leads, not on the score so
// far. That makes a transposition table over (leader's cards, follower's cards) exact.
//
// The search is a fail-soft alpha-beta (negamax) over whole tricks: at a trick's start the leader
// maximises over its cards, and for each of them the follower minimises over its legal answers.
// Moves are ordered by the table's best move first, then by strength; answers try the cheapest
// winning card first. Table entries keep a lower and an upper bound, so a node searched once with
// any window never has to be searched with a window it already decided.
//
// At the root the cards are tried in hand order and a card replaces the best only when it is
// strictly better, searched with a window that makes every strictly better value exact: the
// answer is the lowest position of the best value, as in EndgameSearch. Each call owns its table.
//
// The expert player also solves the deals of a round whose stock is not empty yet. The tricks
// until both hands are empty form a segment; the next segment's hands follow from the stock's
// order and from who won the last trick, so a segment ends in one of two known values (its tail)
// chosen by that trick's winner. The card sets still decide which side is which (the hands are
// disjoint), so the table stays exact. A SegmentSolver keeps its table from call to call and
// forgets it by a stamp, so a thread that solves thousands of deals allocates it once.
#include "core/endgame_solver.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace tarnel {
namespace {

constexpr int kInf = 1000;

struct Rules {
  int Trump;                       // suit index 0..3, or -1
  std::array<int, 36> Strength{};  // rank value (trump order inside trumps)
  std::array<int, 36> Points{};
  std::uint64_t SuitMask[4] = {};
  std::uint64_t TrumpMask = 0;
};

int Suit(int card) {
  return card & 3;
}

// At most ten moves: insertion sort is the quickest and keeps equal keys in card order.
template <typename Less>
void InsertionSort(int* a, int n, Less less) {
  for (int i = 1; i < n; ++i) {
    int x = a[i];
    int j = i;
    for (; j > 0 && less(x, a[j - 1]); --j)
      a[j] = a[j - 1];
    a[j] = x;
  }
}

struct Entry {
  std::uint64_t Leader = 0;
  std::uint64_t Follower = 0;
  std::int16_t Lower = -kInf;
  std::int16_t Upper = kInf;
  std::int8_t Best = -1;
  std::uint32_t Stamp = 0;  // the search that wrote it; 0 never
};

class Table {
 public:
  explicit Table(int bits) : mask_((std::size_t{1} << bits) - 1), entries_(mask_ + 1) {}
  // Entries of earlier searches no longer count.
  void Forget() {
    if (++stamp_ == 0) {
      for (auto& e : entries_)
        e.Stamp = 0;
      stamp_ = 1;
    }
  }
  std::uint32_t Stamp() const { return stamp_; }
  Entry& Slot(std::uint64_t leader, std::uint64_t follower) {
    std::uint64_t h =
        leader * 0x9E3779B97F4A7C15ull ^ (follower + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    return entries_[h & mask_];
  }

 private:
  std::size_t mask_;
  std::vector<Entry> entries_;
  std::uint32_t stamp_ = 1;
};

int TableBits(int cards) {
  return cards <= 14 ? 12 : 19;
}

class Solver {
 public:
  Solver(const Rules& rules, Table& table) : rules_(rules), table_(table) {}

  std::int64_t Nodes = 0;

  // What follows the segment: `sCards` are S's cards (the side the tail values are seen from).
  void SetTail(std::uint64_t sCards, SegmentTail tail) {
    tailOwner_ = sCards;
    tail_ = tail;
  }

  std::uint64_t Legal(std::uint64_t hand, int led) const {
    std::uint64_t follow = hand & rules_.SuitMask[Suit(led)];
    if (follow) return follow;
    std::uint64_t trumps = hand & rules_.TrumpMask;
    return trumps ? trumps : hand;
  }

  // True when the follower's card wins against the led card.
  bool FollowerWins(int led, int reply) const {
    if (Suit(led) == Suit(reply)) return rules_.Strength[reply] > rules_.Strength[led];
    return Suit(reply) == rules_.Trump;
  }

  // The value of the trick (led, reply) and everything after it, seen by the follower, exact
  // inside (alpha, beta).
  int AfterAnswer(std::uint64_t leaderRest, std::uint64_t followerRest, int led, int reply,
                  int alpha, int beta) {
    int worth = rules_.Points[led] + rules_.Points[reply] + 1;
    bool followerWins = FollowerWins(led, reply);
    if ((leaderRest | followerRest) == 0) {
      int tail = TailFor(followerWins ? reply : led);
      return followerWins ? worth + tail : -worth - tail;
    }
    if (followerWins) return worth + Search(followerRest, leaderRest, alpha - worth, beta - worth);
    return -worth - Search(leaderRest, followerRest, -beta - worth, -alpha - worth);
  }

  // The tail seen by the side that played `card` and won the segment's last trick.
  int TailFor(int card) const {
    return (tailOwner_ >> card & 1) ? tail_.IfSWinsLast : -tail_.IfOWinsLast;
  }

  // The value of the rest of the round for the side to lead.
  int Search(std::uint64_t leader, std::uint64_t follower, int alpha, int beta) {
    if (leader == 0) return 0;
    Entry& e = table_.Slot(leader, follower);
    int ttBest = -1;
    if (e.Stamp == table_.Stamp() && e.Leader == leader && e.Follower == follower) {
      if (e.Lower >= beta) return e.Lower;
      if (e.Upper <= alpha) return e.Upper;
      if (e.Lower == e.Upper) return e.Lower;
      alpha = std::max<int>(alpha, e.Lower);
      beta = std::min<int>(beta, e.Upper);
      ttBest = e.Best;
    }
    const int alphaIn = alpha;
    const int betaIn = beta;

    int moves[kSolverSlots];
    int n = OrderLeads(leader, ttBest, moves);
    int best = -kInf;
    int bestMove = -1;
    for (int i = 0; i < n && best < beta; ++i) {
      int a = moves[i];
      ++Nodes;
      std::uint64_t leaderRest = leader & ~(std::uint64_t{1} << a);
      int value = LeadValue(leaderRest, follower, a, std::max(alpha, best), beta);
      if (value > best) {
        best = value;
        bestMove = a;
      }
    }

    Entry& slot = table_.Slot(leader, follower);
    slot.Stamp = table_.Stamp();
    slot.Leader = leader;
    slot.Follower = follower;
    slot.Lower = static_cast<std::int16_t>(best >= betaIn ? best : best > alphaIn ? best : -kInf);
    slot.Upper = static_cast<std::int16_t>(best <= alphaIn ? best : best < betaIn ? best : kInf);
    slot.Best = static_cast<std::int8_t>(bestMove);
    return best;
  }

  // The value of leading `a` (already out of the leader's hand): the follower's best answer.
  // Exact when it lies inside (alpha, beta); otherwise a bound on the right side.
  int LeadValue(std::uint64_t leaderRest, std::uint64_t follower, int a, int alpha, int beta) {
    int replies[kSolverSlots];
    int m = OrderReplies(Legal(follower, a), a, replies);
    int worst = kInf;
    for (int k = 0; k < m && worst > alpha; ++k) {
      int b = replies[k];
      ++Nodes;
      std::uint64_t followerRest = follower & ~(std::uint64_t{1} << b);
      int upper = std::min(worst, beta);
      int forFollower = AfterAnswer(leaderRest, followerRest, a, b, -upper, -alpha);
      worst = std::min(worst, -forFollower);
    }
    return worst;
  }

 private:
  int OrderLeads(std::uint64_t hand, int first, int* out) const {
    int n = 0;
    if (first >= 0 && (hand >> first & 1)) out[n++] = first;
    // Strong cards first: they decide tricks and cut the tree early.
    int rest[kSolverSlots];
    int m = 0;
    for (std::uint64_t h = hand; h; h &= h - 1) {
      int c = std::countr_zero(h);
      if (c != first) rest[m++] = c;
    }
    InsertionSort(rest, m, [&](int x, int y) { return Key(x) > Key(y); });
    for (int i = 0; i < m; ++i)
      out[n++] = rest[i];
    return n;
  }

  int Key(int c) const {
    return rules_.Points[c] * 4 + rules_.Strength[c] + (Suit(c) == rules_.Trump ? 20 : 0);
  }

  // The follower tries its cheapest winning card first, then its cheapest loser.
  int OrderReplies(std::uint64_t legal, int led, int* out) const {
    int n = 0;
    for (std::uint64_t h = legal; h; h &= h - 1)
      out[n++] = std::countr_zero(h);
    InsertionSort(out, n, [&](int x, int y) {
      bool wx = FollowerWins(led, x), wy = FollowerWins(led, y);
      if (wx != wy) return wx;
      return rules_.Points[x] * 16 + rules_.Strength[x] <
             rules_.Points[y] * 16 + rules_.Strength[y];
    });
    return n;
  }

  const Rules& rules_;
  Table& table_;
  std::uint64_t tailOwner_ = 0;
  SegmentTail tail_;
};

Rules MakeRules(char trumpSuit) {
  Rules r;
  r.Trump = SuitIndex(trumpSuit);
  for (int c = 0; c < 36; ++c) {
    CardCode card = *CardNumber(c + 1);
    r.Strength[c] = RankValue(card, trumpSuit);
    r.Points[c] = CardPoints(card, trumpSuit);
    r.SuitMask[Suit(c)] |= std::uint64_t{1} << c;
  }
  if (r.Trump >= 0) r.TrumpMask = r.SuitMask[r.Trump];
  return r;
}

}  // namespace

SolverHand ToSolverHand(const EndgameHand& hand) {
  SolverHand out;
  for (int p = 1; p <= kEndgameSlots; ++p)
    out.Card[p] = hand.Card[p];
  return out;
}

SolverResult SolveEndgame(const SolverHand& s, const SolverHand& o, const EndgameCounters& c,
                          char trumpSuit, CardCode led, int threshold) {
  SolverResult result;
  std::uint64_t maskS = 0, maskO = 0;
  int cardAt[kSolverSlots + 1];
  auto add = [](std::uint64_t& mask, CardCode card) {
    int n = NumberOfCard(card);
    if (n == 0) return -1;
    std::uint64_t bit = std::uint64_t{1} << (n - 1);
    if (mask & bit) return -1;
    mask |= bit;
    return n - 1;
  };
  std::uint64_t all = 0;
  for (int p = 1; p <= kSolverSlots; ++p) {
    cardAt[p] = -1;
    if (s.Card[p] == EmptyCard) continue;
    cardAt[p] = add(all, s.Card[p]);
    if (cardAt[p] < 0) return result;
    maskS |= std::uint64_t{1} << cardAt[p];
  }
  for (int p = 1; p <= kSolverSlots; ++p) {
    if (o.Card[p] == EmptyCard) continue;
    int card = add(all, o.Card[p]);
    if (card < 0) return result;
    maskO |= std::uint64_t{1} << card;
  }
  int ledCard = -1;
  if (led != EmptyCard) {
    ledCard = add(all, led);
    if (ledCard < 0) return result;
  }
  int inPlay = std::popcount(all);
  int countS = std::popcount(maskS), countO = std::popcount(maskO);
  bool shapeOk = ledCard < 0 ? countS == countO : countS == countO + 1;
  if (!shapeOk || c.TakenS + c.TakenO + inPlay != 2 * threshold || (c.TakenS - c.TakenO) % 2 != 0)
    return result;

  Rules rules = MakeRules(trumpSuit);
  Table table(TableBits(inPlay));
  Solver solver(rules, table);
  const int base = (c.PointsS - c.PointsO) + (c.TakenS - c.TakenO) / 2;

  int best = -kInf;
  result.Position = 0;
  if (ledCard < 0) {
    for (int p = 1; p <= kSolverSlots; ++p) {
      if (cardAt[p] < 0) continue;
      ++solver.Nodes;
      int v =
          solver.LeadValue(maskS & ~(std::uint64_t{1} << cardAt[p]), maskO, cardAt[p], best, kInf);
      if (v > best) {
        best = v;
        result.Position = p;
      }
    }
  } else {
    std::uint64_t legal = solver.Legal(maskS, ledCard);
    for (int p = 1; p <= kSolverSlots; ++p) {
      if (cardAt[p] < 0 || !(legal >> cardAt[p] & 1)) continue;
      ++solver.Nodes;
      int v = solver.AfterAnswer(maskO, maskS & ~(std::uint64_t{1} << cardAt[p]), ledCard,
                                 cardAt[p], best, kInf);
      if (v > best) {
        best = v;
        result.Position = p;
      }
    }
  }
  result.Value = result.Position == 0 ? base : base + best;
  result.Nodes = solver.Nodes;
  return result;
}

struct SegmentSolver::Impl {
  Table table{16};
  char trump = '\0';
  Rules rules;
  std::int64_t nodes = 0;
  std::array<int, 36> guess{};  // each card's last value, the first probe of the next deal

  // True while every entry of the table was found with a zero tail under `trump`.
  bool zeroTailTable = false;

  // With a zero tail a position's value depends only on the two card sets and the trump, so
  // entries stay exact from call to call: the deals of one decision share their endgames.
  Solver Start(char trumpSuit, SegmentTail tail) {
    bool zeroTail = tail.IfSWinsLast == 0 && tail.IfOWinsLast == 0;
    bool keep = zeroTail && zeroTailTable && trumpSuit == trump;
    if (trumpSuit != trump) {
      rules = MakeRules(trumpSuit);
      trump = trumpSuit;
    }
    if (!keep) table.Forget();
    zeroTailTable = zeroTail;
    return Solver(rules, table);
  }
};

SegmentSolver::SegmentSolver() : impl_(std::make_unique<Impl>()) {}
SegmentSolver::~SegmentSolver() = default;

std::int64_t SegmentSolver::Nodes() const {
  return impl_->nodes;
}

int SegmentSolver::LeadValue(CardMask leader, CardMask follower, char trumpSuit, SegmentTail tail) {
  if (leader == 0) return tail.IfSWinsLast;
  Solver solver = impl_->Start(trumpSuit, tail);
  solver.SetTail(leader, tail);
  int v = solver.Search(leader, follower, -kInf, kInf);
  impl_->nodes += solver.Nodes;
  return v;
}

void SegmentSolver::MoveValues(CardMask s, CardMask o, char trumpSuit, int led, SegmentTail tail,
                               std::array<int, 36>& values) {
  values.fill(kNoMoveValue);
  Solver solver = impl_->Start(trumpSuit, tail);
  solver.SetTail(s, tail);
  std::uint64_t legal = led < 0 ? s : solver.Legal(s, led);
  for (std::uint64_t h = legal; h; h &= h - 1) {
    int c = std::countr_zero(h);
    std::uint64_t rest = s & ~(std::uint64_t{1} << c);
    auto bound = [&](int alpha, int beta) {
      ++solver.Nodes;
      return led < 0 ? solver.LeadValue(rest, o, c, alpha, beta)
                     : solver.AfterAnswer(o, rest, led, c, alpha, beta);
    };
    // Zero-window probes close in on the exact value (MTD(f)); they cut far more than one
    // full-window search, and the table keeps every bound they find. The card's value in the
    // previous deal is a close first guess.
    int lower = -kInf, upper = kInf;
    int g = std::clamp(impl_->guess[c], -kInf + 1, kInf - 1);
    while (lower < upper) {
      int beta = g == lower ? g + 1 : g;
      g = bound(beta - 1, beta);
      (g < beta ? upper : lower) = g;
    }
    values[c] = g;
    impl_->guess[c] = g;
  }
  impl_->nodes += solver.Nodes;
}

}  // namespace tarnel
