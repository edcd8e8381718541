#include "app/t_form1.h"

#include "app/game_table.h"
#include "app/network_game.h"
#include "platform/clock_random.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QUrl>

#include "club/club_addresses.h"
#include "club/club_http.h"
#include "core/cp1251.h"
#include "net/local_addresses.h"
#include "net/t_form_password.h"
#include "platform/file_system.h"
#include "platform/sound_cues.h"
#include "records/t_f_history.h"
#include "records/t_form_top_ten.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/flights/t_form_speed.h"
#include "ui/messages/user_messages.h"
#include "ui/options/options_model.h"
#include "ui/painting/picture_box.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/title_model.h"
#include "ui/painting/title_screen.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_names.h"
#include "ui/pictures/show_attention.h"
#include "ui/words/apply_language.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

constexpr int kMenuTickMs = 20;
constexpr int kCreationWidth = 760, kCreationHeight = 500;

QImage LoadOwnPng(const ResourceLocator& locator, const std::string& name) {
  Picture picture;
  if (!LoadPngResource(locator, name, "", picture)) return {};
  return PictureImage(picture).copy();
}

FontChoice FontsOf(const Settings& s) {
  return {s.LargeFont,      s.SmallFont,      s.SpecialFont1,      s.SpecialFont2,
          s.LargeFontScale, s.SmallFontScale, s.SpecialFont1Scale, s.SpecialFont2Scale};
}

// The button font's height, smaller where a long translation would not fit the button.
int FittedPx(const QString& caption, const QString& family, int px, bool bold, int width) {
  while (px > 8) {
    QFont font(family);
    font.setPixelSize(px);
    font.setBold(bold);
    if (QFontMetrics(font).horizontalAdvance(caption) <= width - 8) break;
    --px;
  }
  return px;
}

}  // namespace

TForm1::TForm1(ProgramServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
  // FormCreate
  locator_.ProgramFolder = services_.ProgramFolder;
  ButtonSkinCache::Shared().SetProgramFolder(services_.ProgramFolder);
  setWindowTitle(QString::fromUtf8(ProductTitle(settings.LanguageIndex).data()));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  move(0, 0);
  setFixedSize(kCreationWidth, kCreationHeight);

  if (!services_.RunPlayerDialog) {
    services_.RunPlayerDialog = [this](
                                    const PlayerDialogInput& input,
                                    std::optional<std::string>& typed) -> std::optional<Admission> {
      TFormPassword dialog(
          input, settings.LanguageIndex, *services_.Messages,
          [this](int slot) { return DecodePassword(*services_.Files, ClubFileInUse(), slot); },
          NetworkHooks(), this);
      const bool ok = dialog.exec() == QDialog::Accepted;
      typed = dialog.TypedName();
      if (!ok) return std::nullopt;
      return dialog.Verdict().Admitted;
    };
  }
  pictures_ =
      std::make_unique<PictureLoader>(locator_, pictureChoice_, static_cast<PictureHost&>(*this));
  title_ = std::make_unique<TitleScreen>(locator_, kCreationWidth, kCreationHeight);
  image1_ = new PictureBox(this);
  image1_->Place({0, 0, kCreationWidth, kCreationHeight});
  connect(image1_, &PictureBox::Clicked, this, [this] { LeaveTitle(); });

  CreateMenu();
  CreatePopup();
  ShowMenuElements(false);
  LoadCursors();
  button9_->setToolTip(QStringLiteral("20"));  // games of a cycle

  random_ = MakeClockRandom();
  NetworkGame::Hooks netHooks;
  netHooks.Lost = [this](net::NetRole peerRole) { table_->PeerLost(peerRole); };
  netHooks.Chat = [this](const net::ChatLine& line, bool received) {
    table_->ShowChatLine(line, received);
  };
  netHooks.ChatDisabled = [this] { table_->DisableChat(); };
  netHooks.FaceUp = [this](bool on) { table_->SetOpenCards(on); };
  netHooks.ShowDialog = services_.ShowDialog;
  network_ = std::make_unique<NetworkGame>(settings.LanguageIndex, std::move(netHooks), this);
  table_ = std::make_unique<GameTable>(*this, *random_);
  connect(this, &TForm1::NewGameRequested, table_.get(), &GameTable::StartNewGame);
  connect(this, &TForm1::MainTick, table_.get(), &GameTable::Tick);
  connect(this, &TForm1::GameLeft, table_.get(), &GameTable::Leave);
  connect(genCount_, &QAction::triggered, table_.get(), &GameTable::GenCountClick);
  connect(changeName_, &QAction::triggered, table_.get(), &GameTable::ChangeNameClick);
  connect(hint_, &QAction::triggered, table_.get(), &GameTable::HintClick);

  timer1_.setInterval(kMenuTickMs);
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  timer1_.start();
}

