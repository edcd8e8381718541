// TForm1: the program's one window. It owns what lives for the whole run (settings, club state,
// pictures, timers) and shows, in turn, the title screen, the main menu and the game table.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/cards.h"
#include "core/random_source.h"
#include "net/player_dialog.h"
#include "platform/resource_library.h"
#include "records/club_file.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/layout/window_layout.h"
#include "ui/options/t_form_options.h"
#include "ui/pictures/picture_loader.h"
#include "ui/settings/settings.h"

class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QUrl;

namespace tarnel {

class GameTable;
class PictureBox;
class FileSystem;
class SoundCues;
class NetworkGame;
struct NetworkSectionHooks;
class CardVoice;
class TitleScreen;
class UserMessages;

// Everything the window reaches the world through; tests put their own in.
struct ProgramServices {
  std::filesystem::path ProgramFolder;  // ends without a separator
  UserMessages* Messages = nullptr;
  SoundCues* Cues = nullptr;
  // Spoken card names for a right click on a card: Voice->SpeakCard(card, LanguageIndex).
  CardVoice* Voice = nullptr;
  FileSystem* Files = nullptr;
  // The screen's available area; empty: the primary screen's.
  QRect Screen;
  // Opens a page in the desktop's browser.
  std::function<bool(const QUrl&)> OpenUrl;
  // Runs the player dialog modally; empty: the real TFormPassword.
  std::function<std::optional<Admission>(const PlayerDialogInput&,
                                         std::optional<std::string>& typedName)>
      RunPlayerDialog;
  // Says a card's name in a language; empty: the program keeps quiet.
  std::function<void(CardCode card, int languageIndex)> SpeakCard;
  // Shows a modal dialog of the window; empty: exec(). Tests look at it instead.
  std::function<void(QDialog&)> ShowDialog;
  // The "Attention" window of a missing library; empty: the real one.
  std::function<void(const QString& line1, const QString& line2, const QString& link)> Attention;
};

enum class ProgramCursor { Arrow, Hand, Wait, Edit };

class TForm1 : public QWidget, private PictureHost, private OptionsHost {
  Q_OBJECT
 public:
  explicit TForm1(ProgramServices services, QWidget* parent = nullptr);
  ~TForm1() override;

  // --- event handlers --------------------------------------------------------------------------
  void LateStartUp();
  void Timer1Timer();
  void LeaveTitle();
  void MemberButtonClick(int slot);  // Button1..Button5
  void Button6Click();               // New Player
  void Button11Click();              // Exit
  void Button9Click();               // Top Ten
  void BHistoryClick();
  void BModeClick();
  void Button10Click();  // Options
  void QuitClick();
  void HelpClick();
  void AboutClick();
  // The language changes: every caption of the window is written again.
  void ApplyLanguage();
  // The window mode changes (options dialog, or leaving the title).
  void ApplyWindowMode();
  void BuildMainMenu();
  void MenuTick();

  // --- state ---------------------------------------------------------------------------------
  bool TitleShowing = true;
  bool MenuShowing = false;
  bool GameActive = false;
  bool StartupPending = true;
  int SelectedPlayer = kNewPlayerSlot;
  int AccountState = 1;
  bool TournamentMode = false;
  Settings settings;
  ClubState club;
  std::optional<Admission> admitted;  // who sits at the table
  // Games against the computer are played by the expert; kept in its own file beside the settings.
  bool ExpertOpponentOn = false;

  // 0 while running; 1 when start-up refused to go on.
  int ExitStatus() const { return exitStatus_; }
  const WindowScale& Scale() const { return scale_; }
  std::filesystem::path ClubFileInUse() const;
  QPushButton* MemberButton(int slot) const { return memberButtons_[slot - 1]; }
  QPushButton* ClubHeadingButton() const { return clubHeading_; }
  QPushButton* NewPlayerButton() const { return button6_; }
  QMenu* Popup() const { return popup_; }
  QTimer& Timer1() { return timer1_; }
  // Attached whenever the mouse is away from the hand, the table and the stock.
  void SetPopupAttached(bool attached) { popupAttached_ = attached; }
  void SetProgramCursor(ProgramCursor cursor);
  const PictureLoader& Pictures() const { return *pictures_; }
  PictureLoader& MutablePictures() { return *pictures_; }
  const ResourceLocator& Locator() const { return locator_; }
  const QImage& Background() const { return background_; }
  const ProgramServices& Services() const { return services_; }
  GameTable& Table() { return *table_; }
  // The player dialog's network section reaches the settings, the sockets and the club server.
  NetworkSectionHooks NetworkHooks();
  // The network game being set up or played (network mode).
  NetworkGame& Network() { return *network_; }
  // Leaves the menu for a new game of the player already admitted (tools that show the table).
  void StartNewGameForShots() {
    if (admitted) StartNewGame(*admitted);
  }
  // A records operation's message in the current language.
  void ShowRecordsMessage(const RecordsMessage& message);
  // The game is over or left: the main menu returns.
  void ReturnToMenu();
  // The menu music's file in the temporary folder, deleted when the settings are saved.
  std::filesystem::path TemporaryMusicFile;

