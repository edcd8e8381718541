#include "ui/painting/table_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include "ui/painting/program_fonts.h"
#include "ui/painting/text_helpers.h"
#include "ui/pictures/picture_image.h"

namespace tarnel {
namespace {

bool SmallWindow(const TableLook& look) { return look.WindowMode == kSmallWindowMode; }

void CopyUnder(PictureBox& box, const QImage& background) { box.CopyBackground(background); }


// The black frame of a small card whose picture (w x h) lies at (x + 1, y + 1): four lines that
// leave the corners open, so the card looks rounded.
void SmallFrame(QPainter& p, int x, int y, int w, int h) {
  p.setPen(Qt::black);
  p.drawLine(x + 2, y, x + w - 1, y);
  p.drawLine(x + 2, y + h + 1, x + w - 1, y + h + 1);
  p.drawLine(x, y + 2, x, y + h - 1);
  p.drawLine(x + w + 1, y + 2, x + w + 1, y + h - 1);
}

}  // namespace

TablePainter::TablePainter(const ResourceLocator& locator, const PictureLoader& pictures)
    : locator_(locator), pictures_(pictures) {}

void TablePainter::SetLook(const TableLook& look, const QImage& background) {
  look_ = look;
  background_ = background;
  for (QImage& card : largeCards_) card = QImage();
  for (QImage& back : largeBacks_) back = QImage();
  cachedBack_ = -1;
  pictureCache_.clear();
}

int TablePainter::NarrowShiftPixels() const {
  return look_.Scale.Scale(NarrowShift(look_.WindowMode, pictures_.FullWidth()));
}

QImage TablePainter::Rounded(const Picture& source, int width, int height) const {
  QImage card(width, height, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  if (source.Empty()) return card;
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double corner = look_.Scale.Scale(8) / 2.0;
  QPainterPath clip;
  clip.addRoundedRect(QRectF(0, 0, width, height), corner, corner);
  p.setClipPath(clip);
  const QImage image = PictureImage(source);
  if (image.width() == width && image.height() == height) p.drawImage(0, 0, image);
  else p.drawImage(QRect(0, 0, width, height), image);
  return card;
}

// Cards are kept in the surfaces' own pixel format, so a repaint only copies them.
const QImage& TablePainter::LargeCard(int cardIndex) {
  QImage& cached = largeCards_[cardIndex];
  if (cached.isNull()) {
    const CardSize size = pictures_.Size();
    if (size.CardSizeClass == kSmallPictures)
      cached = PictureImage(pictures_.Face(cardIndex)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else
      cached = Rounded(pictures_.Face(cardIndex), size.CardWidth, size.CardHeight);
  }
  return cached;
}

const QImage& TablePainter::CardPicture(CardCode code) {
  static const QImage kNone;
  const int n = NumberOfCard(code);
  return n >= 1 ? LargeCard(n - 1) : kNone;
}

const QImage& TablePainter::LargeBack(bool sideways) {
  if (cachedBack_ != pictures_.CurrentBack()) {
    largeBacks_ = {};
    cachedBack_ = pictures_.CurrentBack();
  }
  QImage& cached = largeBacks_[sideways ? 1 : 0];
  if (cached.isNull()) {
    const CardSize size = pictures_.Size();
    if (size.CardSizeClass == kSmallPictures)
      cached = PictureImage(pictures_.Back(sideways)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else
      cached = sideways ? Rounded(pictures_.Back(true), size.CardHeight, size.CardWidth)
                        : Rounded(pictures_.Back(false), size.CardWidth, size.CardHeight);
  }
  return cached;
}

void TablePainter::DrawCard(QImage& surface, int x, int y, CardCode code) {
  if (code == EmptyCard) return;
  const bool small = pictures_.Size().CardSizeClass == kSmallPictures;
  const bool frame = code.Rank == 'N' && code.Suit == 'o';
  QPainter p(&surface);
  if (small) {
    SmallFrame(p, x, y, kSmallFaceWidth, kSmallFaceHeight);
    if (frame) {
      for (QPoint corner : {QPoint(x + 1, y + 1), QPoint(x + 69, y + 1), QPoint(x + 1, y + 94),
                            QPoint(x + 69, y + 94)})
        p.drawPoint(corner);
      return;
    }
    const int n = NumberOfCard(code);
    if (n >= 1) p.drawImage(x + 1, y + 1, LargeCard(n - 1));
    return;
  }
  const int n = NumberOfCard(code);
  if (n >= 1) p.drawImage(x, y, LargeCard(n - 1));
}

void TablePainter::DrawBack(QImage& surface, int x, int y) {
  QPainter p(&surface);
  if (pictures_.Size().CardSizeClass == kSmallPictures) {
    SmallFrame(p, x, y, kSmallFaceWidth, kSmallFaceHeight);
    p.drawImage(x + 1, y + 1, LargeBack(false));
    return;
  }
  p.drawImage(x, y, LargeBack(false));
}

void TablePainter::DrawBackSideways(QImage& surface, int x, int y) {
  QPainter p(&surface);
  if (pictures_.Size().CardSizeClass == kSmallPictures) {
    SmallFrame(p, x, y, kSmallFaceHeight, kSmallFaceWidth);
    p.drawImage(x + 1, y + 1, LargeBack(true));
    return;
  }
  p.drawImage(x, y, LargeBack(true));
}

void TablePainter::PaintHand(PictureBox& box, TTableState& state, int seat, bool reveal) {
  CopyUnder(box, background_);
  SortHand(state, seat);
  const int n = state.CardCount[seat];
  const std::vector<int> xs = HandPositions(box.width(), n, pictures_.Size().CardWidth);
  for (int i = 0; i < n; ++i) {
    const CardCode card = state.HandCard[seat][i + 1];
    if (seat == kSeatMe || reveal) DrawCard(box.Surface(), xs[i], 0, card);
    else if (card != EmptyCard) DrawBack(box.Surface(), xs[i], 0);
  }
  box.Refresh();
}

QPoint TablePainter::TableCardPlace(int seat) const {
  const int shift = NarrowShiftPixels();
  return seat == kSeatCo ? QPoint(shift, 0) : QPoint(shift, look_.Scale.Scale(100));
}

void TablePainter::PaintTableCard(PictureBox& box, const TTableState& state, int seat) {
  ClearTable(box, seat);
  const QPoint at = TableCardPlace(seat);
  DrawCard(box.Surface(), at.x(), at.y(), state.TableCard[seat]);
  box.Refresh();
}

void TablePainter::ClearTable(PictureBox& box, int seat) {
  if (seat == 0) {
    CopyUnder(box, background_);
  } else {
    const QPoint at = TableCardPlace(seat);
    const CardSize size = pictures_.Size();
    QPainter p(&box.Surface());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect place(at.x(), at.y(), size.CardWidth + 2, size.CardHeight + 2);
    p.drawImage(place, background_, place.translated(box.pos()));
  }
  box.Refresh();
}

QImage TablePainter::Own(const std::string& name) {
  for (const Cached& c : pictureCache_)
    if (c.Name == name && c.Width == 0) return c.Image;
  Picture picture;
  QImage image;
  if (LoadPngResource(locator_, name, "", picture))
    image = PictureImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  pictureCache_.push_back({name, 0, 0, image});
  return image;
}

QImage TablePainter::Stretched(const std::string& name, int width, int height) {
  for (const Cached& c : pictureCache_)
    if (c.Name == name && c.Width == width && c.Height == height) return c.Image;
  QImage source = Own(name);
  QImage image = source.isNull() ? source
                                 : source.scaled(width, height, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation)
                                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  pictureCache_.push_back({name, width, height, image});
  return image;
}

QRect TablePainter::TrumpCardRect() const {
  const CardSize size = pictures_.Size();
  return QRect(look_.Scale.Scale(12) + NarrowShiftPixels(), look_.Scale.Scale(70),
               size.CardWidth, size.CardHeight);
}

void TablePainter::PaintStock(PictureBox& box, int remaining, CardCode trumpCard,
                              char trumpSuit) {
  CopyUnder(box, background_);
  const WindowScale& s = look_.Scale;
  const bool small = SmallWindow(look_);
  const int layers = remaining >= 26   ? 6
                     : remaining >= 21 ? 5
                     : remaining >= 16 ? 4
                     : remaining >= 11 ? 3
                     : remaining >= 6  ? 2
                     : remaining >= 2  ? 1
                                       : 0;
  static constexpr int kLayerTops[6] = {45, 42, 39, 36, 33, 30};
  for (int i = 0; i < layers; ++i) DrawBackSideways(box.Surface(), 0, s.Scale(kLayerTops[i]));
  QPainter p(&box.Surface());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (remaining > 0) {
    if (small) p.drawImage(20, 1, Own("GKolodaSmall"));
    else p.drawImage(s.Scale(20), s.Scale(1), Stretched("GKolodaSmallB", s.Scale(58), s.Scale(25)));
    p.end();
    const QRect trump = TrumpCardRect();
    DrawCard(box.Surface(), trump.x(), trump.y(), trumpCard);
    p.begin(&box.Surface());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(PixelFont("Comic Sans MS", 20, true));
    p.setPen(QColor(255, 0, 0));
    const int y = small ? s.Scale(4) : s.Scale(1) + RoundHalfToEven((s.Scale(25) - TextHeight(p)) / 2.0);
    TextCentered(p, QString::number(remaining), s.Scale(20), s.Scale(79), y);
  } else {
    const int suit = SuitIndex(trumpSuit);
    if (small) {
      p.drawImage(20, 54, Own("GKolodaLarge"));
      if (suit >= 0) p.drawImage(40, 74, PictureImage(pictures_.Pictures().SmallSuits[suit]));
    } else {
      const QRect plate(s.Scale(20), s.Scale(54), s.Scale(60), s.Scale(60));
      p.drawImage(plate.topLeft(), Stretched("GKolodaLargeB", plate.width(), plate.height()));
      if (suit >= 0) {
        const QImage symbol = PictureImage(pictures_.Pictures().LargeSuits[suit]);
        p.drawImage(plate.center().x() - symbol.width() / 2 + 1,
                    plate.center().y() - symbol.height() / 2 + 1, symbol);
      }
    }
  }
  p.end();
  box.Refresh();
}

void TablePainter::PaintScorePanel(PictureBox& box, int seat, bool marked, bool full, int bottom,
                                   int middle, int topRight, int top, bool finished) {
  const WindowScale& s = look_.Scale;
  const bool small = SmallWindow(look_);
  const QImage panel = small ? Own("TabloSm") : Stretched("TabloBg", box.width(), box.height());
  QPainter p(&box.Surface());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (full) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, background_, box.x(), box.y(), box.width(), box.height());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, panel);
  }
  // Erasing a field draws its piece of the panel back.
  auto erase = [&](int x, int y, int w) {
    const QRect field(s.Scale(x), s.Scale(y), s.Scale(w), s.Scale(31));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(field, background_, field.translated(box.pos()));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(field, panel, field);
  };
  if (marked) {
    erase(15, 50, 35);
    if (small) {
      const QImage list = Own("HandList");
      const int image = seat == kSeatCo ? 1 : 0;
      p.drawImage(22, seat == kSeatCo ? 49 : 50, list, image * 20, 0, 20, 30);
    } else {
      p.drawImage(QRect(s.Scale(23), s.Scale(49), s.Scale(20), s.Scale(30)),
                  Own(seat == kSeatCo ? "Hand_Up" : "Hand_Down"));
    }
  } else {
    erase(15, 50, 35);
  }
  const std::string& decor = FontFamily(FontRole::Decor, look_.Fonts);
  if (top != kKeepField) {
    erase(15, 15, 125);
    if (top != kEraseField) {
      QString text = QString::number(top);
      if (finished && top > 0) text = "+" + text;
      if (topRight != kKeepField && topRight != kEraseField) text += "+" + QString::number(topRight);
      p.setFont(PixelFont(decor, FontHeight(s.Scale(30), FontRole::Decor, look_.Fonts)));
      p.setPen(finished ? QColor(255, 0, 0) : QColor(255, 0, 255));
      TextCentered(p, text, 0, s.Scale(155), s.Scale(14));
    }
  }
  if (middle != kKeepField) {
    erase(55, 50, 45);
    if (middle != kEraseField) {
      p.setFont(PixelFont(decor, s.Scale(20)));
      p.setPen(QColor(0, 0, 255));
      TextCentered(p, QString::number(middle), 0, s.Scale(155), s.Scale(54));
    }
  }
  if (bottom != kKeepField) {
    erase(105, 50, 35);
    if (bottom != kEraseField) {
      QFont font(QString::fromStdString(decor));
      font.setPointSize(std::max(1, s.Scale(14)));
      p.setFont(font);
      p.setPen(QColor(0, 0, 128));
      TextCentered(p, QString::number(bottom), s.Scale(105), s.Scale(140), s.Scale(52));
    }
  }
  p.end();
  box.Refresh();
}

void TablePainter::PaintNamePlate(PictureBox& box, const QString& name, char colour) {
  CopyUnder(box, background_);
  const QString shown = QString(name).remove(QRegularExpression(" +$"));
  if (shown.isEmpty()) {
    box.Refresh();
    return;
  }
  const char* plate = colour == 'g'   ? "SPGreen"
                      : colour == 'r' ? "SPRed"
                      : colour == 'y' ? "SPYellow"
                      : colour == 'o' ? "SPFiolet"
                                      : "SPBlue";
  QPainter p(&box.Surface());
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::Antialiasing);
  if (SmallWindow(look_)) p.drawImage(0, 0, Own(plate));
  else p.drawImage(0, 0, Stretched(std::string(plate) + "B", box.width(), box.height()));
  const WindowScale& s = look_.Scale;
  const std::string& serif = FontFamily(FontRole::Serif, look_.Fonts);
  // Too long a name steps down twice and may then overflow the plate.
  for (int size : {18, 16, 14}) {
    p.setFont(PixelFont(serif, FontHeight(s.Scale(size), FontRole::Serif, look_.Fonts), true));
    if (MeasureText(p, shown) <= s.Scale(150)) break;
  }
  p.setPen(Qt::white);
  TextCentered(p, shown, 0, box.width(), (box.height() - TextHeight(p)) / 2);
  p.end();
  box.Refresh();
}

void TablePainter::PaintGameCounter(PictureBox& box, const QString& roundCaption, int roundNo) {
  CopyUnder(box, background_);
  const WindowScale& s = look_.Scale;
  QPainter p(&box.Surface());
  p.setRenderHint(QPainter::TextAntialiasing);
  if (SmallWindow(look_)) p.drawImage(0, 0, Own("RamkaFBSm"));
  else p.drawImage(0, 0, Stretched("RamkaFBBg", box.width(), box.height()));
  p.setFont(PixelFont(FontFamily(FontRole::Decor, look_.Fonts),
                      FontHeight(s.Scale(28), FontRole::Decor, look_.Fonts)));
  p.setPen(QColor(0, 0, 255));
  TextCentered(p, roundCaption + " " + QString::number(roundNo), 0, box.width(), s.Scale(15));
  p.end();
  box.Refresh();
}

}  // namespace tarnel
