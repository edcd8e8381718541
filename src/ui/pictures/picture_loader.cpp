#include "ui/pictures/picture_loader.h"

#include <ctime>

#include "platform/clock_random.h"
#include "ui/words/word_rows.h"

namespace tarnel {

std::string PictureHost::Word(int row) const {
  return row == rows::kCantFindFile ? "Can`t find the file" : "";
}

Picture FlattenOnto(const Picture& source, int width, int height, std::uint32_t under) {
  Picture out(width, height, under | 0xFF000000u, ColourType::Rgb);
  for (int y = 0; y < std::min(height, source.Height); ++y) {
    for (int x = 0; x < std::min(width, source.Width); ++x) {
      std::uint32_t p = source.At(x, y);
      int a = AlphaOf(p);
      if (a == 255) {
        out.At(x, y) = p;
      } else if (a > 0) {
        auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
        out.At(x, y) = Rgb(mix(RedOf(p), RedOf(under)), mix(GreenOf(p), GreenOf(under)),
                           mix(BlueOf(p), BlueOf(under)));
      }
    }
  }
  return out;
}

void MakeTransparent(Picture& picture, std::uint32_t key) {
  for (auto& p : picture.Pixels)
    if ((p & 0xFFFFFF) == (key & 0xFFFFFF)) p = 0;
}

void InvertEllipse(Picture& picture, int left, int top, int right, int bottom) {
  double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  for (int y = std::max(top, 0); y < std::min(bottom, picture.Height); ++y) {
    double dy = (y + 0.5 - cy) / ry;
    for (int x = std::max(left, 0); x < std::min(right, picture.Width); ++x) {
      double dx = (x + 0.5 - cx) / rx;
      if (dx * dx + dy * dy <= 1.0) picture.At(x, y) ^= 0x00FFFFFFu;
    }
  }
}

void FloodFill(Picture& picture, int x, int y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= picture.Width || y >= picture.Height) return;
  std::uint32_t target = picture.At(x, y);
  if (target == colour) return;
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (px < 0 || py < 0 || px >= picture.Width || py >= picture.Height) continue;
    if (picture.At(px, py) != target) continue;
    picture.At(px, py) = colour;
    stack.push_back({px + 1, py});
    stack.push_back({px - 1, py});
    stack.push_back({px, py + 1});
    stack.push_back({px, py - 1});
  }
}

int TodayWeekday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_wday == 0 ? 7 : local.tm_wday;
}

PictureLoader::PictureLoader(ResourceLocator locator, PictureChoice& choice, PictureHost& host)
    : locator_(std::move(locator)), choice_(choice), host_(host) {
  SetGeometry(geometry_);
}

void PictureLoader::SetGeometry(const TableGeometry& geometry) {
  geometry_ = geometry;
  size_ = ComputeCardSize(geometry_.K, fullWidth_);
}

void PictureLoader::Attention(const std::string& libraryFile) {
  host_.ShowAttention(host_.Word(rows::kCantFindFile) + " " + libraryFile, "", "");
}

const Picture& PictureLoader::Face(int cardIndex) const {
  static const Picture kNone;
  if (cardIndex < 0 || cardIndex >= 36) return kNone;
  return size_.CardSizeClass == kSmallPictures ? pictures_.SmallFaces[cardIndex]
                                               : pictures_.LargeFaces[cardIndex];
}

const Picture& PictureLoader::Back(bool sideways) const {
  static const Picture kNone;
  const auto& backs = size_.CardSizeClass == kSmallPictures
                          ? (sideways ? pictures_.SmallBacksSideways : pictures_.SmallBacks)
                          : (sideways ? pictures_.LargeBacksSideways : pictures_.LargeBacks);
  int i = currentBack_ - 1;
  return i >= 0 && i < static_cast<int>(backs.size()) ? backs[i] : kNone;
}