TForm1::~TForm1() {
  table_.reset();
  network_.reset();
  for (QCursor* c : cursors_)
    delete c;
}

NetworkSectionHooks TForm1::NetworkHooks() {
  NetworkSectionHooks hooks;
  hooks.ServerAddress = &settings.ServerAddress;
  hooks.ServerPort = &settings.ServerPort;
  hooks.ListAddresses = [] { return ListLocalAddresses().Addresses; };
  hooks.ExternalAddress = [] { return GetExternalAddress(BuiltInClubServer() + "/get_ip.php"); };
  hooks.ClubServer = BuiltInClubServer();
  hooks.OpenRouterHelp = [this] {
    if (services_.OpenUrl) services_.OpenUrl(QUrl(QString::fromStdString(RouterHelpAddress())));
  };
  hooks.Connect = [this](int role, const std::string& address, const std::string& port,
                         const std::string& playerName) {
    return network_->Connect(role, address, port, playerName);
  };
  return hooks;
}

void TForm1::ShowRecordsMessage(const RecordsMessage& message) {
  services_.Messages->Error(
      this, QString::fromStdString(MessageText(message, [this](int row) { return Word(row); })));
}

void TForm1::ReturnToMenu() {
  MenuShowing = true;
  GameActive = false;
  BuildMainMenu();
  timer1_.start();
  emit MenuReturned();
}

QString TForm1::Text(int row) const {
  return QWord(row, settings.LanguageIndex);
}

std::string TForm1::Word(int row) const {
  return std::string(tarnel::Word(row, settings.LanguageIndex));
}

void TForm1::PlayCue(const char* name) {
  if (settings.SoundOn && services_.Cues) services_.Cues->PlaySoundCue(name);
}

std::filesystem::path TForm1::ClubFileInUse() const {
  return services_.ProgramFolder / (settings.NetworkMode ? kNetClubFileName : kClubFileName);
}

