// Whole games on the real window, played as a user would: the player dialog, clicks on legal
// cards, the round button, and "Exit to menu"; then what the club and history files hold.
#include "app/game_table.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMenu>
#include <climits>
#include <QPushButton>

#include "app/t_form1.h"
#include "app_test_support.h"
#include "platform/file_system.h"
#include "platform/sound_cues.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "ui/flights/card_flight.h"
#include "ui/layout/window_layout.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/picture_box.h"
#include "ui/settings/settings.h"

namespace tarnel {
namespace {

using testing::ProgramFolder;

class Table : public ::testing::Test {
 protected:
  void SetUp() override { testing::App(); }

  TForm1& Start(int handSize, bool flights = false) {
    Settings settings;
    settings.HandSizeOption = handSize;
    settings.FlyCards = flights;
    settings.FlySpeed = 6;
    folder.Write(SettingsFileName, SettingsFileBytes(settings));
    ProgramServices services;
    services.ProgramFolder = folder.path();
    services.Messages = &messages;
    services.Cues = &cues;
    services.Files = &files;
    services.Screen = QRect(0, 0, 1920, 1080);
    services.SpeakCard = [this](CardCode card, int) { spoken.push_back(card); };
    services.ShowDialog = [this](QDialog& dialog) { shownDialogs.push_back(dialog.windowTitle()); };
    // The dialog as a person fills it: a new player types a name, a member his password.
    services.RunPlayerDialog = [this](const PlayerDialogInput& input,
                                      std::optional<std::string>& typed) {
      typed = input.Renaming ? renameTo : "Vera";
      if (input.Renaming) {
        const PlayerDialogVerdict v = ConfirmPlayerDialog(input, {renameTo, "new", "new"}, {});
        return v.Accepted ? std::optional<Admission>(v.Admitted) : std::nullopt;
      }
      const std::string stored = input.SelectedPlayer <= 5
                                     ? *DecodePassword(MemberPasswordText(input.MemberLine))
                                     : std::string();
      PlayerDialogVerdict v = ConfirmPlayerDialog(input, {"Vera", "pw", "pw"}, stored);
      return v.Accepted ? std::optional<Admission>(v.Admitted) : std::nullopt;
    };
    form = std::make_unique<TForm1>(services);
    form->show();
    testing::Spin();
    form->LeaveTitle();
    form->Table().OpenScoreDialog = [this](const TCount& count) { counts.push_back(count); };
    return *form;
  }

  // Plays the running game to its end as a user would; returns the number of user clicks.
  int PlayToTheEnd() {
    GameTable& table = form->Table();
    const TTableState& state = table.State();
    int clicks = 0;
    for (int guard = 0; guard < 5000 && !state.GameOver; ++guard) {
      if (table.Button7()->isEnabled()) {
        QTest::mouseClick(table.Button7(), Qt::LeftButton);
      } else if (state.TurnState == kTurnSeat1) {
        form->Timer1Timer();  // the computer moves on the main tick
      } else if (state.TurnState == kTurnSeat2) {
        PictureBox* hand = table.HandBox(kSeatMe);
        const std::vector<int> xs = HandPositions(hand->width(), state.CardCount[kSeatMe],
                                                  form->Pictures().Size().CardWidth);
        int p = 1;
        while (p <= state.CardCount[kSeatMe] && !table.Driver().CanPlayAt(p)) ++p;
        EXPECT_LE(p, state.CardCount[kSeatMe]) << "no legal card";
        if (p > state.CardCount[kSeatMe]) return clicks;
        const int x = xs[p - 1] + (p < state.CardCount[kSeatMe] ? 2 : 30);
        QTest::mouseClick(hand, Qt::LeftButton, {}, QPoint(x, 20));
        ++clicks;
      } else {
        ADD_FAILURE() << "stuck in TurnState " << int(state.TurnState);
        return clicks;
      }
    }
    // "To sum up of game" leaves the score dialog and "Exit to menu" enabled.
    if (table.Button7()->isEnabled()) QTest::mouseClick(table.Button7(), Qt::LeftButton);
    testing::Spin(10);
    return clicks;
  }