 signals:
  // The player dialog admitted a player: the table starts a new game.
  void NewGameRequested();
  // The late start-up has run through: later start-up steps (radio list, service directory,
  // start report, automatic log-in, menu music) follow from here.
  void LateStartUpDone();
  // Every tick of Timer1, after the title and the menu had theirs: the game's turn comes here.
  void MainTick();
  // The player left the running game for the menu: the table clears itself.
  void GameLeft();
  // The menu is back after a game, finished or left.
  void MenuReturned();
  // The window is about to close (the user agreed): the settings are saved next.
  void Closing();
  // The options switched MusicOn.
  void MusicOptionSwitched();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // PictureHost
  void ShowAttention(const std::string& line1, const std::string& line2,
                     const std::string& link) override;
  // The "Attention" window; a missing library's message gets a link that downloads it.
  void AttentionWindow(const QString& line1, const QString& line2, QString link);
  // Fetches a library from the club server into the shared folder, with the hourglass and cue.
  bool DownloadMissingLibrary(const std::string& fileName);
  void SwitchOffPurpleDesigns() override;
  std::string Word(int row) const override;

  // OptionsHost (t_form1_options.cpp)
  void MusicSwitched() override;
  void AnimationsSwitched() override;
  void CursorsSwitched() override;
  void ButtonsRestyled() override;
  void NetworkModeSwitched() override;
  void WindowModeChosen() override;
  void LanguageChosen() override;
  void FacesChosen() override;
  void BacksChosen() override;
  void BackgroundChosen(bool colourChanged) override;
  void MainMenuDesignChosen() override;
  void TableDesignChosen() override;
  void FontsChosen() override;
  void ExpertOpponentChosen(bool on) override;
  bool ExpertOpponent() const override { return ExpertOpponentOn; }
  QImage SmallFace(int cardIndex) const override;
  QRect ScreenArea() const override;
  void PlayCue(const char* name) override;
  bool DownloadLibrary(const std::string& fileName) override;
  void Attention(const QString& line1, const QString& line2) override;
  void RepaintMenu();

  QString Text(int row) const;
  void CreateMenu();
  void CreatePopup();
  void LoadCursors();
  void FillClubList();
  void PlaceMainMenu();
  void ShowMenuElements(bool shown);
  void DrawMenuPictures();
  void AdvanceMenuAnimations();
  bool FormCloseQuery();
  void RemoveSelectedMember();
  void StartNewGame(const Admission& admission);
  void RunPlayerDialogFor(int slot, const std::string& memberLine);
  void SyncPictureChoice(bool intoSettings);
  void PlaceWindow();

  ProgramServices services_;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<GameTable> table_;
  std::unique_ptr<NetworkGame> network_;
  int exitStatus_ = 0;
  bool closing_ = false;
  bool popupAttached_ = true;
  int historySelected_ = 0;       // the history file chosen last during this run
  bool clubCheckFailed_ = false;  // a club file failed its start-up check: nothing is saved
  bool malformedClub_ = false;
  QTimer timer1_;
  WindowScale scale_;
  MainMenuLayout menu_;
  ResourceLocator locator_;
  PictureChoice pictureChoice_;
  std::unique_ptr<PictureLoader> pictures_;
  std::unique_ptr<TitleScreen> title_;
  QImage background_;
  long long menuPhase_ = 0;

  PictureBox* image1_ = nullptr;  // the title screen
  PictureBox* titleBanner_ = nullptr;
  PictureBox* titlePicture_ = nullptr;
  PictureBox* clubHeadingPicture_ = nullptr;
  std::array<PictureBox*, 2> animations_{};
  std::array<PictureBox*, 2> sidePanels_{};
  std::array<TQelCardsButton*, 5> memberButtons_{};
  TQelCardsButton* clubHeading_ = nullptr;
  TQelCardsButton* button6_ = nullptr;
  TQelCardsButton* button9_ = nullptr;
  TQelCardsButton* button10_ = nullptr;
  TQelCardsButton* button11_ = nullptr;
  TQelCardsButton* bHistory_ = nullptr;
  TQelCardsButton* bMode_ = nullptr;

  struct MenuAnimation {
    Animation Frames;
    int Frame = 0;
    int ElapsedMs = 0;
  };
  std::array<MenuAnimation, 2> menuAnimations_;
  QImage titleBannerPicture_, sidePanelPictures_[2], lampStrip_;

  QMenu* popup_ = nullptr;
  QAction* genCount_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* changeName_ = nullptr;
  QAction* mSpeed_ = nullptr;
  QAction* help_ = nullptr;
  QAction* about_ = nullptr;
  QAction* mRadio_ = nullptr;
  QAction* mChat_ = nullptr;
  QAction* hint_ = nullptr;
  std::array<QCursor*, 4> cursors_{};
};

}  // namespace tarnel
