#include "app/game_table.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>

#include "app/network_game.h"
#include "app/t_form1.h"
#include "core/cp1251.h"
#include "core/expert_player.h"
#include "core/rules.h"
#include "platform/card_voice.h"
#include "platform/file_system.h"
#include "platform/sound_cues.h"
#include "records/history_file.h"
#include "records/t_form_end_game.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/flights/card_flight.h"
#include "ui/flights/touch_burst.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/picture_box.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/table_painter.h"
#include "ui/scoring/t_form_count.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

constexpr int kRoundTickMs = 200;

// A long caption ("To sum up of game") in a smaller font rather than cut off.
void FitButtonCaption(QPushButton* button, int width) {
  const int px = button->property("captionPx").toInt();
  if (px <= 0) return;
  QFont font = button->font();
  int fitted = px;
  for (; fitted > 8; --fitted) {
    font.setPixelSize(fitted);
    if (QFontMetrics(font).horizontalAdvance(button->text()) <= width - 8) break;
  }
  font.setPixelSize(fitted);
  button->setFont(font);
}

FontChoice FontsOf(const Settings& s) {
  return {s.LargeFont,      s.SmallFont,      s.SpecialFont1,      s.SpecialFont2,
          s.LargeFontScale, s.SmallFontScale, s.SpecialFont1Scale, s.SpecialFont2Scale};
}

}  // namespace