void TForm1::CreateMenu() {
  titleBanner_ = new PictureBox(this);
  titlePicture_ = new PictureBox(this);
  clubHeadingPicture_ = new PictureBox(this);
  // Clicking the title cycles the colour scheme of the title and the club heading.
  connect(titlePicture_, &PictureBox::Clicked, this, [this] {
    settings.CaptionScheme = settings.CaptionScheme % 7 + 1;
    DrawMenuPictures();
  });
  for (auto& box : animations_)
    box = new PictureBox(this);
  for (auto& box : sidePanels_)
    box = new PictureBox(this);
  auto button = [this](auto handler) {
    auto* b = new TQelCardsButton(this);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  for (int slot = 1; slot <= 5; ++slot)
    memberButtons_[slot - 1] = button([this, slot] { MemberButtonClick(slot); });
  clubHeading_ = new TQelCardsButton(this);
  clubHeading_->setFocusPolicy(Qt::NoFocus);
  clubHeading_->setAttribute(Qt::WA_TransparentForMouseEvents);
  button6_ = button([this] { Button6Click(); });
  button9_ = button([this] { Button9Click(); });
  bHistory_ = button([this] { BHistoryClick(); });
  button10_ = button([this] { Button10Click(); });
  button11_ = button([this] { Button11Click(); });
  bMode_ = button([this] { BModeClick(); });
}

void TForm1::CreatePopup() {
  popup_ = new QMenu(this);
  genCount_ = popup_->addAction(QString());
  quit_ = popup_->addAction(QString());
  changeName_ = popup_->addAction(QString());
  hint_ = popup_->addAction(QString());
  popup_->addSeparator();
  mSpeed_ = popup_->addAction(QString());
  help_ = popup_->addAction(QString());
  about_ = popup_->addAction(QString());
  popup_->addSeparator();
  mRadio_ = popup_->addAction(QString());
  mChat_ = popup_->addAction(QString());
  connect(quit_, &QAction::triggered, this, &TForm1::QuitClick);
  connect(help_, &QAction::triggered, this, &TForm1::HelpClick);
  connect(about_, &QAction::triggered, this, &TForm1::AboutClick);
  for (QAction* a : {quit_, genCount_, changeName_, hint_, mRadio_, mChat_})
    a->setEnabled(false);
  connect(mSpeed_, &QAction::triggered, this, [this] {
    PlayCue("WOpenFo");
    TFormSpeed dialog(settings, locator_, this);
    dialog.exec();
  });
}

void TForm1::LoadCursors() {
  struct Own {
    const char* Name;
    int HotX, HotY;
  };
  const Own own[] = {
      {"CURARROW", 1, 1}, {"CURHAND", 11, 1}, {"CURWAIT", 16, 16}, {"CUREDIT", 16, 16}};
  for (int i = 0; i < 4; ++i) {
    const QImage image = LoadOwnPng(locator_, own[i].Name);
    if (!image.isNull())
      cursors_[i] = new QCursor(QPixmap::fromImage(image), own[i].HotX, own[i].HotY);
  }
}

void TForm1::SetProgramCursor(ProgramCursor cursor) {
  static const Qt::CursorShape kSystem[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::WaitCursor,
                                            Qt::IBeamCursor};
  const int i = static_cast<int>(cursor);
  if (settings.OwnCursor && cursors_[i])
    setCursor(*cursors_[i]);
  else
    setCursor(kSystem[i]);
}

// --- start-up ------------------------------------------------------------------------------

void TForm1::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (TitleShowing)
    p.fillRect(rect(), Qt::black);
  else if (!background_.isNull())
    p.drawImage(0, 0, background_);
  else
    p.fillRect(rect(), palette().window());
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (StartupPending) {
    StartupPending = false;
    // Runs once the window is on the screen; its message boxes must not open inside a paint,
    // and the title box covers the whole window, so the window itself may never be painted.
    QTimer::singleShot(0, this, &TForm1::LateStartUp);
  }
}

void TForm1::LateStartUp() {
  LoadSettings(*services_.Files, services_.ProgramFolder / SettingsFileName, settings);
  ExpertOpponentOn = ReadExpertOption(*services_.Files, ExpertOptionPath(services_.ProgramFolder));
  setWindowTitle(QString::fromUtf8(ProductTitle(settings.LanguageIndex).data()));

  // The title screen looks at the local club file first: a malformed one keeps the settings from
  // being written, and a Russian installation's file switches the language.
  const ClubShape shape = CheckClubShape(*services_.Files, services_.ProgramFolder / kClubFileName);
  if (shape.Exists && !shape.WellFormed) club.ClubReadOnly = true, malformedClub_ = true;
  if (shape.WellFormed && shape.RussianLabel) settings.LanguageIndex = kRussian;
  title_->DrawTitle(settings.LanguageIndex);
  image1_->Surface() = title_->Image().copy();
  image1_->Refresh();

  for (const char* file : {kClubFileName, kNetClubFileName}) {
    ClubState checked;
    const RecordsResult result =
        VerifyClubFile(*services_.Files, services_.ProgramFolder / file, checked);
    if (file == std::string(kClubFileName)) club.ClubReadOnly = checked.ClubReadOnly;
    if (result.Message) {
      const QString text = QString::fromStdString(
          MessageText(*result.Message, [this](int row) { return Word(row); }));
      if (result.Ok)
        services_.Messages->Warn(this, text);
      else
        services_.Messages->Error(this, text);
    }
    if (!result.Ok) {
      clubCheckFailed_ = true;
      exitStatus_ = 1;
      closing_ = true;
      timer1_.stop();
      close();
      return;
    }
  }

  // Graphic sources, hints and the texts of the window.
  SyncPictureChoice(false);
  pictures_->SetGeometry({1.0, true, kCreationWidth, kCreationHeight});
  pictures_->LoadCardFaces();
  pictures_->LoadBackground(settings.MainMenuDesign == 1);
  SyncPictureChoice(true);
  QPalette hint = QToolTip::palette();
  hint.setColor(QPalette::ToolTipBase, QColor(255, 0, 0));
  hint.setColor(QPalette::ToolTipText, Qt::white);
  QToolTip::setPalette(hint);
  ApplyLanguage();

  // Later start-up steps live with their subsystems: the radio list, the service directory and
  // the start report, the automatic log-in and the menu music.
  emit LateStartUpDone();
}

