// The button as painted: its parent is grabbed over the button's rectangle and read pixel by
// pixel, with the program's own skins.
#include "ui/button/t_qel_cards_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "build_folders.h"
#include "platform/resource_library.h"

namespace tarnel {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "button-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

const QRgb kBackground = qRgb(0, 100, 0);

// Source-over of a non-premultiplied pixel on the opaque background.
QRgb Over(std::uint32_t pixel) {
  const int a = AlphaOf(pixel);
  auto mix = [&](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
  return qRgb(mix(RedOf(pixel), qRed(kBackground)), mix(GreenOf(pixel), qGreen(kBackground)),
              mix(BlueOf(pixel), qBlue(kBackground)));
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int Count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += image.pixel(x, y) == colour;
  return n;
}

Picture Skin(const std::string& name) {
  Picture p;
  EXPECT_TRUE(LoadPngResource(ResourceLocator{build::ProgramFolder()}, name, "", p)) << name;
  return p;
}

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    parent.resize(200, 100);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kBackground));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    button.move(10, 10);
    QFont font = button.font();
    font.setPixelSize(18);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);  // caption pixels exactly in their colour
    button.setFont(font);
    button.SetFontColor(Qt::white);
  }

  // What the window shows where the button is.
  QImage Painted() {
    return parent.grab(button.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }

  QApplication& app = App();  // before any widget
  ButtonSkinCache skins{build::ProgramFolder()};
  QWidget parent;
  TQelCardsButton button{&parent, &skins};
};

TEST_F(ButtonTest, ClassicExactHeightShowsTheGradientRowsAndTheBackgroundBelow) {
  struct Case {
    TColorSB Style;
    int Light;
  };
  for (const Case& c : {Case{TColorSB::DRed, 0}, Case{TColorSB::DNavy, 0}, Case{TColorSB::DRed, 50},
                        Case{TColorSB::DOrang, 0}}) {
    SCOPED_TRACE(static_cast<int>(c.Style) * 1000 + c.Light);
    button.SetColorSB(c.Style);
    button.SetKLightSB(c.Light);
    const QImage face = Painted();
    ASSERT_EQ(face.size(), QSize(100, 30));
    const auto rows = GradientRows(30);
    for (int y = 0; y < 29; ++y) {
      const QRgb expected = TintColour(rows[y], c.Style, c.Light);
      for (int x : {8, 50, 90})
        EXPECT_EQ(face.pixel(x, y), expected) << x << "," << y;
    }
    for (int x = 0; x < 100; ++x)
      EXPECT_EQ(face.pixel(x, 29), kBackground) << x;
    EXPECT_EQ(face.pixel(99, 15), kBackground);  // the free right column
  }
  button.SetColorSB(TColorSB::DRed);
  button.SetKLightSB(0);
  EXPECT_EQ(Painted().pixel(50, 0), qRgb(128, 0, 0));  // not a face prepared for another tint
}

TEST_F(ButtonTest, OtherHeightsStretchTheMiddleSkinBetweenResampledCaps) {
  button.resize(100, 40);
  const QImage face = Painted();
  Picture cap = Skin("R44_L");
  ASSERT_FALSE(ResizePng(cap, 12, 39));
  const Picture middle = StretchNearest(Skin("R44_2"), 2, 39);
  for (int y = 0; y < 39; ++y) {
    for (int x = 0; x < 12; ++x)
      EXPECT_TRUE(Near(face.pixel(x, y), Over(cap.At(x, y)), 2)) << x << "," << y;
    for (int x : {12, 50, 87})
      EXPECT_EQ(face.pixel(x, y), Over(middle.At(0, y))) << x << "," << y;
  }
  for (int x = 0; x < 100; ++x)
    EXPECT_EQ(face.pixel(x, 39), kBackground) << x;
}

TEST_F(ButtonTest, PressedShiftsFaceAndCaptionOnePixelRightAndDown) {
  button.setText("Ok");
  parent.show();
  const QImage released = Painted();
  QSignalSpy clicked(&button, &QPushButton::clicked);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 15));
  const QImage pressed = Painted();
  ASSERT_GT(Count(released, qRgb(255, 255, 255)), 20);
  for (int y = 0; y < 29; ++y)
    for (int x = 0; x < 99; ++x)
      ASSERT_EQ(pressed.pixel(x + 1, y + 1), released.pixel(x, y)) << x << "," << y;
  for (int x = 0; x < 100; ++x)
    EXPECT_EQ(pressed.pixel(x, 0), kBackground) << x;
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(Painted(), released);
}

// The second press of a double click arrives as a double-click event: it clicks again.
TEST_F(ButtonTest, DoubleClickActsAsASecondPress) {
  parent.show();
  QSignalSpy clicked(&button, &QPushButton::clicked);
  const QPointF at(50, 15);
  auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent e(type, at, button.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&button, &e);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton);
  EXPECT_TRUE(button.isDown());
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_EQ(clicked.count(), 2);
}