GameTable::GameTable(TForm1& form, RandomSource& random)
    : QObject(&form),
      form_(form),
      random_(random),
      computer_(random),
      driver_(state_, *this, random) {
  painter_ = std::make_unique<TablePainter>(form_.Locator(), form_.Pictures());
  flight_ = std::make_unique<CardFlight>(form_);
  auto box = [&] {
    auto* b = new PictureBox(&form_);
    b->hide();
    return b;
  };
  upperHand_ = box();
  lowerHand_ = box();
  upperScore_ = box();
  lowerScore_ = box();
  upperPlate_ = box();
  lowerPlate_ = box();
  stock_ = box();
  middle_ = box();
  counter_ = box();
  notice_ = new QLabel(&form_);
  notice_->hide();
  notice_->setAlignment(Qt::AlignCenter);
  button7_ = new TQelCardsButton(&form_);
  button8_ = new TQelCardsButton(&form_);
  for (QPushButton* b : {button7_, button8_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
  }
  memo_ = box();
  chatInput_ = new QLineEdit(&form_);
  chatInput_->setMaxLength(15);
  chatInput_->hide();
  chatSend_ = new TQelCardsButton(&form_);
  chatSend_->setText(QStringLiteral(">"));
  chatSend_->hide();
  connect(chatInput_, &QLineEdit::returnPressed, this, &GameTable::SendChat);
  connect(chatSend_, &QPushButton::clicked, this, &GameTable::SendChat);
  chatSend_->installEventFilter(this);
  connect(button7_, &QPushButton::clicked, this, &GameTable::Button7Click);
  connect(button8_, &QPushButton::clicked, this, &GameTable::Button8Click);

  lowerHand_->setMouseTracking(true);
  connect(lowerHand_, &PictureBox::Released, this,
          [this](int x, int, bool right) { HandMouseUp(x, right); });
  connect(lowerHand_, &PictureBox::Moved, this, [this](int x, int) { RefreshCursor(x); });
  connect(middle_, &PictureBox::Released, this, &GameTable::MiddleMouseUp);
  connect(stock_, &PictureBox::Released, this, &GameTable::StockMouseUp);
  // A right click on a card is not taken for the table's menu.
  for (PictureBox* b : {lowerHand_, middle_, stock_}) {
    connect(b, &PictureBox::Entered, this, [this] { form_.SetPopupAttached(false); });
    connect(b, &PictureBox::Left, this, [this] {
      form_.SetPopupAttached(true);
      form_.SetProgramCursor(ProgramCursor::Arrow);
    });
  }
  connect(counter_, &PictureBox::Entered, this, [this] {
    const int cycle = CyclePosition(state_.GameNo);
    counter_->setToolTip(QStringLiteral("<b>%1</b><br>%2 %3<br>%4 %5 / %6")
                             .arg(Text(rows::kCurrentGame), Text(rows::kGeneralNumberOfGame))
                             .arg(state_.GameNo)
                             .arg(Text(rows::kRoundInCycle))
                             .arg(cycle)
                             .arg(kGamesPerCycle));
  });
  OpenScoreDialog = [this](const TCount& count) { ShowCountDialog(count); };
}

GameTable::~GameTable() = default;

QString GameTable::Text(int row) const {
  return QWord(row, form_.settings.LanguageIndex);
}

QString GameTable::PlayerText() const {
  return form_.admitted ? QString::fromStdString(Cp1251ToUtf8(form_.admitted->PlayerName))
                        : QString();
}

void GameTable::SetOpenCards(bool open) {
  openCards_ = open;
  if (driver_.GameActive()) RepaintHand(kSeatCo);
}

// --- laying out -----------------------------------------------------------------------------

void GameTable::LayOut() {
  const WindowScale& scale = form_.Scale();
  form_.MutablePictures().ChooseCurrentBack();
  painter_->SetLook({scale, form_.settings.WindowMode, FontsOf(form_.settings)},
                    form_.Background());
  layout_ = LayOutTable(scale, form_.Pictures().Size().CardHeight);
  upperHand_->Place(layout_.UpperHand);
  lowerHand_->Place(layout_.LowerHand);
  upperScore_->Place(layout_.UpperScore);
  lowerScore_->Place(layout_.LowerScore);
  upperPlate_->Place(layout_.UpperPlate);
  lowerPlate_->Place(layout_.LowerPlate);
  stock_->Place(layout_.Stock);
  middle_->Place(layout_.Middle);
  counter_->Place(layout_.GameCounter);
  memo_->Place(layout_.Memo);
  chatInput_->setGeometry(layout_.ChatInput.Left, layout_.ChatInput.Top, layout_.ChatInput.Width,
                          layout_.ChatInput.Height);
  chatSend_->setGeometry(layout_.ChatSend.Left, layout_.ChatSend.Top, layout_.ChatSend.Width,
                         layout_.ChatSend.Height);
  const FontChoice fonts = FontsOf(form_.settings);
  const int px = ButtonFontHeight(form_.settings.WindowMode, scale, fonts);
  const QString family = QString::fromStdString(fonts.LargeFont);
  for (auto [button, rect] :
       {std::pair{button7_, layout_.Button7}, std::pair{button8_, layout_.Button8}}) {
    button->setGeometry(rect.Left, rect.Top, rect.Width, rect.Height);
    // The table's buttons: red with white captions, or the purple table's card style.
    auto* b = static_cast<TQelCardsButton*>(button);
    const bool purple = form_.settings.TableDesign == 1;
    b->SetColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
    b->SetFontColor(purple ? QColor(200, 175, 50) : QColor(255, 255, 255));
    b->SetColorMouse(QColor(255, 255, 0));
    b->SetLightFont(true);
    b->SetGrayDis(true);
    b->SetNata(form_.settings.NewButtons);
    b->setProperty("captionPx", px);
    b->setFont(PixelFont(fonts.LargeFont, px, true));
  }
  notice_->setGeometry(layout_.UpperHand.Left, layout_.UpperHand.Top, layout_.UpperHand.Width,
                       layout_.UpperHand.Height);
  notice_->setStyleSheet(QStringLiteral("color: #ffff60; font-family: '%1'; font-size: %2px;"
                                        " font-weight: 700;")
                             .arg(family)
                             .arg(scale.Scale(22)));
  for (PictureBox* b : {upperHand_, lowerHand_, middle_})
    b->CopyBackground(form_.Background());
}

void GameTable::ShowTable(bool shown) {
  for (QWidget* w : std::initializer_list<QWidget*>{upperHand_, lowerHand_, upperScore_,
                                                    lowerScore_, upperPlate_, lowerPlate_, stock_,
                                                    middle_, counter_, button7_, button8_})
    w->setVisible(shown);
  if (!shown) notice_->hide();
  ShowChat(shown && networkGame_);
}

void GameTable::ShowChat(bool shown) {
  for (QWidget* w : std::initializer_list<QWidget*>{memo_, chatInput_, chatSend_})
    w->setVisible(shown);
}

PlayerStanding GameTable::Standing() const {
  PlayerStanding standing;
  const Admission& a = *form_.admitted;
  if (form_.SelectedPlayer >= 1 && form_.SelectedPlayer <= 5 && !a.MemberLine.empty()) {
    standing.PrevGames = TrimSpaces(std::string(MemberGamesText(a.MemberLine)));
    if (standing.PrevGames.empty()) standing.PrevGames = "0";
    standing.Rating = MemberRating(a.MemberLine).value_or(0.0);
    standing.InitialScore = static_cast<int>(MemberScore(a.MemberLine).value_or(0));
    standing.GameNo = std::atoi(standing.PrevGames.c_str()) + 1;
  }
  return standing;
}

void GameTable::StartNewGame() {
  if (!form_.admitted) return;
  LayOut();
  names_ = {QString(), QStringLiteral("PC"), PlayerText()};
  ShowTable(true);
  middle_->CopyBackground(form_.Background());
  middle_->Refresh();
  button8_->setText(Text(rows::kExitToMenu));
  FitButtonCaption(button8_, layout_.Button8.Width);
  GameConfig config;
  config.HandSize = form_.settings.HandSizeOption;
  config.Count.AccountState = form_.AccountState;
  net::PeerSession* session = form_.settings.NetworkMode ? form_.Network().Session() : nullptr;
  networkGame_ = session && session->State() >= net::LinkState::Greeted;
  chatLines_.clear();
  chatInput_->clear();
  if (networkGame_) {
    names_[kSeatCo] = QString::fromStdString(Cp1251ToUtf8(session->PeerName()));
    ShowChat(true);
    PaintChatBox();
    // The client's controls wait for its first round.
    const bool client = session->Role() == net::NetRole::Client;
    chatInput_->setEnabled(!client);
    chatSend_->setEnabled(!client);
    session->Attach(driver_, state_);
    driver_.StartGame(*session, config, Standing());
  } else {
    // The expert option takes effect with the next game against the computer.
    SeatLink& seat = form_.ExpertOpponentOn ? static_cast<SeatLink&>(expert_) : computer_;
    driver_.StartGame(seat, config, Standing());
  }
  counter_->setToolTip(
      QStringLiteral("%1: %2 / %3").arg(Text(rows::kGame)).arg(state_.GameNo).arg(kGamesPerCycle));
}

void GameTable::RepaintAll() {
  if (!driver_.GameActive()) return;
  LayOut();
  PaintEverything();
}

void GameTable::PaintEverything() {
  RepaintHand(kSeatCo);
  RepaintHand(kSeatMe);
  middle_->CopyBackground(form_.Background());
  for (int seat : {kSeatCo, kSeatMe})
    if (state_.TableCard[seat] != EmptyCard) painter_->PaintTableCard(*middle_, state_, seat);
  middle_->Refresh();
  RedrawStock();
  RedrawNamePlate(kSeatCo);
  RedrawNamePlate(kSeatMe);
  ShowRoundNumber(state_.RoundNo);
  RedrawScorePanels(ScorePanelView::GameTotals, state_.Leader());
}

void GameTable::Leave() {
  driver_.EndGame();
  if (networkGame_) form_.Network().GameEnded();
  networkGame_ = false;
  pendingCount_.reset();
  ShowTable(false);
}

// --- input ----------------------------------------------------------------------------------

void GameTable::Button7Click() {
  driver_.Button7Click();
  if (pendingCount_) {
    // The score dialog opens once the core's step has returned.
    const TCount count = *pendingCount_;
    pendingCount_.reset();
    QTimer::singleShot(0, this, [this, count] { OpenScoreDialog(count); });
  }
}

void GameTable::Tick() {
  if (!form_.GameActive || !driver_.GameActive()) return;
  if (state_.TurnState == kTurnSeat1 && state_.RoundPhase == kPhasePlaying &&
      driver_.Kind() == GameKind::Computer)
    RedrawNamePlate(kSeatCo);
  driver_.Timer1Timer();
}

int GameTable::HandPosAt(int seat, int x) const {
  const int n = state_.CardCount[seat];
  const int width = form_.Pictures().Size().CardWidth;
  const std::vector<int> xs = HandPositions(HandBox(seat)->width(), n, width);
  // Later cards lie over earlier ones.
  for (int i = n - 1; i >= 0; --i)
    if (x >= xs[i] && x < xs[i] + width) return i + 1;
  return 0;
}

HandClickResult GameTable::HandMouseUp(int x, bool rightButton) {
  if (!form_.GameActive) return HandClickResult::Ignored;
  const int p = HandPosAt(kSeatMe, x);
  // The burst marks a card that is really played, before it flies.
  if (!rightButton && p != 0 && form_.settings.SaluteCards && driver_.CanPlayAt(p))
    TouchBurst(form_, form_.Locator());
  const HandClickResult result = driver_.HandClick(p, rightButton);
  RefreshCursor(x);
  return result;
}

void GameTable::RefreshCursor(int x) {
  form_.SetPopupAttached(false);
  const int p = HandPosAt(kSeatMe, x);
  const bool playable = form_.GameActive && p != 0 && driver_.CanPlayAt(p);
  form_.SetProgramCursor(playable ? ProgramCursor::Hand : ProgramCursor::Arrow);
}

void GameTable::MiddleMouseUp(int x, int y, bool rightButton) {
  if (!rightButton || !form_.GameActive) return;
  const CardSize size = form_.Pictures().Size();
  for (int seat : {kSeatCo, kSeatMe}) {
    const QPoint at = painter_->TableCardPlace(seat);
    if (QRect(at, QSize(size.CardWidth, size.CardHeight)).contains(x, y) &&
        state_.TableCard[seat] != EmptyCard)
      SpeakCard(state_.TableCard[seat]);
  }
}

void GameTable::StockMouseUp(int x, int y, bool rightButton) {
  if (!rightButton || !form_.GameActive || state_.NextStock > 36) return;
  if (painter_->TrumpCardRect().contains(x, y)) SpeakCard(state_.DeckCard[36]);
}

// --- the presenter --------------------------------------------------------------------------

void GameTable::PlayCue(std::string_view name, bool wait) {
  if (form_.settings.SoundOn && form_.Services().Cues)
    form_.Services().Cues->PlaySoundCue(name, wait);
}

void GameTable::RepaintHand(int seat) {
  if (seat != kSeatCo && seat != kSeatMe) return;
  painter_->PaintHand(*HandBox(seat), state_, seat, seat == kSeatCo && openCards_);
  if (seat == kSeatCo) {
    notice_->hide();
    // A client's chat opens with its first round.
    if (networkGame_) {
      chatInput_->setEnabled(true);
      chatSend_->setEnabled(true);
    }
    RedrawNamePlate(kSeatCo);
  }
}

bool GameTable::Flying() const {
  return form_.settings.FlyCards && form_.isVisible();
}

int GameTable::HandCentreX(int seat) const {
  const Rect& box = seat == kSeatCo ? layout_.UpperHand : layout_.LowerHand;
  return RoundHalfToEven(box.Left + box.Width / 2.0 - form_.Pictures().Size().CardWidth / 2.0);
}

void GameTable::Fly(QPoint from, QPoint to, const QImage& picture) {
  flight_->FlyCard(from.x(), from.y(), to.x(), to.y(), picture, painter_->SmallCards(),
                   form_.settings.FlySpeed, true);
}

void GameTable::ShowTableCard(int seat, int fromPos, CardCode card) {
  if (Flying()) {
    // Seat 2's card starts where it lay in the hand before it left; seat 1's from the middle.
    const Rect& hand = seat == kSeatCo ? layout_.UpperHand : layout_.LowerHand;
    int x = HandCentreX(seat);
    if (seat == kSeatMe) {
      const int before = state_.CardCount[kSeatMe] + 1;
      const std::vector<int> xs =
          HandPositions(hand.Width, before, form_.Pictures().Size().CardWidth);
      if (fromPos >= 1 && fromPos <= before) x = hand.Left + xs[fromPos - 1];
    }
    const QPoint place = painter_->TableCardPlace(seat);
    Fly({x, hand.Top}, {layout_.Middle.Left + place.x(), layout_.Middle.Top + place.y()},
        painter_->CardPicture(card));
  }
  painter_->PaintTableCard(*middle_, state_, seat);
}

void GameTable::FlyTrickToWinner(int winnerSeat, CardCode card1, CardCode card2) {
  if (!Flying()) {
    painter_->ClearTable(*middle_, 0);
    return;
  }
  // The winner's side: off the top for seat 1, off the bottom for seat 2.
  const QPoint away = winnerSeat == kSeatCo
                          ? QPoint(HandCentreX(kSeatCo), -form_.Pictures().Size().CardHeight)
                          : QPoint(HandCentreX(kSeatMe), form_.height());
  const int order[2] = {winnerSeat, winnerSeat == kSeatCo ? kSeatMe : kSeatCo};
  for (int seat : order) {
    painter_->ClearTable(*middle_, seat);
    const QPoint place = painter_->TableCardPlace(seat);
    Fly({layout_.Middle.Left + place.x(), layout_.Middle.Top + place.y()}, away,
        painter_->CardPicture(seat == kSeatCo ? card1 : card2));
  }
  painter_->ClearTable(*middle_, 0);
}

void GameTable::DrawFromStock(int seat, int, CardCode) {
  if (!Flying()) return;
  RedrawStock();
  const Rect& hand = seat == kSeatCo ? layout_.UpperHand : layout_.LowerHand;
  Fly({layout_.Stock.Left + form_.Scale().Scale(12), layout_.Stock.Top},
      {HandCentreX(seat), hand.Top}, painter_->BackPicture());
  RepaintHand(seat);
}

void GameTable::RedrawStock() {
  painter_->PaintStock(*stock_, 37 - state_.NextStock, state_.DeckCard[36], state_.TrumpSuit);
}

void GameTable::RedrawScorePanels(ScorePanelView view, int markedSeat) {
  for (int seat : {kSeatCo, kSeatMe}) {
    PictureBox& box = seat == kSeatCo ? *upperScore_ : *lowerScore_;
    const bool marked = seat == markedSeat;
    switch (view) {
      case ScorePanelView::GameTotals:
        painter_->PaintScorePanel(box, seat, marked, true, kEraseField, kEraseField, kEraseField,
                                  state_.GameTotal[seat]);
        break;
      case ScorePanelView::TrickCounts:
        painter_->PaintScorePanel(box, seat, marked, false, state_.CardsTaken[seat],
                                  state_.TrickPoints[seat], kKeepField, kKeepField);
        break;
      case ScorePanelView::RoundResult:
        // The total before the round and what the round added.
        painter_->PaintScorePanel(box, seat, marked, true, state_.CardsTaken[seat],
                                  state_.TrickPoints[seat], state_.RoundScore[seat],
                                  state_.GameTotal[seat] - state_.RoundScore[seat]);
        break;
      case ScorePanelView::GameResult:
        painter_->PaintScorePanel(box, seat, marked, true, kEraseField, kEraseField, kEraseField,
                                  seat == kSeatCo ? -state_.GameScore : state_.GameScore, true);
        break;
    }
  }
}

void GameTable::RedrawNamePlate(int seat) {
  if (seat != kSeatCo && seat != kSeatMe) return;
  // Yellow while the computer is to move.
  const bool thinking = seat == kSeatCo && state_.RoundPhase == kPhasePlaying &&
                        state_.TurnState == kTurnSeat1 && driver_.Kind() == GameKind::Computer;
  const char colour = thinking ? 'y' : seat == kSeatCo ? 'b' : 'g';
  painter_->PaintNamePlate(seat == kSeatCo ? *upperPlate_ : *lowerPlate_, names_[seat], colour);
}

void GameTable::SetButton7(Button7Caption caption, bool enabled) {
  caption_ = caption;
  const int row = caption == Button7Caption::ToBeginOfRound ? rows::kToBeginOfRound
                  : caption == Button7Caption::Ok           ? rows::kRoundOk
                  : caption == Button7Caption::NextRound    ? rows::kNextRound
                                                            : rows::kToSumUpOfGame;
  button7_->setText(Text(row));
  button7_->setEnabled(enabled);
  FitButtonCaption(button7_, layout_.Button7.Width);
}

void GameTable::EnableButton7(bool enabled) {
  button7_->setEnabled(enabled);
}
void GameTable::EnableButton8(bool enabled) {
  button8_->setEnabled(enabled);
}

void GameTable::ShowRoundNumber(int roundNo) {
  painter_->PaintGameCounter(*counter_, Text(rows::kRound), roundNo);
}

// --- network games ---------------------------------------------------------------------------

namespace {

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

QColor ChatColour(int colour) {
  switch (colour) {
    case 1:
      return QColor(0x80, 0x00, 0x00);  // maroon
    case 2:
      return QColor(0x00, 0x00, 0x80);  // navy
    case 3:
      return QColor(0x00, 0x80, 0x00);  // green
    default:
      return QColor(0x80, 0x80, 0x00);  // olive
  }
}

}  // namespace

bool GameTable::NetworkGameOn() const {
  return networkGame_;
}

void GameTable::ShowChatLine(const net::ChatLine& line, bool received) {
  if (received) PlayCue("WToMenK", false);
  const WindowScale& scale = form_.Scale();
  const QFontMetrics metrics(PixelFont(FontsOf(form_.settings).SmallFont, scale.Scale(14)));
  const int room = scale.Scale(85);
  net::ChatLine shown = line;
  shown.Text = net::ShortenChatLine(line.Text, [&](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromStdString(Cp1251ToUtf8(std::string(text)))) >
           room;
  });
  chatLines_.push_back(std::move(shown));
  // Four lines, the newest at the bottom.
  while (chatLines_.size() > 4)
    chatLines_.pop_front();
  PaintChatBox();
}