// --- the main tick ---------------------------------------------------------------------------

void TForm1::Timer1Timer() {
  if (TitleShowing && !StartupPending) {
    title_->TitleTick();
    image1_->Surface() = title_->Image().copy();
    image1_->Refresh();
  }
  if (MenuShowing) MenuTick();
  emit MainTick();
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (TitleShowing)
    LeaveTitle();
  else if (GameActive && event->key() == Qt::Key_H)
    table_->HintClick();
  QWidget::keyReleaseEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (TitleShowing) LeaveTitle();
  QWidget::mouseReleaseEvent(event);
}

void TForm1::LeaveTitle() {
  if (!TitleShowing || closing_) return;
  timer1_.stop();
  TitleShowing = false;
  image1_->hide();
  ApplyWindowMode();
  mRadio_->setEnabled(true);
  mChat_->setEnabled(true);
  BuildMainMenu();
  timer1_.start();
  MenuShowing = true;
}

// --- window modes and the main menu --------------------------------------------------------

QRect TForm1::ScreenArea() const {
  if (!services_.Screen.isEmpty()) return services_.Screen;
  if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry();
  return QRect(0, 0, 1024, 768);
}

void TForm1::ApplyWindowMode() {
  const QRect area = ScreenArea();
  const std::vector<int> offered = OfferedModes(area.width(), area.height());
  if (std::find(offered.begin(), offered.end(), settings.WindowMode) == offered.end())
    settings.WindowMode = kSmallWindowMode;
  scale_ = WindowScale::ForMode(settings.WindowMode, area.width(), area.height());
  SyncPictureChoice(false);
  pictures_->SetGeometry(
      {scale_.K, settings.WindowMode == kSmallWindowMode, scale_.WindowWidth, scale_.WindowHeight});
  pictures_->LoadBackground(settings.MainMenuDesign == 1);
  pictures_->LoadCardFaces();
  SyncPictureChoice(true);
  // Converted once: every element copies its piece of it on each repaint.
  background_ = PictureImage(pictures_->Pictures().Background)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (settings.WindowMode != kSmallWindowMode) settings.SaveGif = false;
  PlaceWindow();
  update();
}

void TForm1::PlaceWindow() {
  const QRect area = ScreenArea();
  // Changing the frame hides a shown window.
  const bool wasVisible = isVisible();
  if (settings.WindowMode == kFullScreenMode) {
    setWindowFlag(Qt::FramelessWindowHint, true);
    setFixedSize(scale_.WindowWidth, scale_.WindowHeight);
    move(area.topLeft());
  } else {
    setWindowFlag(Qt::FramelessWindowHint, false);
    setFixedSize(scale_.WindowWidth, scale_.WindowHeight);
    move(area.left() + RoundHalfToEven((area.width() - scale_.WindowWidth) / 2.0),
         area.top() + RoundHalfToEven((area.height() - scale_.WindowHeight) / 2.0));
  }
  if (wasVisible && !isVisible()) show();
}

void TForm1::BuildMainMenu() {
  PlaceWindow();
  timer1_.setInterval(kMenuTickMs);
  for (QAction* a : {quit_, genCount_, changeName_, hint_})
    a->setEnabled(false);
  menu_ = LayOutMainMenu(scale_, settings.WindowMode, false);
  PlaceMainMenu();
  DrawMenuPictures();
  FillClubList();
  ShowMenuElements(true);
  update();
}

