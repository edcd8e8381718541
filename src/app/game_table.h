// The game table of TForm1: it lays out the table, implements what the core asks of the window
// (the presenter), turns mouse and buttons into the turn driver's handlers, and records a
// finished game before the menu returns.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <deque>
#include <memory>
#include <optional>

#include "core/computer_seat.h"
#include "core/expert_seat.h"
#include "core/presenter.h"
#include "core/random_source.h"
#include "core/scoring.h"
#include "core/table_state.h"
#include "core/turn_driver.h"
#include "net/peer_session.h"
#include "ui/layout/window_layout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnel {

class CardFlight;
class PictureBox;
class TablePainter;
class TForm1;

class GameTable : public QObject, public TablePresenter {
  Q_OBJECT
 public:
  // `random` deals and drives the computer; the window's own is seeded from the clock.
  GameTable(TForm1& form, RandomSource& random);
  ~GameTable() override;

  // The player dialog admitted a player: the first round is dealt.
  void StartNewGame();
  void Button7Click();
  // "Exit to menu" once the game is summed up: the game is recorded and the menu returns.
  void Button8Click();
  // Every tick of Timer1.
  void Tick();
  // The player left the game: the table clears itself.
  void Leave();
  void GenCountClick();
  // The card the expert would play for the user now, marked in the hand for a moment and said
  // when sound is on; the game does not change. False when it is not the user's turn.
  bool HintClick();
  // The position the last hint marked (0 for none).
  int LastHint() const { return lastHint_; }
  void ChangeNameClick();
  // Mouse released over seat 2's hand at x (right button speaks the card).
  HandClickResult HandMouseUp(int x, bool rightButton);
  // The hand position under x of a seat's hand box, 0 for none.
  int HandPosAt(int seat, int x) const;
  // Repaints everything of the table (a new window size, or a full refresh).
  void RepaintAll();
  // Network games: a chat line for the chat box, the chat controls going dead, the peer gone.
  void ShowChatLine(const net::ChatLine& line, bool received);
  void DisableChat();
  void PeerLost(net::NetRole peerRole);
  QLineEdit* ChatInput() const { return chatInput_; }
  QPushButton* ChatSend() const { return chatSend_; }
  const std::deque<net::ChatLine>& ChatLines() const { return chatLines_; }
  // Every element of the table painted again as it stands (no new layout).
  void PaintEverything();

  // Open cards: seat 1's hand face up after every repaint.
  void SetOpenCards(bool open);
  bool OpenCards() const { return openCards_; }

  TTableState& State() { return state_; }
  const TTableState& State() const { return state_; }
  TurnDriver& Driver() { return driver_; }
  QPushButton* Button7() const { return button7_; }
  QPushButton* Button8() const { return button8_; }
  PictureBox* HandBox(int seat) const { return seat == kSeatCo ? upperHand_ : lowerHand_; }
  PictureBox* MiddleBox() const { return middle_; }
  PictureBox* StockBox() const { return stock_; }
  PictureBox* CounterBox() const { return counter_; }
  const TableLayout& Layout() const { return layout_; }
  const CardFlight& Flight() const { return *flight_; }
  CardFlight& Flight() { return *flight_; }
  int HelpContext() const { return helpContext_; }
  // The score dialog waiting to open once the core's step has returned.
  bool ScoreDialogPending() const { return pendingCount_.has_value(); }
  // Opens a score dialog: the window's own, or the test's.
  std::function<void(const TCount&)> OpenScoreDialog;

  // --- TablePresenter ------------------------------------------------------------------------
  void PlayCue(std::string_view name, bool wait) override;
  void RepaintHand(int seat) override;
  void ShowTableCard(int seat, int fromPos, CardCode card) override;
  void FlyTrickToWinner(int winnerSeat, CardCode card1, CardCode card2) override;
  void DrawFromStock(int seat, int pos, CardCode card) override;
  void RedrawStock() override;
  void RedrawScorePanels(ScorePanelView view, int markedSeat) override;
  void RedrawNamePlate(int seat) override;
  void SetButton7(Button7Caption caption, bool enabled) override;
  void EnableButton7(bool enabled) override;
  void EnableButton8(bool enabled) override;
  void ShowRoundNumber(int roundNo) override;
  void ShowAwaitingDeal() override;
  void SetRoundTimer(bool running) override;
  void ShowScoreDialog(const TCount& count) override;
  void SetHelpContext(int context) override;
  void SpeakCard(CardCode card) override;

 private:
  void LayOut();
  void ShowTable(bool shown);
  void RefreshCursor(int x);
  void ShowCountDialog(const TCount& count);
  void StockMouseUp(int x, int y, bool rightButton);
  void MiddleMouseUp(int x, int y, bool rightButton);
  QString Text(int row) const;
  QString PlayerText() const;
  PlayerStanding Standing() const;
  void RecordGame();
  bool NetworkGameOn() const;
  void ShowChat(bool shown);
  void PaintChatBox();
  void SendChat();
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool Flying() const;
  int HandCentreX(int seat) const;
  void Fly(QPoint from, QPoint to, const QImage& picture);

  TForm1& form_;
  RandomSource& random_;
  TTableState state_;
  ComputerSeat computer_;
  ExpertSeat expert_;
  TurnDriver driver_;
  std::unique_ptr<TablePainter> painter_;
  std::unique_ptr<CardFlight> flight_;
  TableLayout layout_;
  bool openCards_ = false;
  int helpContext_ = 1;
  int lastHint_ = 0;
  Button7Caption caption_ = Button7Caption::ToBeginOfRound;
  std::optional<TCount> pendingCount_;
  std::array<QString, 3> names_;

  PictureBox* upperHand_ = nullptr;
  PictureBox* lowerHand_ = nullptr;
  PictureBox* upperScore_ = nullptr;
  PictureBox* lowerScore_ = nullptr;
  PictureBox* upperPlate_ = nullptr;
  PictureBox* lowerPlate_ = nullptr;
  PictureBox* stock_ = nullptr;
  PictureBox* middle_ = nullptr;
  PictureBox* counter_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* button7_ = nullptr;
  QPushButton* button8_ = nullptr;
  PictureBox* memo_ = nullptr;
  QLineEdit* chatInput_ = nullptr;
  QPushButton* chatSend_ = nullptr;
  std::deque<net::ChatLine> chatLines_;
  bool networkGame_ = false;
};

}  // namespace tarnel