void GameTable::PaintChatBox() {
  QImage& surface = memo_->Surface();
  if (surface.isNull()) return;
  const WindowScale& scale = form_.Scale();
  QPainter p(&surface);
  p.fillRect(surface.rect(), QColor(0xf4, 0xee, 0xd8));
  p.setPen(QPen(QColor(0x6a, 0x4a, 0x20), 2));
  p.drawRect(surface.rect().adjusted(1, 1, -1, -1));
  p.setFont(PixelFont(FontsOf(form_.settings).SmallFont, scale.Scale(14)));
  const int step = scale.Scale(14);
  int y = scale.Scale(4);
  for (const net::ChatLine& line : chatLines_) {
    p.setPen(ChatColour(line.Colour));
    p.drawText(QRect(scale.Scale(20), y, surface.width() - scale.Scale(20), step + 4),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(Cp1251ToUtf8(line.Text)));
    y += step;
  }
  p.end();
  memo_->Refresh();
}

void GameTable::SendChat() {
  net::PeerSession* session = form_.Network().Session();
  if (!networkGame_ || !session) return;
  if (session->SendChat(Utf8ToCp1251(chatInput_->text().toStdString()))) chatInput_->clear();
}

void GameTable::DisableChat() {
  chatInput_->setEnabled(false);
  chatSend_->setEnabled(false);
}