  ProgramFolder folder;
  PosixFileSystem files;
  RecordedMessages messages;
  RecordedSoundCues cues;
  std::vector<CardCode> spoken;
  std::vector<TCount> counts;
  std::string renameTo = "Olga";
  std::vector<QString> shownDialogs;
  std::unique_ptr<TForm1> form;
};

class WholeGames : public Table, public ::testing::WithParamInterface<int> {};

TEST_P(WholeGames, ANewPlayerPlaysToFortyOneAndIsRecorded) {
  TForm1& window = Start(GetParam());
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(window.GameActive);
  GameTable& table = window.Table();
  EXPECT_EQ(table.State().CardCount[kSeatMe], GetParam());
  EXPECT_TRUE(table.HandBox(kSeatMe)->isVisible());
  EXPECT_FALSE(table.Button8()->isEnabled());

  // A right click on a card of the own hand says it and plays nothing.
  const TTableState before = table.State();
  const int first = HandPositions(table.HandBox(kSeatMe)->width(), GetParam(),
                                  window.Pictures().Size().CardWidth)[0];
  EXPECT_EQ(table.HandPosAt(kSeatMe, first - 1), 0);  // the gap before the first card
  QTest::mouseClick(table.HandBox(kSeatMe), Qt::RightButton, {}, QPoint(first + 2, 20));
  ASSERT_EQ(spoken.size(), 1u);
  EXPECT_EQ(spoken[0], before.HandCard[kSeatMe][1]);
  EXPECT_EQ(table.State().CardCount[kSeatMe], before.CardCount[kSeatMe]);

  EXPECT_GT(PlayToTheEnd(), 0);
  const TTableState& state = table.State();
  ASSERT_TRUE(state.GameOver);
  EXPECT_TRUE(state.GameTotal[1] >= 41 || state.GameTotal[2] >= 41);
  EXPECT_EQ(state.GameScore, 10 * (state.GameTotal[2] - state.GameTotal[1]));
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0].Count_KonAll, "1");
  EXPECT_TRUE(table.Button8()->isEnabled());
  const int score = state.GameScore;

  QTest::mouseClick(table.Button8(), Qt::LeftButton);
  EXPECT_TRUE(window.MenuShowing);
  EXPECT_FALSE(window.GameActive);
  EXPECT_FALSE(table.HandBox(kSeatMe)->isVisible());

  const std::optional<ClubLines> club = ReadClubFile(files, folder / kClubFileName);
  ASSERT_TRUE(club) << "club file not intact";
  EXPECT_EQ(MemberName((*club)[0]).substr(0, 5), "Vera ");
  EXPECT_EQ(TrimSpaces(std::string(MemberGamesText((*club)[0]))), "1");
  EXPECT_EQ(MemberScore((*club)[0]), score);
  EXPECT_DOUBLE_EQ(*MemberRating((*club)[0]), score / 100.0);
  EXPECT_TRUE(window.MemberButton(1)->text().startsWith("Vera"));

  const HistoryFileCheck history = CheckHistoryFile(files, folder.path(), 1, kDefaultShortDateFormat);
  EXPECT_TRUE(history.Intact);
  EXPECT_EQ(history.RecordCount, 1);
  const std::vector<std::string>& cuesPlayed = cues.played;
  EXPECT_NE(std::find(cuesPlayed.begin(), cuesPlayed.end(), score > 0 ? "WKoGood" : "WKoBads"),
            cuesPlayed.end());
}

INSTANTIATE_TEST_SUITE_P(HandSizes, WholeGames, ::testing::Values(6, 10));