void TForm1::PlaceMainMenu() {
  const FontChoice fonts = FontsOf(settings);
  const int buttonPx = ButtonFontHeight(settings.WindowMode, scale_, fonts);
  const bool purple = settings.MainMenuDesign == 1;
  const QColor purpleText(200, 175, 50);
  const QString decor = QString::fromStdString(fonts.LargeFont);
  auto place = [](QWidget* w, const Rect& r) { w->setGeometry(r.Left, r.Top, r.Width, r.Height); };
  // The design's style and caption colour; every caption turns yellow under the mouse.
  auto look = [&](TQelCardsButton* b, TColorSB style, const QColor& text, const QFont& font,
                  int lightening = 0) {
    b->SetColorSB(purple ? TColorSB::DCards : style);
    b->SetFontColor(purple ? purpleText : text);
    b->SetKLightSB(lightening);
    b->SetColorMouse(QColor(255, 255, 0));
    b->SetLightFont(true);
    b->SetGrayDis(true);
    b->SetNata(settings.NewButtons);
    b->setFont(font);
  };
  auto fitted = [&](QPushButton* b, int width) {
    return PixelFont(fonts.LargeFont, FittedPx(b->text(), decor, buttonPx, true, width), true);
  };

  const ClubListFont listFont = ClubListFontFor(settings.WindowMode, scale_, fonts);
  const QFont rowFont = PixelFont(FontFamily(listFont.Role, fonts), listFont.Height, listFont.Bold);
  for (int i = 0; i < 5; ++i) {
    place(memberButtons_[i], menu_.MemberRows[i]);
    look(memberButtons_[i], TColorSB::DNavy, QColor(255, 255, 0), rowFont);
    memberButtons_[i]->SetMargin(4);  // the rows are columns: left-aligned
  }
  place(clubHeading_, menu_.ClubListHeading);
  look(clubHeading_, TColorSB::DBlue, purple ? QColor(128, 50, 50) : QColor(255, 255, 255), rowFont,
       purple ? 50 : 0);
  clubHeading_->SetMargin(4);
  place(button6_, menu_.NewPlayer);
  look(button6_, TColorSB::DNavy, QColor(255, 255, 0), fitted(button6_, menu_.NewPlayer.Width));
  const std::pair<TQelCardsButton*, Rect> others[] = {{button9_, menu_.TopTen},
                                                      {bHistory_, menu_.History},
                                                      {button10_, menu_.Options},
                                                      {bMode_, menu_.Mode},
                                                      {button11_, menu_.Exit}};
  for (const auto& [b, r] : others) {
    place(b, r);
    look(b, TColorSB::DRed, QColor(255, 255, 255), fitted(b, r.Width), b->isEnabled() ? 0 : 50);
  }
  titleBanner_->Place(menu_.TitleBanner);
  titlePicture_->Place(menu_.TitlePicture);
  clubHeadingPicture_->Place(menu_.ClubHeading);
  animations_[0]->Place(menu_.LeftAnimation);
  animations_[1]->Place(menu_.RightAnimation);
  sidePanels_[0]->Place(menu_.LeftPanel);
  sidePanels_[1]->Place(menu_.RightPanel);
}

void TForm1::DrawMenuPictures() {
  if (titleBannerPicture_.isNull()) {
    titleBannerPicture_ = LoadOwnPng(locator_, "GTitle");
    lampStrip_ = LoadOwnPng(locator_, "MenuLamps");
    sidePanelPictures_[0] = LoadOwnPng(locator_, "PngMenu1");
    sidePanelPictures_[1] = LoadOwnPng(locator_, "PngMenu2");
    for (int i = 0; i < 2; ++i) {
      Animation a;
      if (LoadGifResource(locator_, i == 0 ? "GifMenu1" : "GifMenu2", "", a))
        menuAnimations_[i].Frames = std::move(a);
    }
  }
  titleBanner_->CopyBackground(background_);
  {
    QPainter p(&titleBanner_->Surface());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!titleBannerPicture_.isNull())
      p.drawImage(titleBanner_->Surface().rect(), titleBannerPicture_);
  }
  titleBanner_->Refresh();

  // The title and the club heading in the language's pictures, recoloured by the scheme.
  const std::string suffix(LanguageSuffix(settings.LanguageIndex));
  auto recoloured = [&](PictureBox* box, const std::string& name) {
    Picture picture;
    box->CopyBackground(background_);
    if (LoadPngResource(locator_, name, "", picture)) {
      RecolourPng(picture, settings.CaptionScheme);
      QPainter p(&box->Surface());
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(box->Surface().rect(), PictureImage(picture));
    }
    box->Refresh();
  };
  recoloured(titlePicture_, "Cap" + suffix);
  recoloured(clubHeadingPicture_, (settings.NetworkMode ? "Net__" : "Elite") + suffix);
  for (int i = 0; i < 2; ++i) {
    sidePanels_[i]->CopyBackground(background_);
    QPainter p(&sidePanels_[i]->Surface());
    if (!sidePanelPictures_[i].isNull()) p.drawImage(0, 0, sidePanelPictures_[i]);
  }
  AdvanceMenuAnimations();
  MenuTick();
}