bool GameTable::eventFilter(QObject* watched, QEvent* event) {
  net::PeerSession* session = form_.Network().Session();
  if (watched == chatSend_ && session && networkGame_) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      session->ChatButtonFocus();
    } else if (event->type() == QEvent::KeyPress) {
      const QString typed = static_cast<QKeyEvent*>(event)->text();
      if (typed.size() == 1 && typed[0].unicode() < 128) session->ChatKey(typed[0].toLatin1());
    }
  }
  return QObject::eventFilter(watched, event);
}

void GameTable::PeerLost(net::NetRole peerRole) {
  if (!networkGame_ || !form_.GameActive) return;
  PlayCue(cue::kWrongCard, false);
  const int roleWord = peerRole == net::NetRole::Client ? rows::kRoleClient : rows::kRoleServer;
  form_.Services().Messages->Error(&form_, Text(roleWord) + QStringLiteral(" ") +
                                               Text(rows::kHasInterruptedGame) +
                                               QStringLiteral("\n") + Text(rows::kPressOkForMenu));
  // Not recorded, the club file untouched.
  driver_.EndGame();
  pendingCount_.reset();
  networkGame_ = false;
  ShowTable(false);
  form_.ReturnToMenu();
}

void GameTable::ShowAwaitingDeal() {
  painter_->ClearTable(*upperHand_, 0);
  notice_->setText(Text(rows::kExpectationOfServer));
  notice_->show();
  notice_->raise();
}

