#include "core/dealing.h"

#include <bitset>

#include "core/round_shape.h"

namespace tarnel {

void Shuffle(TTableState& state, RandomSource& random) {
  std::array<bool, 37> used{};
  for (int i = 1; i <= 36; ++i) {
    int n;
    do {
      n = random.Uniform(1, 36);
    } while (n < 1 || n > 36 || used[n]);
    used[n] = true;
    CardCode card = *CardNumber(n);
    state.DeckCard[i] = card;
    state.DeckRank[i] = PlainRankValue(card.Rank);
    state.DeckMark[i] = 0;
  }
}

void DealFromDeck(TTableState& state, int handSize, bool ownHandFirst) {
  int n = RoundShape::Of(handSize).HandSize;
  state.HandSize = n;
  for (int seat : {kSeatCo, kSeatMe}) {
    state.HandCard[seat].fill(EmptyCard);
    state.HandRank[seat].fill(EmptyRank);
    state.HandMark[seat].fill(EmptyMark);
    bool firstCards = (seat == kSeatCo) != ownHandFirst;
    int first = firstCards ? 1 : n + 1;
    for (int p = 1; p <= n; ++p) {
      state.HandCard[seat][p] = state.DeckCard[first + p - 1];
      state.HandRank[seat][p] = state.DeckRank[first + p - 1];
      state.HandMark[seat][p] = state.DeckMark[first + p - 1];
    }
    state.CardCount[seat] = static_cast<std::uint8_t>(n);
  }

  state.TrumpSuit = state.DeckCard[36].Suit;
  auto rerank = [&](const CardCode& card, std::uint8_t& rank) {
    if (card.Suit == state.TrumpSuit && IsRank(card.Rank)) rank = TrumpRankValue(card.Rank);
  };
  for (int seat : {kSeatCo, kSeatMe})
    for (int p = 1; p <= n; ++p) rerank(state.HandCard[seat][p], state.HandRank[seat][p]);
  for (int i = 1; i <= 36; ++i) rerank(state.DeckCard[i], state.DeckRank[i]);
}

std::uint8_t FirstTurnState(FirstMoverRule rule, int gameNo, int roundNo) {
  bool seat1 = false;
  switch (rule) {
    case FirstMoverRule::GameAndRoundParity: seat1 = (gameNo % 2 == 0) == (roundNo % 2 == 0); break;
    case FirstMoverRule::RoundParity: seat1 = roundNo % 2 == 0; break;
    case FirstMoverRule::RoundParitySwapped: seat1 = roundNo % 2 != 0; break;
  }
  return seat1 ? kTurnSeat1 : kTurnSeat2;
}

void BeginGame(TTableState& state, const PlayerStanding& standing) {
  state.GameTotal = {0, 0, 0};
  state.RoundNo = 0;
  state.GameScore = 0;
  state.GeneralScore = 0;
  state.GameNo = standing.GameNo;
  state.PrevGames = standing.PrevGames;
  state.InitialScore = standing.InitialScore;
  state.Rating = standing.Rating;
}

namespace {

// The round's reset and what follows from the first player, once the hands are dealt.
void ResetRound(TTableState& state) {
  for (int seat : {kSeatCo, kSeatMe}) {
    state.TableCard[seat] = EmptyCard;
    state.TableRank[seat] = EmptyRank;
    state.TableMark[seat] = EmptyMark;
    state.TrickPoints[seat] = 0;
    state.CardsTaken[seat] = 0;
  }
  state.LedSuit = kNoSuit;
  state.SeenCount = 1;
  state.SeenCard.fill(EmptyCard);
  state.GameOver = false;
  state.GameTarget = kGameTarget;
  state.OppVoid.reset();
  state.NextStock = static_cast<std::uint8_t>(RoundShape::Of(state.HandSize).FirstStockCard);
  state.TargetReached = false;
  for (int seat : {kSeatCo, kSeatMe}) SortHand(state, seat);
  state.ToMove = state.TurnState == kTurnSeat1 ? "co" : "me";
  state.RoundPhase = kPhaseDealt;
}

bool IsWholeDeck(const std::array<CardCode, 37>& deck) {
  std::bitset<37> seen;
  for (int i = 1; i <= 36; ++i) {
    int n = NumberOfCard(deck[i]);
    if (n < 1 || n > 36 || seen.test(n)) return false;
    seen.set(n);
  }
  return true;
}

}  // namespace

void DealRound(TTableState& state, const RoundSetup& setup, RandomSource& random) {
  if (!setup.Continuation) BeginGame(state, setup.Standing);
  state.RoundNo = static_cast<std::uint8_t>(state.RoundNo + 1);
  Shuffle(state, random);
  DealFromDeck(state, setup.HandSize);
  state.TurnState =
      FirstTurnState(HandOverFor(setup.Kind).FirstMover, state.GameNo, state.RoundNo);
  ResetRound(state);
}

bool LayOutReceivedRound(TTableState& state, const RoundSetup& setup, const ReceivedRound& round) {
  if ((round.HandSize != 6 && round.HandSize != 10) || round.SenderTurnState > 2 ||
      !IsWholeDeck(round.DeckCard))
    return false;
  if (!setup.Continuation) BeginGame(state, setup.Standing);
  state.RoundNo = static_cast<std::uint8_t>(state.RoundNo + 1);
  for (int i = 1; i <= 36; ++i) {
    state.DeckCard[i] = round.DeckCard[i];
    state.DeckRank[i] = PlainRankValue(round.DeckCard[i].Rank);
    state.DeckMark[i] = round.DeckMark[i];
  }
  DealFromDeck(state, round.HandSize, round.OwnHandFirst);
  // The sender's seat 1 is this machine: its "1" means this machine moves first.
  if (round.SenderTurnState == 0)
    state.TurnState =
        FirstTurnState(HandOverFor(setup.Kind).FirstMover, state.GameNo, state.RoundNo);
  else
    state.TurnState = round.SenderTurnState == kTurnSeat1 ? kTurnSeat2 : kTurnSeat1;
  ResetRound(state);
  return true;
}

void PresentDealtRound(const TTableState& state, const HandOver& rules, TablePresenter& presenter) {
  presenter.ShowRoundNumber(state.RoundNo);
  presenter.RepaintHand(kSeatCo);
  presenter.RepaintHand(kSeatMe);
  presenter.RedrawScorePanels(ScorePanelView::GameTotals, state.Leader());
  presenter.SetButton7(Button7Caption::ToBeginOfRound, rules.StartsRound);
  presenter.EnableButton8(false);
  presenter.RedrawStock();
  presenter.RedrawNamePlate(kSeatCo);
  presenter.RedrawNamePlate(kSeatMe);
  presenter.PlayCue(cue::kDealt, false);
  presenter.SetRoundTimer(false);
  presenter.SetHelpContext(2);
}

void StartRound(TTableState& state, const RoundSetup& setup, RandomSource& random,
                TablePresenter& presenter) {
  DealRound(state, setup, random);
  PresentDealtRound(state, HandOverFor(setup.Kind), presenter);
}

bool StartReceivedRound(TTableState& state, const RoundSetup& setup, const ReceivedRound& round,
                        TablePresenter& presenter) {
  if (!LayOutReceivedRound(state, setup, round)) return false;
  PresentDealtRound(state, HandOverFor(setup.Kind), presenter);
  return true;
}

}  // namespace tarnel