void TForm1::FillClubList() {
  const std::optional<ClubLines> lines = ReadClubFile(*services_.Files, ClubFileInUse());
  // The width limit is measured in special font 1 at height 11 in every mode.
  const QFontMetrics metrics(PixelFont(settings.SpecialFont1, 11));
  const TextWidth width = [&metrics](std::string_view utf8) {
    return metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())));
  };
  const auto display = static_cast<ClubDisplay>(settings.ClubDisplay == 2 ? 2 : 1);
  for (int slot = 1; slot <= 5; ++slot) {
    const std::string line = lines ? (*lines)[slot - 1] : std::string(kEmptyMember);
    memberButtons_[slot - 1]->setText(QString::fromStdString(MemberCaption(line, display, width)));
  }
  clubHeading_->setText(Text(rows::kMode + (settings.ClubDisplay == 2 ? 2 : 1)));
}

void TForm1::ShowMenuElements(bool shown) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           titleBanner_, titlePicture_, clubHeadingPicture_, clubHeading_, button6_, button9_,
           button10_, button11_, bHistory_, bMode_, animations_[0], animations_[1], sidePanels_[0],
           sidePanels_[1]})
    w->setVisible(shown);
  for (QPushButton* b : memberButtons_)
    b->setVisible(shown);
}

void TForm1::AdvanceMenuAnimations() {
  for (int i = 0; i < 2; ++i) {
    MenuAnimation& a = menuAnimations_[i];
    if (a.Frames.Frames.empty()) continue;
    if (settings.AnimationsOn) {
      a.ElapsedMs += kMenuTickMs;
      const int delay = std::max(20, a.Frames.Frames[a.Frame].DelayMs);
      if (a.ElapsedMs >= delay) {
        a.ElapsedMs = 0;
        a.Frame = (a.Frame + 1) % static_cast<int>(a.Frames.Frames.size());
      }
    }
    PictureBox* box = animations_[i];
    box->CopyBackground(background_);
    QPainter p(&box->Surface());
    p.drawImage(0, 0, PictureImage(a.Frames.Frames[a.Frame].Image));
    p.end();
    box->Refresh();
  }
}

void TForm1::MenuTick() {
  ++menuPhase_;
  network_->MenuTick();
  AdvanceMenuAnimations();
  if (lampStrip_.isNull()) return;
  const int side = lampStrip_.height() * 2 / 3;  // 20 x 30 images
  for (PictureBox* panel : sidePanels_) {
    QPainter p(&panel->Surface());
    for (int lamp = 0; lamp < 3; ++lamp) {
      const Point at = kMenuLampPlaces[lamp];
      const int image = MenuLampImage(lamp, menuPhase_);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(at.X, at.Y, background_, panel->x() + at.X, panel->y() + at.Y, side,
                  lampStrip_.height());
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.drawImage(at.X, at.Y, lampStrip_, image * side, 0, side, lampStrip_.height());
    }
    p.end();
    panel->Refresh();
  }
}

void TForm1::SyncPictureChoice(bool intoSettings) {
  if (intoSettings) {
    settings.CardDesign = pictureChoice_.CardDesign;
    settings.BackSet = pictureChoice_.BackSet;
    settings.BackgroundIndex = pictureChoice_.BackgroundIndex;
    settings.BackgroundColour = pictureChoice_.BackgroundColour;
  } else {
    pictureChoice_ = {settings.CardDesign, settings.BackSet, settings.BackgroundIndex,
                      settings.BackgroundColour, settings.AlwaysOneBack};
  }
}

void TForm1::ShowAttention(const std::string& line1, const std::string& line2,
                           const std::string& link) {
  AttentionWindow(QString::fromStdString(line1), QString::fromStdString(line2),
                  QString::fromStdString(link));
}