void GameTable::SetRoundTimer(bool running) {
  form_.Timer1().setInterval(kRoundTickMs);
  if (running)
    form_.Timer1().start();
  else
    form_.Timer1().stop();
}

void GameTable::ShowScoreDialog(const TCount& count) {
  pendingCount_ = count;
}

void GameTable::SetHelpContext(int context) {
  helpContext_ = context;
}

void GameTable::SpeakCard(CardCode card) {
  const ProgramServices& services = form_.Services();
  if (services.SpeakCard)
    services.SpeakCard(card, form_.settings.LanguageIndex);
  else if (services.Voice)
    services.Voice->SpeakCard(card, form_.settings.LanguageIndex);
}

void GameTable::ShowCountDialog(const TCount& count) {
  TFormCount dialog(count, PlayerText(), form_.settings.LanguageIndex, form_.AccountState,
                    CountEmblem::Local, form_.settings.AnimationsOn, form_.Locator(), &form_);
  dialog.exec();
}

bool GameTable::HintClick() {
  if (!form_.GameActive || state_.TurnState != kTurnSeat2 || state_.RoundPhase != kPhasePlaying)
    return false;
  ExpertOptions options;
  options.Samples = 200;  // enough to mark a good card without making the player wait
  const int p = HintFor(state_, options);
  if (p < 1 || p > state_.CardCount[kSeatMe]) return false;
  lastHint_ = p;
  const std::vector<int> xs = HandPositions(lowerHand_->width(), state_.CardCount[kSeatMe],
                                            form_.Pictures().Size().CardWidth);
  {
    QPainter mark(&lowerHand_->Surface());
    mark.setRenderHint(QPainter::Antialiasing);
    mark.setPen(QPen(QColor(255, 230, 0), 3));
    mark.setBrush(QColor(255, 230, 0, 60));
    const CardSize size = form_.Pictures().Size();
    const int width = p < state_.CardCount[kSeatMe] ? std::min(size.CardWidth, xs[p] - xs[p - 1])
                                                    : size.CardWidth;
    mark.drawRoundedRect(QRectF(xs[p - 1] + 1.5, 1.5, width - 3, size.CardHeight - 3), 6, 6);
  }
  lowerHand_->Refresh();
  if (form_.settings.SoundOn) SpeakCard(state_.HandCard[kSeatMe][p]);
  // The mark goes after a moment, unless the hand has changed meanwhile.
  const CardCode marked = state_.HandCard[kSeatMe][p];
  QTimer::singleShot(1500, this, [this, p, marked] {
    if (driver_.GameActive() && state_.HandCard[kSeatMe][p] == marked) RepaintHand(kSeatMe);
  });
  return true;
}

