// The look shared by the auxiliary windows: three gray designs with a header picture and a red
// line, and the purple design painted from the design library. A dialog names its pictures and
// header word; this class loads them, draws the header, styles the buttons and paints purple.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <string>

#include "platform/resource_library.h"
#include "ui/layout/window_layout.h"
#include "ui/words/word_rows.h"

class QPainter;
class QWidget;

namespace tarnel {

struct Settings;
class TQelCardsButton;

enum class DialogLook { GrayConcise = 1, GrayAristocratic = 2, GrayRibbons = 3, Purple = 4 };

// The look a dialog takes from the settings: the purple one, or the gray design chosen.
DialogLook DialogLookOf(const Settings& settings);
FontChoice FontsOfSettings(const Settings& settings);

inline constexpr QColor kPurpleDialogText(200, 175, 50);
inline constexpr QColor kPurpleEditBackground(136, 0, 226);

struct DialogPictures {
  std::string PictureName;  // "GFormOpt": the purple background and, with the suffix, its texts
  std::string StripName;    // "Options": the concise header strip, with the suffix
  std::string IconStrip;    // "GIcon48Opt": ten 48 x 48 frames
  int HeaderRow = rows::kOptions;       // the aristocratic header word
};

// Where a dialog puts the pieces of its header inside Image0.
struct HeaderPlacement {
  int Width = 300;          // Image0's width
  int PictureLeft = 0;      // the concise strip and "GCap300"
  int RibbonLeft = 10;      // "GLenta280x090"
  QPoint Caption{-20, -5};  // the ribbon design's caption
};

class AuxiliaryLook {
 public:
  // Loads what the design needs; without the design library only the gray aristocratic design can
  // be drawn, so the settings fall back to it.
  AuxiliaryLook(Settings& settings, ResourceLocator locator, DialogPictures pictures);

  // The settings changed (the options' own design list): loads again for the new design.
  void Reload();
  // True when the design library answers: the test a design choice makes before it is kept.
  bool LibraryPresent() const;

  DialogLook Look() const { return look_; }
  bool Purple() const { return look_ == DialogLook::Purple; }
  // 48, 64 or 90; 0 in purple.
  int HeaderHeight() const;
  // Image0's picture in the gray designs, filled with `face` first.
  QImage Header(const HeaderPlacement& place, const QColor& face) const;

  // Card-style buttons: "DRed" with white text in gray, "DCards" with the purple text colour.
  void StyleButton(TQelCardsButton& button) const;
  QColor TextColour() const;
  // Edit and list boxes: purple with yellow text, the system's own in gray.
  QString EditStyleSheet() const;

  // The purple dialog: black, then its picture and its texts over the whole client area.
  void PaintPurple(QPainter& p, const QRect& client) const;
  // The 48 x 48 icon's current frame.
  void PaintIcon(QPainter& p, QPoint at) const;
  void NextIconFrame() { iconFrame_ = iconFrame_ % 10 + 1; }
  int IconFrame() const { return iconFrame_; }
  bool HasIcons() const { return !icons_.isNull(); }

 private:
  Settings& settings_;
  ResourceLocator locator_;
  DialogPictures pictures_;
  DialogLook look_ = DialogLook::GrayAristocratic;
  QImage background_, caption_, strip_, icons_;
  int iconFrame_ = 1;
};

}  // namespace tarnel