void TForm1::AttentionWindow(const QString& line1, const QString& line2, QString link) {
  // "Can`t find the file X" for a library the club offers gets a link that fetches it.
  AttentionLinkAction action;
  const QString lead = Text(rows::kCantFindFile) + QLatin1Char(' ');
  if (link.isEmpty() && line2.isEmpty() && line1.startsWith(lead)) {
    const std::string file = line1.mid(lead.size()).toStdString();
    for (const char* library : kDownloadableLibraries) {
      if (file != library) continue;
      link = Text(rows::kDownload) + QLatin1Char(' ') + QString::fromStdString(file);
      action = [this, file] { return DownloadMissingLibrary(file); };
    }
  }
  if (services_.Attention) services_.Attention(line1, line2, link);
  else tarnel::ShowAttention(line1, line2, link, this, action);
}

bool TForm1::DownloadMissingLibrary(const std::string& fileName) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = DownloadLibrary(fileName);
  QApplication::restoreOverrideCursor();
  if (settings.SoundOn) PlayCue(ok ? "WToMenK" : "WWrongs");
  return ok;
}

void TForm1::SwitchOffPurpleDesigns() {
  settings.MainMenuDesign = 0;
  settings.TableDesign = 0;
  settings.PurpleDialogs = false;
}

void TForm1::ApplyLanguage() {
  ApplyLanguageInput input;
  input.LanguageIndex = settings.LanguageIndex;
  input.ClubDisplay = settings.ClubDisplay;
  input.FlySpeed = settings.FlySpeed;
  input.MainOnly = true;
  const LanguageTexts texts = tarnel::ApplyLanguage(input);
  auto caption = [&](const char* control) {
    const std::string* text = texts.Find(control);
    return text ? QString::fromStdString(WithLineBreaks(*text)) : QString();
  };
  setWindowTitle(caption("TForm1"));
  button6_->setText(caption("Button6"));
  button9_->setText(caption("Button9"));
  button10_->setText(caption("Button10"));
  button11_->setText(caption("Button11"));
  bHistory_->setText(caption("BHistory"));
  bMode_->setText(caption("BMode"));
  const std::pair<QAction*, const char*> items[] = {
      {genCount_, "GenCount"}, {quit_, "Quit"},   {changeName_, "ChangeName"}, {mSpeed_, "MSpeed"},
      {help_, "Help"},         {about_, "About"}, {mRadio_, "MRadio"},         {mChat_, "MChat"}};
  for (const auto& [action, name] : items)
    action->setText(caption(name));
  hint_->setText(Text(rows::kHint) + QStringLiteral("\tH"));
  if (MenuShowing || !TitleShowing) {
    PlaceMainMenu();
    FillClubList();
    DrawMenuPictures();
  }
}

// --- menu buttons --------------------------------------------------------------------------

void TForm1::MemberButtonClick(int slot) {
  if (!MenuShowing) return;
  if (slot == 5 && AccountState > 1 && !settings.NetworkMode) {
    // The fifth place belongs to the online account, whose window comes with the club services.
    return;
  }
  const std::optional<std::string> line = ReadMember(*services_.Files, ClubFileInUse(), slot);
  if (!line || IsEmptySlot(*line)) return;
  RunPlayerDialogFor(slot, *line);
}

// The player dialog for a member's slot or a new player (6); its success starts a new game.
void TForm1::RunPlayerDialogFor(int slot, const std::string& memberLine) {
  PlayCue("WOpenFo");
  SelectedPlayer = slot;
  PlayerDialogInput input;
  input.SelectedPlayer = slot;
  input.NetworkMode = settings.NetworkMode;
  input.MemberLine = memberLine;
  input.LastTypedName = settings.LastTypedName;
  input.MrX = Utf8ToCp1251(Word(rows::kMrX));
  std::optional<std::string> typed;
  std::optional<Admission> admission = services_.RunPlayerDialog(input, typed);
  if (typed) settings.LastTypedName = *typed;
  if (admission) StartNewGame(*admission);
}

void TForm1::Button6Click() {
  if (!MenuShowing) return;
  RunPlayerDialogFor(kNewPlayerSlot, std::string());
}

void TForm1::Button11Click() {
  close();
}