void GameTable::GenCountClick() {
  if (!form_.GameActive) return;
  OpenScoreDialog(FillCount(state_, driver_.Count()));
}

// --- renaming and the end of a game ---------------------------------------------------------

void GameTable::ChangeNameClick() {
  if (!form_.GameActive || !form_.admitted) return;
  PlayerDialogInput input;
  input.SelectedPlayer = kNewPlayerSlot;
  input.Renaming = true;
  input.NetworkMode = form_.settings.NetworkMode;
  input.PlayerName = form_.admitted->PlayerName;
  input.LastTypedName = form_.settings.LastTypedName;
  std::optional<std::string> typed;
  const std::string gamesText = form_.admitted->GamesText;
  std::optional<Admission> renamed = form_.Services().RunPlayerDialog(input, typed);
  if (typed) form_.settings.LastTypedName = *typed;
  if (!renamed) return;
  Admission& a = *form_.admitted;
  if (form_.SelectedPlayer >= 1 && form_.SelectedPlayer <= 5) {
    const RecordsResult result =
        RenameMember(*form_.Services().Files, form_.ClubFileInUse(), form_.SelectedPlayer,
                     a.MemberLine, renamed->PlayerName, renamed->EncodedPassword, form_.club);
    if (result.Message) form_.ShowRecordsMessage(*result.Message);
    if (!result.Ok) return;
    // The stored line now carries the new name and password.
    a.MemberLine.replace(0, kNameLength, renamed->PlayerName);
    a.MemberLine.replace(44, 3 * kPasswordLength, renamed->EncodedPassword);
  }
  a.PlayerName = renamed->PlayerName;
  a.EncodedPassword = renamed->EncodedPassword;
  a.GamesText = gamesText;
  names_[kSeatMe] = PlayerText();
  RedrawNamePlate(kSeatMe);
  form_.Services().Messages->Inform(&form_, Text(rows::kNameChanged) + PlayerText().trimmed());
}

