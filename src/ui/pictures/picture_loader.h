// The loaders that fill the table's picture store from the chosen libraries, falling back to
// the program's own pictures whenever a library is missing or damaged.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/random_source.h"
#include "platform/picture.h"
#include "platform/resource_library.h"
#include "ui/pictures/picture_names.h"

namespace tarnel {

// The settings values the loaders read and, on a fall-back, reset to the built-in choice.
struct PictureChoice {
  int CardDesign = 0;
  int BackSet = 0;
  int BackgroundIndex = 2;
  int BackgroundColour = 0;
  bool BackAlwaysOne = false;  // back mode "Always one"
};

// The window the pictures are for.
struct TableGeometry {
  double K = 1.0;           // min(kx, ky)
  bool SmallWindow = true;  // window mode 1
  int WindowWidth = 760;
  int WindowHeight = 500;
};

// What the loaders need from the window layer.
class PictureHost {
 public:
  virtual ~PictureHost() = default;
  // The modal "Attention" window with up to three lines (the third drawn as a link).
  virtual void ShowAttention(const std::string& line1, const std::string& line2,
                             const std::string& link) = 0;
  // The purple main-menu, table and dialog designs go back to their first choices.
  virtual void SwitchOffPurpleDesigns() = 0;
  // A word-table row in the current language; only rows::kCantFindFile is asked for here.
  virtual std::string Word(int row) const;
};

// Everything painting needs, loaded once per choice; painting never opens a library.
struct CardPictures {
  std::array<Picture, 36> SmallFaces;  // 69 x 94, opaque, class 1
  std::array<Picture, 36> LargeFaces;  // 146 (or 126) x 198, classes 0 and 2
  std::array<Picture, 4> SmallSuits;   // 20 x 20, silver made transparent
  std::array<Picture, 4> LargeSuits;
  std::vector<Picture> SmallBacks, SmallBacksSideways;  // back 1 first
  std::vector<Picture> LargeBacks, LargeBacksSideways;
  Picture Background;
};

class PictureLoader {
 public:
  PictureLoader(ResourceLocator locator, PictureChoice& choice, PictureHost& host);

  // A new window size: the card size follows. Call the loaders afterwards.
  void SetGeometry(const TableGeometry& geometry);

  // Each returns false when it had to fall back to the program's own pictures.
  bool LoadCardFaces();  // loads the backs too, as their names follow the face width
  bool LoadCardBacks();
  bool LoadBackground(bool purpleMenu);
  // The back shown in the next deal, from today's weekday (Monday 1 .. Sunday 7).
  void ChooseCurrentBack();
  void ChooseCurrentBack(int weekday, RandomSource& random);

  const CardPictures& Pictures() const { return pictures_; }
  const CardSize& Size() const { return size_; }
  bool FullWidth() const { return fullWidth_; }
  int CurrentBack() const { return currentBack_; }
  // The stored face of a card index 0..35 and the current back for this size class.
  const Picture& Face(int cardIndex) const;
  const Picture& Back(bool sideways) const;

 private:
  void Attention(const std::string& libraryFile);
  bool LoadFacesFrom(const ResourceArchive& library, int design);
  bool LoadBacksFrom(const ResourceArchive& library, int backSet);
  bool LoadBackgroundFrom(const ResourceArchive& library, const std::string& name);

  ResourceLocator locator_;
  PictureChoice& choice_;
  PictureHost& host_;
  TableGeometry geometry_;
  CardSize size_;
  bool fullWidth_ = true;
  int currentBack_ = 1;
  CardPictures pictures_;
};

// Picture operations the loaders apply, public for the tools and tests.
// Draws `source` at (0, 0) of a width x height picture filled with `under` (alpha blended).
Picture FlattenOnto(const Picture& source, int width, int height, std::uint32_t under);
// Pixels of exactly `key` colour become fully transparent.
void MakeTransparent(Picture& picture, std::uint32_t key);
// Inverts the colour (not the alpha) of every pixel whose centre lies inside the ellipse
// inscribed in the box left..right x top..bottom (right and bottom exclusive).
void InvertEllipse(Picture& picture, int left, int top, int right, int bottom);
// Four-way fill of the area of (x, y)'s colour with `colour`.
void FloodFill(Picture& picture, int x, int y, std::uint32_t colour);

inline constexpr std::uint32_t kSilver = Rgb(192, 192, 192);

// Monday 1 .. Sunday 7 of the local date.
int TodayWeekday();

}  // namespace tarnel