TEST_F(Table, TwentyGamesCompleteACycleThatEntersTheTopTenAndRestartsTheScore) {
  TForm1& window = Start(10);
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  long long cycleScore = 0;
  for (int game = 1; game <= 20; ++game) {
    ASSERT_TRUE(window.GameActive) << "game " << game;
    EXPECT_EQ(window.Table().State().GameNo, game);
    PlayToTheEnd();
    cycleScore += window.Table().State().GameScore;
    QTest::mouseClick(window.Table().Button8(), Qt::LeftButton);
    ASSERT_TRUE(window.MenuShowing);
    if (game < 20) QTest::mouseClick(window.MemberButton(1), Qt::LeftButton);
  }
  const std::optional<ClubLines> club = ReadClubFile(files, folder / kClubFileName);
  ASSERT_TRUE(club);
  EXPECT_EQ(TrimSpaces(std::string(MemberGamesText((*club)[0]))), "20");
  EXPECT_EQ(MemberScore((*club)[0]), 0);  // a new cycle starts from 0
  bool inTopTen = false;
  for (int place = 0; place < kTopTenPlaces; ++place) {
    const std::string& entry = (*club)[kMemberSlots + place];
    if (TopTenName(entry).substr(0, 4) == "Vera") {
      inTopTen = true;
      EXPECT_EQ(std::atoll(std::string(TopTenScore(entry)).c_str()), cycleScore);
    }
  }
  // The cycle enters the top ten where its score reaches a place; the list stays sorted.
  EXPECT_TRUE(window.club.CycleComplete);
  EXPECT_EQ(inTopTen, window.club.TopTenPlace > 0);
  long long previous = LLONG_MAX;
  for (int place = 0; place < kTopTenPlaces; ++place) {
    const long long entry =
        std::atoll(std::string(TopTenScore((*club)[kMemberSlots + place])).c_str());
    EXPECT_LE(entry, previous);
    if (place == kTopTenPlaces - 1 && !inTopTen) {
      EXPECT_LT(cycleScore, entry);
    }
    previous = entry;
  }
  const HistoryFileCheck history = CheckHistoryFile(files, folder.path(), 1, kDefaultShortDateFormat);
  EXPECT_EQ(history.RecordCount, 20);
  // The twentieth game, and only it, ends with the verdict and its sound.
  EXPECT_EQ(shownDialogs, (std::vector<QString>{"The completion of game"}));
  const char* verdictSound = window.club.TopTenPlace == 1   ? "WFiBest"
                             : window.club.TopTenPlace >= 2 ? "WFiGood"
                                                            : "WFiBads";
  EXPECT_EQ(std::count(cues.played.begin(), cues.played.end(), verdictSound), 1);
}

TEST_F(Table, AMemberRenamedDuringAGameKeepsHisSlotAndStandingUnderTheNewName) {
  TForm1& window = Start(10);
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  PlayToTheEnd();
  QTest::mouseClick(window.Table().Button8(), Qt::LeftButton);
  const std::string before = *ReadMember(files, folder / kClubFileName, 1);
  QTest::mouseClick(window.MemberButton(1), Qt::LeftButton);
  ASSERT_TRUE(window.GameActive);

  window.Table().ChangeNameClick();
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().Kind, 'i');
  EXPECT_TRUE(messages.shown.back().Text.endsWith("Olga")) << messages.shown.back().Text.toStdString();
  const std::string after = *ReadMember(files, folder / kClubFileName, 1);
  EXPECT_EQ(MemberName(after).substr(0, 5), "Olga ");
  EXPECT_EQ(MemberPasswordText(after), EncodePassword("new"));
  EXPECT_EQ(after.substr(20, 24), before.substr(20, 24));  // rating, games and score stay
  EXPECT_EQ(window.settings.LastTypedName, "Olga");

  // The game goes on under the new name and is stored on it.
  PlayToTheEnd();
  QTest::mouseClick(window.Table().Button8(), Qt::LeftButton);
  const std::optional<ClubLines> club = ReadClubFile(files, folder / kClubFileName);
  ASSERT_TRUE(club);
  EXPECT_EQ(MemberName((*club)[0]).substr(0, 5), "Olga ");
  EXPECT_EQ(TrimSpaces(std::string(MemberGamesText((*club)[0]))), "2");
}