void GameTable::Button8Click() {
  if (!form_.GameActive || !state_.GameOver) return;
  RecordGame();
}

void GameTable::RecordGame() {
  const ProgramServices& services = form_.Services();
  ShowTable(false);
  notice_->setGeometry(0, 0, form_.width(), form_.height());
  notice_->setText(Text(rows::kPleaseWait));
  notice_->show();
  notice_->repaint();

  const double rating =
      RatingAfterGame(state_.PrevGames, state_.GameNo, state_.GameScore, state_.Rating);
  const std::string name = form_.admitted ? form_.admitted->PlayerName : std::string();
  // A network game is filed under both names, own first.
  const std::string peer = networkGame_ && form_.Network().Session()
                               ? form_.Network().Session()->PeerName()
                               : std::string();
  const HisStr record{networkGame_ ? TrimRight(name) + "/" + TrimRight(peer) : name, state_.GameNo,
                      state_.GameScore, rating,
                      networkGame_ ? HistoryKind::Network : HistoryKind::Local};
  const HistoryWriteResult history =
      WriteHistory(*services.Files, services.ProgramFolder, std::span<const HisStr>(&record, 1),
                   LocalNow(), kDefaultShortDateFormat);
  if (history.Message) form_.ShowRecordsMessage(*history.Message);

  const bool cycleEnds = state_.GameNo % kGamesPerCycle == 0;
  if (!cycleEnds) {
    if (state_.GameScore > 0) PlayCue(cue::kGameWon, false);
    if (state_.GameScore < 0) PlayCue(cue::kGameLost, false);
  }
  if (form_.AccountState <= 2 && form_.admitted) {
    ClubGameResult game;
    game.SelectedPlayer = form_.SelectedPlayer;
    game.PlayerName = name;
    game.Rating = rating;
    game.GameNo = state_.GameNo;
    game.GeneralScore = state_.GeneralScore;
    game.EncodedPassword = form_.admitted->EncodedPassword;
    const RecordsResult stored =
        RecordClubGame(*services.Files, form_.ClubFileInUse(), game, form_.club);
    if (stored.Message) form_.ShowRecordsMessage(*stored.Message);
  }
  notice_->hide();
  driver_.EndGame();
  if (networkGame_) form_.Network().GameEnded();
  networkGame_ = false;
  // The verdict of a completed cycle; the places were settled by the store above.
  if (cycleEnds && form_.AccountState <= 2 && form_.club.CycleComplete) {
    const VerdictPlay play = form_.settings.NetworkMode ? VerdictPlay::Network
                             : form_.AccountState == 1  ? VerdictPlay::LocalNotLoggedIn
                                                        : VerdictPlay::LocalLoggedIn;
    const Verdict verdict = MakeVerdict(form_.club.TopTenPlace, form_.club.CycleResult, play);
    PlayCue(verdict.Sound, false);
    TFormEndGame dialog(verdict, form_.settings.LanguageIndex, form_.settings.AnimationsOn,
                        form_.Locator(), &form_);
    if (services.ShowDialog)
      services.ShowDialog(dialog);
    else
      dialog.exec();
  }
  form_.ReturnToMenu();
}

}  // namespace tarnel