bool PictureLoader::LoadFacesFrom(const ResourceArchive& library, int design) {
  bool small = size_.CardSizeClass == kSmallPictures;
  CardPictures loaded;
  for (int i = 0; i < 36; ++i) {
    auto png = ReadPng(library, FaceName(i, design, size_.CardSizeClass));
    if (!png) return false;
    if (small) {
      loaded.SmallFaces[i] =
          FlattenOnto(*png, kSmallFaceWidth, kSmallFaceHeight, Rgb(255, 255, 255));
    } else {
      loaded.LargeFaces[i] = std::move(*png);
    }
  }
  for (int suit = 0; suit < 4; ++suit) {
    auto smallSuit = ReadPng(library, SuitSymbolName(suit, design, false));
    auto largeSuit = ReadPng(library, SuitSymbolName(suit, design, true));
    if (!smallSuit || !largeSuit) return false;
    Picture bitmap = FlattenOnto(*smallSuit, kSmallSuitSize, kSmallSuitSize, kSilver);
    // This design's diamond has an opaque surround; fill it so it shows through.
    if (design == 26 && suit == 1) FloodFill(bitmap, 0, 0, kSilver);
    MakeTransparent(bitmap, kSilver);
    loaded.SmallSuits[suit] = std::move(bitmap);
    loaded.LargeSuits[suit] = std::move(*largeSuit);
  }
  if (design != 0) {
    // Library faces are stored with an inverted ellipse inside a 10-pixel margin.
    auto& faces = small ? loaded.SmallFaces : loaded.LargeFaces;
    for (auto& face : faces)
      InvertEllipse(face, 10, 10, face.Width - 10, face.Height - 10);
  }
  // Only the array of this size class is filled; the other is dropped to save memory.
  pictures_.SmallFaces = std::move(loaded.SmallFaces);
  pictures_.LargeFaces = std::move(loaded.LargeFaces);
  pictures_.SmallSuits = std::move(loaded.SmallSuits);
  pictures_.LargeSuits = std::move(loaded.LargeSuits);
  return true;
}

bool PictureLoader::LoadCardFaces() {
  bool ok = true;
  int design = choice_.CardDesign;
  if (design < 0 || design >= kDesignCount) {
    design = 0;
    ok = false;
  }
  std::string libraryFile = FaceLibrary(design);
  if (design != 0) {
    auto library = locator_.OpenLibrary(libraryFile);
    // A library without the pictures it should hold is as good as missing.
    if (!library || !LoadFacesFrom(*library, design)) {
      Attention(libraryFile);
      design = 0;
      ok = false;
    }
  }
  if (design == 0) {
    auto own = locator_.OpenLibrary("");
    if (!own || !LoadFacesFrom(*own, 0)) {
      pictures_.SmallFaces = {};
      pictures_.LargeFaces = {};
      ok = false;
    }
  }
  choice_.CardDesign = design;
  fullWidth_ = FullWidthFaces(design);
  size_ = ComputeCardSize(geometry_.K, fullWidth_);
  bool backsOk = LoadCardBacks();
  return ok && backsOk;
}

bool PictureLoader::LoadBacksFrom(const ResourceArchive& library, int backSet) {
  bool small = size_.CardSizeClass == kSmallPictures;
  int count = BacksInSet(backSet);
  std::vector<Picture> upright, sideways;
  for (int back = 1; back <= count; ++back) {
    auto up = ReadPng(library, BackName(back, backSet, size_.CardSizeClass, fullWidth_, false));
    auto turned = ReadPng(library, BackName(back, backSet, size_.CardSizeClass, fullWidth_, true));
    if (!up || !turned) return false;
    if (small) {
      upright.push_back(FlattenOnto(*up, kSmallFaceWidth, kSmallFaceHeight, Rgb(255, 255, 255)));
      sideways.push_back(
          FlattenOnto(*turned, kSmallFaceHeight, kSmallFaceWidth, Rgb(255, 255, 255)));
    } else {
      upright.push_back(std::move(*up));
      sideways.push_back(std::move(*turned));
    }
  }
  pictures_.SmallBacks.clear();
  pictures_.SmallBacksSideways.clear();
  pictures_.LargeBacks.clear();
  pictures_.LargeBacksSideways.clear();
  (small ? pictures_.SmallBacks : pictures_.LargeBacks) = std::move(upright);
  (small ? pictures_.SmallBacksSideways : pictures_.LargeBacksSideways) = std::move(sideways);
  if (currentBack_ > count) currentBack_ = 1;
  return true;
}