TEST_F(ButtonTest, CaptionColourFollowsEnabledGrayDisAndHover) {
  const QRgb white = qRgb(255, 255, 255), silver = qRgb(192, 192, 192), yellow = qRgb(255, 255, 0);
  struct Case {
    const char* Name;
    bool Enabled, GrayDis, LightFont, Hovered;
    QRgb Shown;
  };
  const Case cases[] = {
      {"enabled", true, true, true, false, white},
      {"disabled gray", false, true, false, false, silver},
      {"disabled keeps font colour", false, false, false, false, white},
      {"hovered light font", true, false, true, true, yellow},
      {"disabled ignores hover", false, true, true, true, silver},
      {"hovered without light font", true, false, false, true, white},
  };
  button.setText("WWW");
  button.SetColorMouse(QColor::fromRgb(yellow));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    button.setEnabled(c.Enabled);
    button.SetGrayDis(c.GrayDis);
    button.SetLightFont(c.LightFont);
    if (c.Hovered) {
      QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
      QApplication::sendEvent(&button, &enter);
    }
    const QImage face = Painted();
    for (QRgb colour : {white, silver, yellow}) {
      if (colour == c.Shown)
        EXPECT_GT(Count(face, colour), 40);
      else
        EXPECT_EQ(Count(face, colour), 0);
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.MouseInPos());
  }
}

TEST_F(ButtonTest, MouseEnterAndLeaveAreAnnounced) {
  QSignalSpy entered(&button, &TQelCardsButton::MouseEnter);
  QSignalSpy left(&button, &TQelCardsButton::MouseLeave);
  QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.MouseInPos());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(left.at(0).at(0).value<TQelCardsButton*>(), &button);
}

TEST_F(ButtonTest, FocusMarksOfBothLooks) {
  parent.show();
  QApplication::setActiveWindow(&parent);
  button.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return button.hasFocus(); }));
  const QRgb ring = qRgb(255, 200, 200), yellow = qRgb(255, 255, 0);

  QImage classic = Painted();
  EXPECT_EQ(classic.pixel(50, 4), ring);  // top of the ring, inset (7, 4)
  EXPECT_EQ(classic.pixel(7, 15), ring);
  EXPECT_EQ(classic.pixel(92, 15), ring);
  EXPECT_EQ(classic.pixel(50, 25), ring);
  EXPECT_NE(classic.pixel(50, 3), ring);

  button.SetNata(true);
  QImage dots = Painted();
  EXPECT_EQ(Count(dots, ring), 0);
  for (QPoint p : {QPoint(11, 14), QPoint(12, 15), QPoint(87, 14), QPoint(88, 15)})
    EXPECT_EQ(dots.pixel(p), yellow) << p.x() << "," << p.y();
  int dotPixels = Count(dots, yellow);
  EXPECT_GE(dotPixels, 2 * 8);
  EXPECT_LE(dotPixels, 2 * 16);  // no more than the two 4 x 4 boxes
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) {
      const bool inDot = y >= 13 && y < 17 && ((x >= 10 && x < 14) || (x >= 86 && x < 90));
      if (!inDot) {
        EXPECT_NE(dots.pixel(x, y), yellow) << x << "," << y;
      }
    }
  }

  button.SetKontur(false);
  EXPECT_EQ(Count(Painted(), yellow), 0);
  button.SetKontur(true);
  button.clearFocus();
  EXPECT_EQ(Count(Painted(), yellow), 0);
}

TEST_F(ButtonTest, GlyphSitsBesideTheCaptionSide) {
  QPixmap blue(16, 16);
  blue.fill(QColor(0, 0, 255));
  button.setIcon(QIcon(blue));
  button.setIconSize(QSize(16, 16));
  struct Case {
    GlyphLayout Layout;
    QPoint TopLeft;
  };
  for (const Case& c : {Case{GlyphLayout::Left, {15, 6}}, Case{GlyphLayout::Right, {69, 6}},
                        Case{GlyphLayout::Bottom, {42, 6}}}) {
    button.SetLayout(c.Layout);
    const QImage face = Painted();
    EXPECT_EQ(Count(face, qRgb(0, 0, 255)), 256);
    EXPECT_EQ(face.pixel(c.TopLeft), qRgb(0, 0, 255)) << static_cast<int>(c.Layout);
    EXPECT_EQ(face.pixel(c.TopLeft + QPoint(15, 15)), qRgb(0, 0, 255));
  }
}

TEST_F(ButtonTest, DefaultsHeightSBAndTheDrawEvent) {
  TQelCardsButton fresh;
  EXPECT_EQ(fresh.size(), QSize(100, 30));
  EXPECT_EQ(fresh.KLightSB(), 0);
  EXPECT_TRUE(fresh.Kontur());
  EXPECT_TRUE(fresh.Smooth());
  EXPECT_FALSE(fresh.Nata());
  EXPECT_EQ(fresh.Margin(), -1);
  fresh.SetHeightSB(TQelCardsButton::D60);
  EXPECT_EQ(fresh.height(), 60);
  EXPECT_TRUE(fresh.setProperty("ColorSB", QVariant::fromValue(TColorSB::DBlue)));
  EXPECT_EQ(fresh.ColorSB(), TColorSB::DBlue);

  int calls = 0;
  QObject::connect(&button, &TQelCardsButton::DrawButton,
                   [&](TQelCardsButton* b, QPainter* canvas, const QRect& rect) {
                     ++calls;
                     EXPECT_EQ(b, &button);
                     EXPECT_EQ(rect, QRect(0, 0, 100, 30));
                     canvas->fillRect(QRect(40, 10, 2, 2), QColor(1, 2, 3));
                   });
  const QImage face = Painted();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(face.pixel(41, 11), qRgb(1, 2, 3));
}

}  // namespace
}  // namespace tarnel
