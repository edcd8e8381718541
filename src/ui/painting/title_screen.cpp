#include "ui/painting/title_screen.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/pictures/picture_image.h"
#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/painting/title_model.h"
#include "ui/words/word_table.h"

namespace tarnel {
namespace {

QImage LoadPicture(const ResourceLocator& locator, const char* name) {
  Picture picture;
  if (!LoadPngResource(locator, name, "", picture)) return {};
  return PictureImage(picture).copy();
}

QColor FromRgb(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void GradientFrame(QPainter& p, QRect r) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, QColor(255, 215, 90));
  g.setColorAt(0.5, QColor(150, 60, 0));
  g.setColorAt(1, QColor(255, 200, 60));
  p.setPen(QPen(QBrush(g), 6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 10, 10);
}

}  // namespace

TitleScreen::TitleScreen(const ResourceLocator& locator, int width, int height)
    : still_(width, height, QImage::Format_RGB32), frame_(width, height, QImage::Format_RGB32) {
  logo_ = LoadPicture(locator, "Logo");
  const QImage strip = LoadPicture(locator, "TitleList");
  if (!strip.isNull()) {
    const int side = strip.height();
    for (int i = 0; i < 4; ++i) runners_[i] = strip.copy(i * side, 0, side, side);
  }
}

void TitleScreen::DrawTitle(int languageIndex) {
  title_ = std::string(ProductTitle(languageIndex));
  still_.fill(Qt::black);
  QPainter p(&still_);
  p.setRenderHint(QPainter::Antialiasing);
  GradientFrame(p, QRect(QPoint(130, 50), QPoint(630, 450)));
  GradientFrame(p, QRect(QPoint(230, 150), QPoint(530, 350)));
  // The logos first: the date is wider than the gap between them and stays readable over them.
  if (!logo_.isNull()) {
    p.drawImage(250, 270, logo_);
    p.drawImage(445, 270, logo_);
  }
  p.setFont(PixelFont("Comic Sans MS", 24));
  p.setPen(QColor(255, 0, 0));
  TextCentered(p, QStringLiteral("Tarnel team"), 230, 530, 240);
  p.setPen(QColor(0, 0, 255));
  TextCentered(p, QString::fromUtf8(ReleaseDate(languageIndex).data(),
                                    static_cast<int>(ReleaseDate(languageIndex).size())),
               230, 530, 265);
  p.setPen(QColor(0, 100, 100));
  TextCentered(p, QString::fromLatin1(kVersionText), 230, 530, 315);
  p.end();
  DrawFrame();
}

void TitleScreen::TitleTick() {
  ++ticks_;
  DrawFrame();
}

void TitleScreen::DrawFrame() {
  frame_ = still_.copy();
  QPainter p(&frame_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(PixelFont("Arial", 44, true));
  std::vector<TitleLetter> letters = LayOutTitleLetters(title_);
  int widest = 0;
  for (const TitleLetter& l : letters)
    widest = std::max(widest, p.fontMetrics().horizontalAdvance(QString::fromUtf8(l.Utf8)));
  if (widest > 34) letters = LayOutWideTitleLetters(title_, widest);
  for (std::size_t i = 0; i < letters.size(); ++i) {
    p.setPen(FromRgb(TitleLetterColour(static_cast<int>(i), ticks_)));
    p.drawText(letters[i].X, 175 + p.fontMetrics().ascent(), QString::fromUtf8(letters[i].Utf8));
  }
  const auto places = TitleRunners(ticks_);
  for (int i = 0; i < 4; ++i)
    if (!runners_[i].isNull())
      p.drawImage(places[i].X - runners_[i].width() / 2, places[i].Y - runners_[i].height() / 2,
                  runners_[i]);
}

}  // namespace tarnel
