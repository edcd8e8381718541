#include "core/dealing.h"

#include <array>

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

void DealFromDeck(TTableState& state, int handSize) {
  int n = handSize == 10 ? 10 : 6;
  state.HandSize = n;
  for (int seat : {kSeatCo, kSeatMe}) {
    state.HandCard[seat].fill(EmptyCard);
    state.HandRank[seat].fill(EmptyRank);
    state.HandMark[seat].fill(EmptyMark);
    int first = seat == kSeatCo ? 1 : n + 1;
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

std::uint8_t FirstTurnState(GameKind kind, int gameNo, int roundNo) {
  if (IsTournament(kind)) {
    bool seat1 = roundNo % 2 == 0;
    if (kind == GameKind::TournamentSecondSeat) seat1 = !seat1;
    return seat1 ? kTurnSeat1 : kTurnSeat2;
  }
  return (gameNo % 2 == 0) == (roundNo % 2 == 0) ? kTurnSeat1 : kTurnSeat2;
}

namespace {

void BeginGameIfNew(TTableState& state, const RoundSetup& setup) {
  if (setup.Continuation) return;
  state.GameTotal = {0, 0, 0};
  state.RoundNo = 0;
  state.GameScore = 0;
  state.GeneralScore = 0;
  state.GameNo = setup.Standing.GameNo;
  state.PrevGames = setup.Standing.PrevGames;
  state.InitialScore = setup.Standing.InitialScore;
  state.Rating = setup.Standing.Rating;
}

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
  state.NextStock = state.HandSize == 10 ? 21 : 13;
}

void ShowDealtRound(TTableState& state, GameKind kind, TablePresenter& presenter) {
  presenter.ShowRoundNumber(state.RoundNo);
  state.TargetReached = false;
  for (int seat : {kSeatCo, kSeatMe}) {
    SortHand(state, seat);
    presenter.RepaintHand(seat);
  }
  state.ToMove = state.TurnState == kTurnSeat1 ? "co" : "me";
  presenter.RedrawScorePanels(ScorePanelView::GameTotals, state.Leader());
  // The other machine starts the round on a network client and at a tournament's second seat.
  bool startsHere = kind != GameKind::NetworkClient && kind != GameKind::TournamentSecondSeat;
  presenter.SetButton7(Button7Caption::ToBeginOfRound, startsHere);
  presenter.EnableButton8(false);
  presenter.RedrawStock();
  presenter.RedrawNamePlate(kSeatCo);
  presenter.RedrawNamePlate(kSeatMe);
  presenter.PlayCue(cue::kDealt, false);
  state.RoundPhase = kPhaseDealt;
  presenter.SetRoundTimer(false);
  presenter.SetHelpContext(2);
}

}  // namespace

void StartRound(TTableState& state, const RoundSetup& setup, RandomSource& random,
                TablePresenter& presenter) {
  Shuffle(state, random);
  StartRoundFromDeck(state, setup, presenter);
}

void StartRoundFromDeck(TTableState& state, const RoundSetup& setup, TablePresenter& presenter) {
  BeginGameIfNew(state, setup);
  state.RoundNo = static_cast<std::uint8_t>(state.RoundNo + 1);
  DealFromDeck(state, setup.HandSize);
  state.TurnState = FirstTurnState(setup.Kind, state.GameNo, state.RoundNo);
  ResetRound(state);
  ShowDealtRound(state, setup.Kind, presenter);
}

}  // namespace tarnel
