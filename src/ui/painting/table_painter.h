// Painting of the game table: cards, hands, the stock, the table cards, the score panels, the
// name plates and the game counter. Every element repaints itself over the piece of the
// background under it; the painter reads the game state and draws what it finds.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "core/cards.h"
#include "core/table_state.h"
#include "ui/layout/window_layout.h"
#include "ui/painting/picture_box.h"
#include "ui/pictures/picture_loader.h"

namespace tarnel {

// Values of a score panel field that are not numbers.
inline constexpr int kEraseField = -1000000;
inline constexpr int kKeepField = -2000000;

struct TableLook {
  WindowScale Scale;
  int WindowMode = kSmallWindowMode;
  FontChoice Fonts;
};

class TablePainter {
 public:
  TablePainter(const ResourceLocator& locator, const PictureLoader& pictures);

  // A new window size, face design or background: cached cards are drawn again when next used.
  void SetLook(const TableLook& look, const QImage& background);
  const QImage& Background() const { return background_; }
  CardSize Size() const { return pictures_.Size(); }
  int NarrowShiftPixels() const;

  void DrawCard(QImage& surface, int x, int y, CardCode code);
  void DrawBack(QImage& surface, int x, int y);
  void DrawBackSideways(QImage& surface, int x, int y);

  // Sorts the hand first. Seat 1's cards show their backs unless `reveal`.
  void PaintHand(PictureBox& box, TTableState& state, int seat, bool reveal);
  // Card places inside the middle of the table.
  QPoint TableCardPlace(int seat) const;
  void PaintTableCard(PictureBox& box, const TTableState& state, int seat);
  // Seat 0 clears the whole middle.
  void ClearTable(PictureBox& box, int seat);
  // `remaining` counts the trump card too.
  void PaintStock(PictureBox& box, int remaining, CardCode trumpCard, char trumpSuit);
  // `finished`: the scores of a summed-up game, red with a "+" before gains.
  void PaintScorePanel(PictureBox& box, int seat, bool marked, bool full, int bottom, int middle,
                       int topRight, int top, bool finished = false);
  // Colour letter b, g, r, y or o.
  void PaintNamePlate(PictureBox& box, const QString& name, char colour);
  void PaintGameCounter(PictureBox& box, const QString& roundCaption, int roundNo);

  // The picture a flight carries: the face (69 x 94 for small cards) or the current back.
  const QImage& CardPicture(CardCode code);
  const QImage& BackPicture() { return LargeBack(false); }
  bool SmallCards() const { return pictures_.Size().CardSizeClass == kSmallPictures; }

  // Where the trump card lies in the stock box.
  QRect TrumpCardRect() const;

 private:
  const QImage& LargeCard(int cardIndex);
  const QImage& LargeBack(bool sideways);
  QImage Rounded(const Picture& source, int width, int height) const;
  QImage Own(const std::string& name);
  QImage Stretched(const std::string& name, int width, int height);

  ResourceLocator locator_;
  const PictureLoader& pictures_;
  TableLook look_;
  QImage background_;
  std::array<QImage, 36> largeCards_;
  std::array<QImage, 2> largeBacks_;
  int cachedBack_ = -1;
  struct Cached {
    std::string Name;
    int Width = 0, Height = 0;
    QImage Image;
  };
  std::vector<Cached> pictureCache_;
};

}  // namespace tarnel