bool PictureLoader::LoadCardBacks() {
  bool ok = true;
  int backSet = choice_.BackSet;
  if (backSet < 0 || backSet >= kBackSetCount) {
    backSet = 0;
    ok = false;
  }
  std::string libraryFile = BackLibrary(backSet, fullWidth_, size_.CardSizeClass);
  if (!libraryFile.empty()) {
    auto library = locator_.OpenLibrary(libraryFile);
    if (library && LoadBacksFrom(*library, backSet)) {
      choice_.BackSet = backSet;
      return ok;
    }
    Attention(libraryFile);
    if (backSet == 0) {
      // Narrow faces need this library's backs even for the built-in set: give up the design.
      choice_.BackSet = 0;
      choice_.CardDesign = 0;
      LoadCardFaces();
      return false;
    }
    backSet = 0;
    ok = false;
  }
  choice_.BackSet = backSet;
  auto own = locator_.OpenLibrary("");
  if (!own || !LoadBacksFrom(*own, backSet)) return false;
  return ok;
}

bool PictureLoader::LoadBackgroundFrom(const ResourceArchive& library, const std::string& name) {
  auto jpeg = ReadJpeg(library, name);
  if (!jpeg) return false;
  if (geometry_.SmallWindow) {
    pictures_.Background = std::move(*jpeg);
  } else {
    pictures_.Background = Resample(*jpeg, geometry_.WindowWidth, geometry_.WindowHeight);
  }
  return true;
}

bool PictureLoader::LoadBackground(bool purpleMenu) {
  bool ok = true;
  if (purpleMenu) {
    auto library = locator_.OpenLibrary(kGraphicsLibrary);
    if (library && LoadBackgroundFrom(*library, "BGLilu")) return true;
    Attention(kGraphicsLibrary);
    host_.SwitchOffPurpleDesigns();
    ok = false;
  }
  int index = choice_.BackgroundIndex, colour = choice_.BackgroundColour;
  if (index == 0) return ok;
  if (index < 0 || index > 10 || colour < 0 || colour > 6) {
    index = 2;
    colour = 0;
    ok = false;
  }
  std::string libraryFile = BackgroundLibrary(index, colour);
  if (!libraryFile.empty()) {
    auto library = locator_.OpenLibrary(libraryFile);
    if (library &&
        LoadBackgroundFrom(*library, BackgroundName(index, colour, geometry_.SmallWindow))) {
      return ok;
    }
    Attention(libraryFile);
    index = 2;
    colour = 0;
    ok = false;
  }
  choice_.BackgroundIndex = index;
  choice_.BackgroundColour = colour;
  auto own = locator_.OpenLibrary("");
  if (!own || !LoadBackgroundFrom(*own, BackgroundName(2, 0, geometry_.SmallWindow))) return false;
  return ok;
}

void PictureLoader::ChooseCurrentBack(int weekday, RandomSource& random) {
  currentBack_ = weekday >= 1 && weekday <= 7 ? weekday : 1;
  if (choice_.BackAlwaysOne) currentBack_ = 7;
  if (choice_.BackSet >= 8 && choice_.BackSet <= 11) currentBack_ = random.Uniform(1, 10);
}

void PictureLoader::ChooseCurrentBack() {
  auto random = MakeClockRandom();
  ChooseCurrentBack(TodayWeekday(), *random);
}

}  // namespace tarnel