void TForm1::Button9Click() {
  if (!MenuShowing) return;
  PlayCue("WOpenFo");
  TFormTopTen dialog(ReadClubFile(*services_.Files, ClubFileInUse()), settings.NetworkMode,
                     settings.LanguageIndex, settings.AnimationsOn, locator_, this);
  if (services_.ShowDialog)
    services_.ShowDialog(dialog);
  else
    dialog.exec();
}

void TForm1::BHistoryClick() {
  if (!MenuShowing) return;
  PlayCue("WOpenFo");
  TFHistory dialog(*services_.Files, services_.ProgramFolder, settings.LanguageIndex,
                   historySelected_, this);
  if (services_.ShowDialog)
    services_.ShowDialog(dialog);
  else
    dialog.exec();
}

void TForm1::BModeClick() {
  settings.ClubDisplay = settings.ClubDisplay == 2 ? 1 : 2;
  FillClubList();
}

void TForm1::StartNewGame(const Admission& admission) {
  admitted = admission;
  MenuShowing = false;
  ShowMenuElements(false);
  for (QAction* a : {quit_, genCount_, changeName_, hint_})
    a->setEnabled(true);
  GameActive = true;
  emit NewGameRequested();
}

// --- leaving a game and closing ------------------------------------------------------------

void TForm1::RemoveSelectedMember() {
  if (TournamentMode) return;
  const RecordsResult result =
      RemoveMember(*services_.Files, ClubFileInUse(), SelectedPlayer, club);
  if (result.Message) ShowRecordsMessage(*result.Message);
}

void TForm1::QuitClick() {
  PlayCue("WOpenFo");
  if (TitleShowing || MenuShowing) return;
  if (!services_.Messages->Confirm(
          this, Text(rows::kLeaveToMenuQuestion) + "\n" + Text(rows::kDataWillBeLost)))
    return;
  RemoveSelectedMember();
  if (AccountState == 3) AccountState = 2;
  emit GameLeft();
  ReturnToMenu();
}

bool TForm1::FormCloseQuery() {
  if (!TitleShowing && !MenuShowing) {
    PlayCue("WOpenFo");
    if (!services_.Messages->Confirm(
            this, Text(rows::kLeaveGameQuestion) + " " + Text(rows::kDataWillBeLost)))
      return false;
  }
  emit Closing();
  SaveSettingsContext context;
  context.TemporaryMusicFile = TemporaryMusicFile;
  context.ClubFileCheckFailed = [this] { return clubCheckFailed_ || malformedClub_; };
  const SaveSettingsResult saved =
      SaveSettings(*services_.Files, services_.ProgramFolder / SettingsFileName, settings, context);
  if (saved.Outcome == SaveSettingsOutcome::kFailed && saved.ErrorRow > 0)
    services_.Messages->Error(this, Text(saved.ErrorRow));
  if (GameActive) RemoveSelectedMember();
  return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A refused start-up ends without a question and writes nothing.
  if (exitStatus_ != 0) {
    timer1_.stop();
    event->accept();
    return;
  }
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  closing_ = true;
  timer1_.stop();
  event->accept();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  if (popupAttached_) popup_->popup(event->globalPos());
}

// --- help and about ------------------------------------------------------------------------

void TForm1::HelpClick() {
  const std::filesystem::path folder = services_.ProgramFolder / "Help";
  const std::string own = "Tarnel_" + std::string(LanguageSuffix(settings.LanguageIndex)) + ".html";
  std::filesystem::path page = folder / own;
  std::error_code error;
  if (!std::filesystem::is_regular_file(page, error)) {
    services_.Messages->Inform(this, Text(rows::kExcuse) + "\n" + Text(rows::kHelpNotTranslated));
    page = folder / "Tarnel_Eng.html";
  }
  const QUrl url = QUrl::fromLocalFile(QString::fromStdString(page.string()));
  if (services_.OpenUrl)
    services_.OpenUrl(url);
  else
    QDesktopServices::openUrl(url);
}

void TForm1::AboutClick() {
  PlayCue("WOpenFo");
  QMessageBox::about(this, Text(rows::kAbout),
                     QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                         .arg(QString::fromUtf8(ProductTitle(settings.LanguageIndex).data()),
                              QString::fromLatin1(kVersionText),
                              QStringLiteral("Free software under the GNU General Public "
                                             "License, version 3.")));
}

}  // namespace tarnel
