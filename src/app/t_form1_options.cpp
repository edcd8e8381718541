// TForm1 as the options dialog's host: each changed setting is applied to the main window here.
#include <QCursor>
#include <QPainter>

#include "app/t_form1.h"
#include "club/club_addresses.h"
#include "club/club_http.h"
#include "ui/messages/user_messages.h"
#include "ui/options/options_model.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/show_attention.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {

void TForm1::Button10Click() {
  if (!MenuShowing) return;
  PlayCue("WOpenFo");
  TFormOptions dialog(settings, *this, locator_, this);
  if (services_.ShowDialog)
    services_.ShowDialog(dialog);
  else
    dialog.exec();
}

void TForm1::MusicSwitched() {
  emit MusicOptionSwitched();
}

void TForm1::AnimationsSwitched() {
  // Restarted from the first frame, or held on it.
  for (MenuAnimation& a : menuAnimations_) {
    a.Frame = 0;
    a.ElapsedMs = 0;
  }
  AdvanceMenuAnimations();
}

void TForm1::CursorsSwitched() {
  SetProgramCursor(ProgramCursor::Arrow);
  const std::array<QCursor*, 4>& own = cursors_;
  for (TQelCardsButton* b : findChildren<TQelCardsButton*>()) {
    if (settings.OwnCursor && own[1])
      b->setCursor(*own[1]);
    else
      b->setCursor(Qt::PointingHandCursor);
  }
}

void TForm1::ButtonsRestyled() {
  RepaintMenu();
}

void TForm1::NetworkModeSwitched() {
  DrawMenuPictures();
  FillClubList();
}

void TForm1::WindowModeChosen() {
  ApplyWindowMode();
  if (MenuShowing) BuildMainMenu();
}

void TForm1::LanguageChosen() {
  ApplyLanguage();
}

void TForm1::FacesChosen() {
  SyncPictureChoice(false);
  pictures_->LoadCardFaces();
  SyncPictureChoice(true);
}

void TForm1::BacksChosen() {
  SyncPictureChoice(false);
  pictures_->LoadCardBacks();
  pictures_->ChooseCurrentBack();
  SyncPictureChoice(true);
}

void TForm1::BackgroundChosen(bool) {
  // A purple menu draws its own background: only the setting changes.
  if (settings.MainMenuDesign == 1) return;
  SyncPictureChoice(false);
  pictures_->LoadBackground(false);
  SyncPictureChoice(true);
  RepaintMenu();
}

void TForm1::MainMenuDesignChosen() {
  SyncPictureChoice(false);
  pictures_->LoadBackground(settings.MainMenuDesign == 1);
  SyncPictureChoice(true);
  background_ = PictureImage(pictures_->Pictures().Background)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (MenuShowing) BuildMainMenu();
}

void TForm1::TableDesignChosen() {
  // The table takes its design when it is laid out for the next game.
}

void TForm1::FontsChosen() {
  RepaintMenu();
}

void TForm1::RepaintMenu() {
  background_ = PictureImage(pictures_->Pictures().Background)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (MenuShowing) {
    PlaceMainMenu();
    FillClubList();
    DrawMenuPictures();
  }
  update();
}

void TForm1::ExpertOpponentChosen(bool on) {
  ExpertOpponentOn = on;
  const FileResult written =
      WriteExpertOption(*services_.Files, ExpertOptionPath(services_.ProgramFolder), on);
  // The choice holds for this run; the player hears that it could not be kept.
  if (!written && services_.Messages) services_.Messages->Error(this, Text(rows::kCantSaveOptions));
}

QImage TForm1::SmallFace(int cardIndex) const {
  if (cardIndex < 0 || cardIndex >= 36) return {};
  const Picture& small = pictures_->Pictures().SmallFaces[cardIndex];
  const Picture& face = small.Width > 0 ? small : pictures_->Face(cardIndex);
  return PictureImage(face).copy();
}

bool TForm1::DownloadLibrary(const std::string& fileName) {
  return tarnel::DownloadLibrary(BuiltInClubServer(), fileName,
                                 services_.ProgramFolder.parent_path() / fileName,
                                 *services_.Files);
}

void TForm1::Attention(const QString& line1, const QString& line2) {
  AttentionWindow(line1, line2, QString());
}

}  // namespace tarnel
