#include "ui/button/t_qel_cards_button.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "platform/resource_library.h"
#include "ui/pictures/picture_image.h"

namespace tarnel {
namespace {

QImage ToImage(const Picture& picture) {
  return PictureImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QRect ToQRect(const FaceRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

constexpr int kHeights[] = {30, 45, 60};

}  // namespace

ButtonSkinCache::ButtonSkinCache(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

ButtonSkinCache& ButtonSkinCache::Shared() {
  static ButtonSkinCache cache(ExecutableFolder());
  return cache;
}

void ButtonSkinCache::SetProgramFolder(std::filesystem::path programFolder) {
  programFolder_ = std::move(programFolder);
  skins_.clear();
  faces_.clear();
}

const SkinSet& ButtonSkinCache::Skins(ButtonLook look, int skinHeight) {
  auto [it, added] = skins_.try_emplace({look, skinHeight});
  if (added) {
    // A missing skin stays empty: the face is drawn without it rather than not at all.
    const ResourceLocator locator{programFolder_};
    LoadPngResource(locator, SkinName(look, skinHeight, 'L'), "", it->second.Left);
    LoadPngResource(locator, SkinName(look, skinHeight, 'R'), "", it->second.Right);
    LoadPngResource(locator, SkinName(look, skinHeight, '2'), "", it->second.Middle);
  }
  return it->second;
}

const ButtonSkinCache::Face& ButtonSkinCache::FaceFor(const FaceGeometry& face, TColorSB style,
                                                      ButtonLook look, int lightening,
                                                      bool smooth) {
  smooth = smooth && !face.Exact;  // exact heights never resample
  auto [it, added] = faces_.try_emplace({style, look, lightening, face.Height, smooth});
  if (added) {
    FaceParts parts =
        PrepareFace(Skins(look, face.SkinHeight), face, style, look, lightening, smooth);
    it->second.LeftCap = ToImage(parts.LeftCap);
    it->second.RightCap = ToImage(parts.RightCap);
    it->second.Middle = ToImage(parts.Middle);
    it->second.Rows.assign(parts.Rows.begin(), parts.Rows.end());
  }
  return it->second;
}

TQelCardsButton::TQelCardsButton(QWidget* parent, ButtonSkinCache* skins)
    : QPushButton(parent), skins_(skins) {
  // Nothing is filled behind the face: the parent shows through the skins' transparent edges,
  // the free bottom row and right column.
  setAutoFillBackground(false);
  resize(100, 30);
}

TQelCardsButton::TQelCardsButton(const QString& text, QWidget* parent) : TQelCardsButton(parent) {
  setText(text);
}

ButtonSkinCache& TQelCardsButton::Cache() const {
  return skins_ ? *skins_ : ButtonSkinCache::Shared();
}

void TQelCardsButton::SetSkins(ButtonSkinCache* skins) {
  skins_ = skins;
  update();
}

void TQelCardsButton::SetColorSB(tarnel::TColorSB style) {
  if (style == colorSB_) return;
  colorSB_ = style;
  update();
}

void TQelCardsButton::SetColorMouse(const QColor& colour) {
  colorMouse_ = colour;
  update();
}

QColor TQelCardsButton::FontColor() const {
  return palette().color(QPalette::Active, QPalette::ButtonText);
}

void TQelCardsButton::SetFontColor(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::ButtonText, colour);
  setPalette(p);
}

void TQelCardsButton::SetLightFont(bool on) {
  lightFont_ = on;
  update();
}

void TQelCardsButton::SetGrayDis(bool on) {
  grayDis_ = on;
  update();
}

void TQelCardsButton::SetHeightSB(THeightSB height) {
  heightSB_ = height;
  resize(width(), kHeights[height]);
  update();
}

void TQelCardsButton::SetKLightSB(int percent) {
  percent = std::clamp(percent, 0, 255);  // a byte, as stored
  if (percent == kLightSB_) return;
  kLightSB_ = percent;
  update();
}

void TQelCardsButton::SetKontur(bool on) {
  kontur_ = on;
  update();
}

void TQelCardsButton::SetSmooth(bool on) {
  smooth_ = on;
  update();
}

void TQelCardsButton::SetNata(bool on) {
  if (on == nata_) return;
  nata_ = on;
  update();
}

void TQelCardsButton::SetLayout(tarnel::GlyphLayout layout) {
  layout_ = layout;
  update();
}

void TQelCardsButton::SetMargin(int margin) {
  margin_ = margin;
  update();
}

QSize TQelCardsButton::sizeHint() const {
  const int h = kHeights[heightSB_];
  const FaceGeometry face = FaceFor(100, h);
  int w = fontMetrics().horizontalAdvance(text()) + 2 * face.Cap + 12;
  if (!icon().isNull()) w += iconSize().width() + face.Cap;
  return QSize(std::max(100, w), h);
}

void TQelCardsButton::paintEvent(QPaintEvent*) {
  const FaceGeometry face = FaceFor(width(), height());
  const ButtonLook look = nata_ ? ButtonLook::New : ButtonLook::Classic;
  const ButtonSkinCache::Face& parts = Cache().FaceFor(face, colorSB_, look, kLightSB_, smooth_);
  const bool pressed = isDown();

  QPixmap glyph;
  if (!icon().isNull())
    glyph = icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
  const QSize glyphSize = glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize();

  QImage work(size(), QImage::Format_ARGB32_Premultiplied);
  work.fill(Qt::transparent);
  {
    QPainter w(&work);
    if (face.Height > 1) {
      if (!parts.LeftCap.isNull()) w.drawImage(ToQRect(face.LeftCap()), parts.LeftCap);
      if (!parts.RightCap.isNull()) w.drawImage(ToQRect(face.RightCap()), parts.RightCap);
      if (!parts.Rows.empty()) {
        const int left = face.GradientLeft(), right = face.GradientRight();
        for (int y = 0; y < static_cast<int>(parts.Rows.size()) && right > left; ++y)
          w.fillRect(QRect(left, y, right - left, 1), QColor::fromRgb(parts.Rows[y]));
      } else if (!parts.Middle.isNull() && face.Middle().Width() > 0) {
        w.drawImage(ToQRect(face.Middle()), parts.Middle);
      }
    }
    if (!glyph.isNull()) {
      const FacePoint at = GlyphPosition(face, layout_, glyphSize.width(), glyphSize.height());
      w.drawPixmap(QRect(QPoint(at.X, at.Y), glyphSize), glyph);
    }
  }

  QPainter p(this);
  p.drawImage(pressed ? QPoint(1, 1) : QPoint(0, 0), work);

  QColor colour = FontColor();
  if (!isEnabled()) {
    if (grayDis_) colour = QColor(192, 192, 192);
  } else if (lightFont_ && mouseInPos_) {
    colour = colorMouse_;
  }
  const CaptionPlacement caption = CaptionFor(face, look, pressed, margin_ != -1, layout_,
                                              glyphSize.width(), glyphSize.height());
  p.setPen(colour);
  p.setFont(font());
  const int align = (caption.Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
  p.drawText(ToQRect(caption.Rect), align | Qt::TextSingleLine | Qt::TextShowMnemonic, text());

  emit DrawButton(this, &p, rect());

  if (hasFocus() && kontur_) {
    const FocusMark mark = FocusMarkFor(face, colorSB_, look, pressed);
    const QColor markColour = QColor::fromRgb(mark.Colour);
    if (mark.Dots) {
      p.setPen(markColour);
      p.setBrush(markColour);
      // The pen adds a pixel to the right and bottom, so the boxes shrink by one to keep
      // exactly their size.
      for (const FaceRect& dot : {mark.LeftDot, mark.RightDot})
        p.drawEllipse(QRect(dot.Left, dot.Top, dot.Width() - 1, dot.Height() - 1));
    } else {
      p.setPen(markColour);
      p.setBrush(Qt::NoBrush);
      const QRect ring(mark.Ring.Left, mark.Ring.Top, mark.Ring.Width() - 1,
                       mark.Ring.Height() - 1);
      p.drawRoundedRect(ring, mark.Corner / 2.0, mark.Corner / 2.0);
    }
  }
}

void TQelCardsButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  mouseInPos_ = true;
  update();
  emit MouseEnter(this);
}

void TQelCardsButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  mouseInPos_ = false;
  update();
  emit MouseLeave(this);
}

void TQelCardsButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
      update();
      break;
    default:
      break;
  }
}

TQelCardsButton* DialogButton(const QString& text, QWidget* parent) {
  auto* button = new TQelCardsButton(text, parent);
  button->SetColorSB(TColorSB::DRed);
  button->SetFontColor(Qt::white);
  button->SetColorMouse(QColor(255, 255, 0));
  button->SetLightFont(true);
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(18);
  font.setBold(true);
  button->setFont(font);
  return button;
}

}  // namespace tarnel
