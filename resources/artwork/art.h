// Shared pieces of the artwork generators: the collected archive entries and drawing helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <string>
#include <vector>

#include "platform/resource_archive.h"

namespace tarnel::art {

class Sink {
 public:
  // `keyColour`, when not 0, is given to the fully transparent pixels, so that a reader that
  // drops the alpha channel can still key them out.
  void Png(const std::string& name, const QImage& image, std::uint32_t keyColour = 0);
  void Png(const std::string& name, Picture picture, std::uint32_t keyColour = 0);
  void Jpeg(const std::string& name, const QImage& image, int quality = 88);
  void Gif(const std::string& name, const std::vector<QImage>& frames, int delayMs,
           int loopCount = 0);
  // Mono 16-bit PCM, samples in -1..1.
  void Wav(const std::string& name, const std::vector<float>& samples, int sampleRate);
  void Midi(const std::string& name, Bytes standardMidiFile);
  const std::vector<ArchiveEntry>& Entries() const { return entries_; }

 private:
  void Add(std::string fileName, Bytes data);
  std::vector<ArchiveEntry> entries_;
};

enum Suit { kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3 };

QPainterPath SuitPath(int suit, const QRectF& box);
QColor SuitColour(int suit);
// A transparent (or filled) ARGB picture ready for a painter.
QImage NewImage(int width, int height, QColor fill = Qt::transparent);
void SetupPainter(QPainter& p);
QFont Font(const char* family, double pixelSize, bool bold = false);
// Text centred in a box with a dark outline, for headings on busy backgrounds.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, double outlineWidth);
// A vertical gradient of two colours over a box.
QLinearGradient Vertical(const QRectF& box, QColor top, QColor bottom);

// Language suffixes of the per-language pictures, English first.
inline const std::vector<std::string> kLanguageSuffixes = {"Eng", "Rus", "Deu", "Fra",
                                                           "Spa", "Chi", "Ita", "Cze"};

void AddCards(Sink& sink);
void AddTable(Sink& sink);
void AddDialogs(Sink& sink);
void AddAnimations(Sink& sink);
void AddPeriphery(Sink& sink);
void AddSounds(Sink& sink);

// A hand pointing up with its index finger, drawn in a 20 x 28 box (fingertip at (6.25, 0.5)).
void PointingHand(QPainter& p, QColor fill, QColor cuff);

// The suits a deck is printed with; the game's four suits map onto each system in order
// (hearts, diamonds, clubs, spades = hearts, bells, acorns, leaves = cups, coins, batons, swords).
enum class SuitSystem { French, German, Spanish };
QPainterPath SuitShape(SuitSystem system, int suit, const QRectF& box);

enum class PipLook { Flat, Shaded, Outlined, Shadowed };
enum class CourtFrame { Rect, Rounded, Arch, Oval, Open };
enum class AceLook { Ring, Wreath, Rays, Medallion, Plain };
enum class Headwear { Classic, Turban, Helmet, Wreath, Kokoshnik, Hat };
// A picture repeated behind court figures and on the ace, for designs named after something.
enum class Motif {
  None,
  Rose,
  Star,
  Sun,
  Tower,
  Leaf,
  Knot,
  Wave,
  Lily,
  Feather,
  Step,
  Weave,
  Heart,
  Snow,
  Dot,
  Cross
};

// How a card design looks; the built-in design is ClassicStyle(), the libraries vary it.
struct FaceStyle {
  SuitSystem Suits = SuitSystem::French;
  std::array<QColor, 4> SuitColours;  // hearts, diamonds, clubs, spades
  QColor Paper{255, 255, 252};
  QColor Edge{90, 90, 90};
  PipLook Pips = PipLook::Flat;
  const char* IndexFamily = "Liberation Serif";
  bool IndexBold = true;
  bool IndexItalic = false;
  int IndexStretch = 100;
  double IndexScale = 1.0;
  std::array<const char*, 9> IndexText = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  std::array<QColor, 4> Robes, Trims;  // court dress by (suit + rank) % 4
  QColor CourtField{255, 250, 232};
  QColor Gold{232, 186, 50};
  CourtFrame Frame = CourtFrame::Rect;
  Headwear Hats = Headwear::Classic;
  AceLook Ace = AceLook::Ring;
  Motif Pattern = Motif::None;
  QColor PatternColour{0, 0, 0, 0};
  int Border = 0;  // 0 none, 1 a line, 2 a double line, 3 a patterned band
  QColor BorderColour{0, 0, 0};
  double Corner = 9;  // corner radius of large cards
};
FaceStyle ClassicStyle();

// Card drawing, shared with the animations and the card libraries.
void DrawFace(QPainter& p, const QRectF& box, int rank, int suit, bool smallCard);
void DrawFace(QPainter& p, const QRectF& box, int rank, int suit, bool smallCard,
              const FaceStyle& style);
void DrawBack(QPainter& p, const QRectF& box, int back, bool smallCard);
// A suit symbol filling a size x size picture.
QImage SuitSymbol(int suit, int size, const FaceStyle& style);
// A small motif centred at `c` with radius `r`.
void DrawMotif(QPainter& p, Motif motif, QPointF c, double r, QColor colour);

}  // namespace tarnel::art