TEST_F(Table, APlayedCardFliesFromItsPlaceInTheHandToItsPlaceOnTheTable) {
  TForm1& window = Start(6, true);
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  GameTable& table = window.Table();
  const TTableState& state = table.State();
  QTest::mouseClick(table.Button7(), Qt::LeftButton);
  if (state.TurnState == kTurnSeat1) {
    window.Timer1Timer();
    EXPECT_GT(table.Flight().LastSteps(), 0);  // the computer's card flew too
  }
  ASSERT_EQ(state.TurnState, kTurnSeat2);
  int p = 1;
  while (!table.Driver().CanPlayAt(p)) ++p;
  const CardCode card = state.HandCard[kSeatMe][p];
  const TableLayout& layout = table.Layout();
  const int width = window.Pictures().Size().CardWidth;
  const int x = layout.LowerHand.Left + HandPositions(layout.LowerHand.Width, 6, width)[p - 1];
  const int seat2Top = window.Scale().Scale(100);
  QTest::mouseClick(table.HandBox(kSeatMe), Qt::LeftButton, {}, QPoint(x - layout.LowerHand.Left + 2, 20));
  EXPECT_EQ(state.TableCard[kSeatMe], card);
  // One pixel a step along the longer axis; the fastest speed skips the first position.
  const int dx = layout.Middle.Left - x, dy = layout.Middle.Top + seat2Top - layout.LowerHand.Top;
  EXPECT_EQ(table.Flight().LastSteps(), std::max(std::abs(dx), std::abs(dy)) - 1);
  EXPECT_FALSE(table.Flight().CardFlying());
  // The card is painted at its place once it has arrived.
  const QImage& middle = table.MiddleBox()->Surface();
  EXPECT_NE(middle.pixel(width / 2, seat2Top + 40),
            window.Background().pixel(layout.Middle.Left + width / 2,
                                      layout.Middle.Top + seat2Top + 40));
}

TEST_F(Table, TheHintMarksALegalCardAndSaysItWithoutChangingTheGame) {
  TForm1& window = Start(6);
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  GameTable& table = window.Table();
  EXPECT_FALSE(table.HintClick());  // the round has not begun
  QTest::mouseClick(table.Button7(), Qt::LeftButton);
  if (table.State().TurnState == kTurnSeat1) window.Timer1Timer();
  ASSERT_EQ(table.State().TurnState, kTurnSeat2);
  const TTableState before = table.State();
  const QImage handBefore = table.HandBox(kSeatMe)->Surface().copy();
  spoken.clear();
  QTest::keyClick(&window, Qt::Key_H);
  const int p = table.LastHint();
  ASSERT_GE(p, 1);
  EXPECT_TRUE(table.Driver().CanPlayAt(p));
  ASSERT_EQ(spoken.size(), 1u);
  EXPECT_EQ(spoken[0], before.HandCard[kSeatMe][p]);
  EXPECT_NE(table.HandBox(kSeatMe)->Surface(), handBefore);  // the card is marked
  EXPECT_EQ(table.State().HandCard, before.HandCard);
  EXPECT_EQ(table.State().TurnState, before.TurnState);
  EXPECT_EQ(table.State().TableCard, before.TableCard);
}

TEST_F(Table, GeneralScoreAndLeavingTheGameUseThePopupItems) {
  TForm1& window = Start(6);
  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  window.Table().GenCountClick();
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0].Count_KonAll, "1");
  EXPECT_EQ(counts[0].Count_ScoCur, "0");
  messages.answers = {true};
  window.QuitClick();
  EXPECT_TRUE(window.MenuShowing);
  EXPECT_FALSE(window.Table().HandBox(kSeatMe)->isVisible());
  EXPECT_FALSE(window.Table().Driver().GameActive());
  // The unfinished game is not recorded.
  EXPECT_FALSE(std::filesystem::exists(folder / "History"));
}

}  // namespace
}  // namespace tarnel
