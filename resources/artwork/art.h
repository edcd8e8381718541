// Shared pieces of the artwork generators: the collected archive entries and drawing helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <string>
#include <vector>

#include "platform/resource_archive.h"

namespace tarnel::art {

class Sink {
 public:
  // `keyColour`, when not 0, is given to the fully transparent pixels, so that a reader that
  // drops the alpha channel can still key them out.
  void Png(const std::string& name, const QImage& image, std::uint32_t keyColour = 0);
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

// Card drawing, shared with the animations.
void DrawFace(QPainter& p, const QRectF& box, int rank, int suit, bool smallCard);
void DrawBack(QPainter& p, const QRectF& box, int back, bool smallCard);

}  // namespace tarnel::art
