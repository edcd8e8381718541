#include "ui/options/dialog_look.h"

#include <QPainter>
#include <utility>

#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_names.h"
#include "ui/settings/settings.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

QImage LibraryPng(const ResourceLocator& locator, const std::string& name, const char* library) {
  Picture picture;
  if (!LoadPngResource(locator, name, library, picture)) return {};
  return PictureImage(picture).copy();
}

QImage LibraryJpeg(const ResourceLocator& locator, const std::string& name) {
  Picture picture;
  if (!LoadJpegResource(locator, name, kGraphicsLibrary, picture)) return {};
  return PictureImage(picture).copy();
}

}  // namespace

DialogLook DialogLookOf(const Settings& settings) {
  if (settings.PurpleDialogs) return DialogLook::Purple;
  if (settings.DialogDesign == 1) return DialogLook::GrayConcise;
  if (settings.DialogDesign == 3) return DialogLook::GrayRibbons;
  return DialogLook::GrayAristocratic;
}

FontChoice FontsOfSettings(const Settings& s) {
  return {s.LargeFont,      s.SmallFont,      s.SpecialFont1,      s.SpecialFont2,
          s.LargeFontScale, s.SmallFontScale, s.SpecialFont1Scale, s.SpecialFont2Scale};
}

AuxiliaryLook::AuxiliaryLook(Settings& settings, ResourceLocator locator, DialogPictures pictures)
    : settings_(settings), locator_(std::move(locator)), pictures_(std::move(pictures)) {
  Reload();
}

void AuxiliaryLook::Reload() {
  const std::string suffix(LanguageSuffix(settings_.LanguageIndex));
  background_ = LibraryJpeg(locator_, pictures_.PictureName);
  if (background_.isNull()) {
    settings_.PurpleDialogs = false;
    settings_.DialogDesign = 2;
  }
  caption_ = LibraryPng(locator_, pictures_.PictureName + suffix, kGraphicsLibrary);
  strip_ = LibraryPng(locator_, pictures_.StripName + suffix, kGraphicsLibrary);
  icons_ = LibraryPng(locator_, pictures_.IconStrip, kGraphicsLibrary);
  look_ = DialogLookOf(settings_);
}

bool AuxiliaryLook::LibraryPresent() const {
  Picture picture;
  return LoadPngResource(locator_, pictures_.IconStrip, kGraphicsLibrary, picture);
}

int AuxiliaryLook::HeaderHeight() const {
  switch (look_) {
    case DialogLook::GrayConcise:
      return 48;
    case DialogLook::GrayAristocratic:
      return 64;
    case DialogLook::GrayRibbons:
      return 90;
    case DialogLook::Purple:
      break;
  }
  return 0;
}

QImage AuxiliaryLook::Header(const HeaderPlacement& place, const QColor& face) const {
  if (Purple()) return {};
  QImage header(place.Width, HeaderHeight(), QImage::Format_ARGB32_Premultiplied);
  header.fill(face);
  QPainter p(&header);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (look_ == DialogLook::GrayConcise) {
    if (!strip_.isNull()) p.drawImage(place.PictureLeft, 0, strip_);
  } else if (look_ == DialogLook::GrayAristocratic) {
    const QImage cap = LibraryPng(locator_, "GCap300", "");
    if (!cap.isNull()) p.drawImage(place.PictureLeft, 0, cap);
    const FontChoice fonts = FontsOfSettings(settings_);
    p.setFont(PixelFont(fonts.SmallFont, FontHeight(40, FontRole::Serif, fonts), true));
    TextShadowed(p, QWord(pictures_.HeaderRow, settings_.LanguageIndex).toUpper(), 0, place.Width,
                 'c', QColor(255, 255, 0), 10);
  } else {
    const QImage ribbon = LibraryPng(locator_, "GLenta280x090", "");
    if (!ribbon.isNull()) p.drawImage(place.RibbonLeft, 0, ribbon);
    if (!caption_.isNull()) p.drawImage(place.Caption, caption_);
  }
  return header;
}

void AuxiliaryLook::StyleButton(TQelCardsButton& button) const {
  button.SetColorSB(Purple() ? TColorSB::DCards : TColorSB::DRed);
  button.SetFontColor(TextColour());
  button.SetColorMouse(QColor(255, 255, 0));
  button.SetLightFont(true);
  button.SetNata(settings_.NewButtons);
}

QColor AuxiliaryLook::TextColour() const {
  return Purple() ? kPurpleDialogText : QColor(Qt::white);
}

QString AuxiliaryLook::EditStyleSheet() const {
  if (!Purple()) return {};
  return QStringLiteral("background: %1; color: #ffff00;").arg(kPurpleEditBackground.name());
}

void AuxiliaryLook::PaintPurple(QPainter& p, const QRect& client) const {
  p.fillRect(client, Qt::black);
  if (!background_.isNull()) p.drawImage(0, 0, background_);
  if (!caption_.isNull()) p.drawImage(0, 0, caption_);
}

void AuxiliaryLook::PaintIcon(QPainter& p, QPoint at) const {
  if (!icons_.isNull()) p.drawImage(at, icons_, QRect(48 * (iconFrame_ - 1), 0, 48, 48));
}

}  // namespace tarnel
