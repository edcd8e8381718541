// The card-style push button: an owner-drawn face of skin caps and a middle, tinted into one of
// eight styles, with the caption over it. Drops in for a QPushButton: construct it with its
// parent, setText, connect clicked.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <filesystem>
#include <map>
#include <tuple>

#include "ui/button/button_face.h"

namespace tarnel {

// Tinted and sized skins, prepared once per (style, look, lightening, height, smoothing) so a
// paint only composes. The skins come from the program's own resources in `ProgramFolder`.
class ButtonSkinCache {
 public:
  struct Face {
    QImage LeftCap;
    QImage RightCap;
    QImage Middle;
    std::vector<QRgb> Rows;
  };

  explicit ButtonSkinCache(std::filesystem::path programFolder);
  // The one all buttons use unless given another; it reads the folder of the executable until
  // told otherwise.
  static ButtonSkinCache& Shared();

  // Forgets what was prepared from the old folder.
  void SetProgramFolder(std::filesystem::path programFolder);
  const Face& FaceFor(const FaceGeometry& face, TColorSB style, ButtonLook look, int lightening,
                      bool smooth);
  std::size_t Size() const { return faces_.size(); }

 private:
  const SkinSet& Skins(ButtonLook look, int skinHeight);

  std::filesystem::path programFolder_;
  std::map<std::pair<ButtonLook, int>, SkinSet> skins_;
  std::map<std::tuple<TColorSB, ButtonLook, int, int, bool>, Face> faces_;
};

class TQelCardsButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(TColorSB ColorSB READ ColorSB WRITE SetColorSB)
  Q_PROPERTY(QColor ColorMouse READ ColorMouse WRITE SetColorMouse)
  Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(bool LightFont READ LightFont WRITE SetLightFont)
  Q_PROPERTY(bool GrayDis READ GrayDis WRITE SetGrayDis)
  Q_PROPERTY(THeightSB HeightSB READ HeightSB WRITE SetHeightSB)
  Q_PROPERTY(int KLightSB READ KLightSB WRITE SetKLightSB)
  Q_PROPERTY(bool Kontur READ Kontur WRITE SetKontur)
  Q_PROPERTY(bool Smooth READ Smooth WRITE SetSmooth)
  Q_PROPERTY(bool Nata READ Nata WRITE SetNata)
  Q_PROPERTY(GlyphLayout Layout READ Layout WRITE SetLayout)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)

 public:
  enum THeightSB { D30 = 0, D45, D60 };
  Q_ENUM(THeightSB)

  explicit TQelCardsButton(QWidget* parent = nullptr, ButtonSkinCache* skins = nullptr);
  TQelCardsButton(const QString& text, QWidget* parent = nullptr);

  tarnel::TColorSB ColorSB() const { return colorSB_; }
  void SetColorSB(tarnel::TColorSB style);
  QColor ColorMouse() const { return colorMouse_; }
  void SetColorMouse(const QColor& colour);
  // The caption's colour (the palette's button text).
  QColor FontColor() const;
  void SetFontColor(const QColor& colour);
  bool LightFont() const { return lightFont_; }
  void SetLightFont(bool on);
  bool GrayDis() const { return grayDis_; }
  void SetGrayDis(bool on);
  THeightSB HeightSB() const { return heightSB_; }
  // Also sets the button's height to 30, 45 or 60.
  void SetHeightSB(THeightSB height);
  int KLightSB() const { return kLightSB_; }
  void SetKLightSB(int percent);
  bool Kontur() const { return kontur_; }
  void SetKontur(bool on);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);
  bool Nata() const { return nata_; }
  void SetNata(bool on);
  // Where QPushButton's icon goes as the glyph, and the margin (-1: the caption is centred).
  tarnel::GlyphLayout Layout() const { return layout_; }
  void SetLayout(tarnel::GlyphLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);

  bool MouseInPos() const { return mouseInPos_; }
  void SetSkins(ButtonSkinCache* skins);

  QSize sizeHint() const override;

 signals:
  // After each paint, with the painter still on the button, so a handler can draw over the face.
  void DrawButton(TQelCardsButton* button, QPainter* canvas, const QRect& rect);
  void MouseEnter(TQelCardsButton* button);
  void MouseLeave(TQelCardsButton* button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  ButtonSkinCache& Cache() const;

  ButtonSkinCache* skins_ = nullptr;
  tarnel::TColorSB colorSB_ = tarnel::TColorSB::DRed;
  QColor colorMouse_ = QColor(255, 255, 0);
  bool lightFont_ = false;
  bool grayDis_ = false;
  THeightSB heightSB_ = D30;
  int kLightSB_ = 0;
  bool mouseInPos_ = false;
  bool kontur_ = true;
  bool smooth_ = true;
  bool nata_ = false;
  tarnel::GlyphLayout layout_ = tarnel::GlyphLayout::Left;
  int margin_ = -1;
};

// The confirming button of a gray dialog: red, a white bold caption that turns yellow under the
// mouse.
TQelCardsButton* DialogButton(const QString& text, QWidget* parent);

}  // namespace tarnel
