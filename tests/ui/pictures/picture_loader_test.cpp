#include "ui/pictures/picture_loader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "platform/picture_codecs.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;

// Every fixture picture is one flat colour derived from its name and library, so a test can
// tell which resource of which library ended up where.
std::uint32_t ColourOf(const std::string& library, const std::string& name) {
  std::uint32_t h = 2166136261u;
  for (char c : library + "/" + name)
    h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return Rgb(h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF);
}

class Fixture {
 public:
  Fixture() {
    char pattern[] = "/tmp/tarnel-pictures-XXXXXX";
    root_ = mkdtemp(pattern);
    program_ = root_ / "Tarnel";
    fs::create_directory(program_);
  }
  ~Fixture() { fs::remove_all(root_); }
  const fs::path& Program() const { return program_; }
  const fs::path& Root() const { return root_; }

  void Png(const std::string& library, const std::string& name, int w, int h) {
    for (const auto& e : entries_[library])
      if (e.FileName == name + ".png") return;  // suit symbols serve both size classes
    Picture p(w, h, ColourOf(library, name), ColourType::Rgb);
    entries_[library].push_back({name + ".png", EncodePng(p)});
  }
  void Replace(const std::string& library, const std::string& name, const Picture& p) {
    for (auto& e : entries_[library])
      if (e.FileName == name + ".png") e.Data = EncodePng(p);
  }
  void Jpeg(const std::string& library, const std::string& name, int w, int h) {
    Picture p(w, h, ColourOf(library, name), ColourType::Rgb);
    entries_[library].push_back({name + ".jpg", EncodeJpeg(p, 100)});
  }
  // Faces, suit symbols of one design in one size class.
  void Design(const std::string& library, int design, int sizeClass) {
    bool small = sizeClass == kSmallPictures;
    int w = small ? kSmallFaceWidth : FullWidthFaces(design) ? kLargeFaceWidth : kNarrowFaceWidth;
    int h = small ? kSmallFaceHeight : kLargeFaceHeight;
    for (int i = 0; i < 36; ++i)
      Png(library, FaceName(i, design, sizeClass), w, h);
    for (int s = 0; s < 4; ++s) {
      Png(library, SuitSymbolName(s, design, false), 20, 20);
      Png(library, SuitSymbolName(s, design, true), 40, 40);
    }
  }
  void Backs(const std::string& library, int set, int sizeClass, bool fullWidth) {
    bool small = sizeClass == kSmallPictures;
    int w = small ? kSmallFaceWidth : fullWidth ? kLargeFaceWidth : kNarrowFaceWidth;
    int h = small ? kSmallFaceHeight : kLargeFaceHeight;
    for (int b = 1; b <= BacksInSet(set); ++b) {
      Png(library, BackName(b, set, sizeClass, fullWidth, false), w, h);
      Png(library, BackName(b, set, sizeClass, fullWidth, true), h, w);
    }
  }
  // The program's own pictures: design 0, back set 0 in both sizes, the built-in background.
  void Builtin() {
    Design("", 0, kSmallPictures);
    Design("", 0, kLargePictures);
    Backs("", 0, kSmallPictures, true);
    Backs("", 0, kLargePictures, true);
    Backs("", 0, kLargePictures, false);
    Jpeg("", "FonG", 76, 50);
    Jpeg("", "FonGB", 152, 100);
  }
  void Write(const fs::path& folder) {
    for (auto& [library, entries] : entries_) {
      std::string file = library.empty() ? kBuiltinLibrary : library;
      ASSERT_TRUE(WriteResourceArchive(folder / file, entries));
    }
    entries_.clear();
  }

 private:
  fs::path root_, program_;
  std::map<std::string, std::vector<ArchiveEntry>> entries_;
};

class RecordingHost : public PictureHost {
 public:
  void ShowAttention(const std::string& line1, const std::string& line2,
                     const std::string& link) override {
    Shown.push_back(line1 + "|" + line2 + "|" + link);
  }
  void SwitchOffPurpleDesigns() override { ++PurpleOff; }
  std::vector<std::string> Shown;
  int PurpleOff = 0;
};

TableGeometry Small() {
  return {1.0, true, 760, 500};
}
TableGeometry Large() {
  return {2.0, false, 1520, 1000};
}

std::uint32_t Centre(const Picture& p) {
  return p.At(p.Width / 2, p.Height / 2);
}
std::uint32_t Corner(const Picture& p) {
  return p.At(1, 1);
}

constexpr int kQueenOfSpades = 6 * 4 + 3, kSixOfHearts = 0, kAceOfClubs = 8 * 4 + 2;

TEST(LoadCardFaces, BuiltInDesignInTheSmallWindowIsDrawnAsStored) {
  Fixture f;
  f.Builtin();
  f.Write(f.Program());
  PictureChoice choice;
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Small());
  ASSERT_TRUE(loader.LoadCardFaces());
  const Picture& queen = loader.Face(kQueenOfSpades);
  ASSERT_EQ(queen.Width, kSmallFaceWidth);
  ASSERT_EQ(queen.Height, kSmallFaceHeight);
  EXPECT_EQ(Centre(queen), ColourOf("", "Pi3Q"));
  EXPECT_EQ(Corner(queen), ColourOf("", "Pi3Q"));
  EXPECT_EQ(loader.Pictures().SmallSuits[3].At(5, 5), ColourOf("", "Piki"));
  EXPECT_EQ(loader.Pictures().LargeSuits[0].At(5, 5), ColourOf("", "CherB"));
  ASSERT_EQ(loader.Pictures().SmallBacks.size(), 7u);
  EXPECT_EQ(loader.Pictures().SmallBacksSideways[0].Width, kSmallFaceHeight);
  EXPECT_EQ(Corner(loader.Pictures().SmallBacksSideways[6]), ColourOf("", "Ob07SuR"));
  EXPECT_TRUE(host.Shown.empty());
}

TEST(LoadCardFaces, LibraryDesignsGetTheirEllipseRestoredAndMixTheirCodes) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 6, kLargePictures);
  // Design 6's number cards come from the "Mod" pictures of design 2.
  f.Write(f.Program());
  PictureChoice choice{.CardDesign = 6};
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Large());
  ASSERT_TRUE(loader.LoadCardFaces());
  EXPECT_EQ(choice.CardDesign, 6);
  const Picture& six = loader.Face(kSixOfHearts);
  const Picture& ace = loader.Face(kAceOfClubs);
  ASSERT_EQ(six.Width, kLargeFaceWidth);
  EXPECT_EQ(Corner(six), ColourOf("QelCards06A.dll", "Ch06ModB"));
  EXPECT_EQ(Centre(six), ColourOf("QelCards06A.dll", "Ch06ModB") ^ 0xFFFFFF);
  EXPECT_EQ(Corner(ace), ColourOf("QelCards06A.dll", "Kr5ACorB"));
  EXPECT_EQ(Centre(ace), ColourOf("QelCards06A.dll", "Kr5ACorB") ^ 0xFFFFFF);
  // The edge of the ellipse box: 10 pixels in, a pixel just inside the top is inverted only
  // in the middle of the width.
  EXPECT_EQ(six.At(73, 10), ColourOf("QelCards06A.dll", "Ch06ModB") ^ 0xFFFFFF);
  EXPECT_EQ(six.At(12, 10), ColourOf("QelCards06A.dll", "Ch06ModB"));
  EXPECT_EQ(six.At(73, 9), ColourOf("QelCards06A.dll", "Ch06ModB"));
  // Full-width faces keep the built-in backs.
  EXPECT_EQ(Corner(loader.Pictures().LargeBacks[0]), ColourOf("", "Ob01MoB"));
}

TEST(LoadCardFaces, DesignsNineAndFortyShareNamesButNotLibraries) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 9, kSmallPictures);
  f.Design("QelCards06C.dll", 40, kSmallPictures);
  f.Write(f.Program());
  RecordingHost host;
  for (auto [design, library] : {std::pair{9, "QelCards06A.dll"}, {40, "QelCards06C.dll"}}) {
    PictureChoice choice{.CardDesign = design};
    PictureLoader loader({f.Program()}, choice, host);
    loader.SetGeometry(Small());
    ASSERT_TRUE(loader.LoadCardFaces());
    EXPECT_EQ(Corner(loader.Face(kQueenOfSpades)), ColourOf(library, "Pi3QFra")) << design;
  }
}

TEST(LoadCardFaces, NarrowDesignsTakeTheNarrowBacks) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 29, kLargePictures);
  f.Backs("QelCards06B.dll", 0, kLargePictures, false);
  f.Write(f.Program());
  PictureChoice choice{.CardDesign = 29};
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Large());
  ASSERT_TRUE(loader.LoadCardFaces());
  EXPECT_FALSE(loader.FullWidth());
  EXPECT_EQ(loader.Size(), (CardSize{126, 198, kLargePictures}));
  EXPECT_EQ(loader.Face(kSixOfHearts).Width, kNarrowFaceWidth);
  EXPECT_EQ(Corner(loader.Pictures().LargeBacks[2]), ColourOf("QelCards06B.dll", "Ob03WeU"));
  EXPECT_EQ(Corner(loader.Pictures().LargeBacksSideways[2]),
            ColourOf("QelCards06B.dll", "Ob03WeRU"));
}

TEST(Fallbacks, EveryMissingOrDamagedLibraryFallsBackToTheBuiltInChoice) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 29, kLargePictures);  // narrow; its backs need 06B
  f.Write(f.Program());
  // A damaged library counts as missing.
  std::ofstream(f.Program() / "QelCards06C.dll") << "MZ this is no archive";

  struct Case {
    const char* What;
    PictureChoice Choice;
    TableGeometry Geometry;
    PictureChoice Expected;
    const char* Shown;
  };
  const Case cases[] = {
      {"faces, library missing",
       {.CardDesign = 33, .BackSet = 0},
       Small(),
       {.CardDesign = 0, .BackSet = 0},
       "Can`t find the file QelCards06B.dll||"},
      {"faces, library damaged",
       {.CardDesign = 44, .BackSet = 0},
       Large(),
       {.CardDesign = 0, .BackSet = 0},
       "Can`t find the file QelCards06C.dll||"},
      {"backs of a set",
       {.CardDesign = 0, .BackSet = 5},
       Small(),
       {.CardDesign = 0, .BackSet = 0},
       "Can`t find the file QelCards06B.dll||"},
      {"narrow design needs 06B for set 0",
       {.CardDesign = 29, .BackSet = 0},
       Large(),
       {.CardDesign = 0, .BackSet = 0},
       "Can`t find the file QelCards06B.dll||"},
  };
  for (const auto& c : cases) {
    PictureChoice choice = c.Choice;
    RecordingHost host;
    PictureLoader loader({f.Program()}, choice, host);
    loader.SetGeometry(c.Geometry);
    EXPECT_FALSE(loader.LoadCardFaces()) << c.What;
    EXPECT_EQ(choice.CardDesign, c.Expected.CardDesign) << c.What;
    EXPECT_EQ(choice.BackSet, c.Expected.BackSet) << c.What;
    ASSERT_EQ(host.Shown.size(), 1u) << c.What;
    EXPECT_EQ(host.Shown[0], c.Shown) << c.What;
    // The built-in pictures are in place.
    bool small = c.Geometry.SmallWindow;
    EXPECT_EQ(Corner(loader.Face(kQueenOfSpades)), ColourOf("", small ? "Pi3Q" : "Pi3QB"))
        << c.What;
    EXPECT_EQ(Corner(loader.Back(false)), ColourOf("", small ? "Ob01Mo" : "Ob01MoB")) << c.What;
  }
}

TEST(Fallbacks, ANarrowDesignWithAMissingBackSetKeepsItsFacesOnBuiltInNarrowBacks) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 30, kLargePictures);
  f.Write(f.Program());
  PictureChoice choice{.CardDesign = 30, .BackSet = 9};
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Large());
  EXPECT_FALSE(loader.LoadCardFaces());
  EXPECT_EQ(choice.CardDesign, 30);
  EXPECT_EQ(choice.BackSet, 0);
  EXPECT_EQ(Corner(loader.Pictures().LargeBacks[0]), ColourOf("", "Ob01MoU"));
}

TEST(Fallbacks, LibrariesInTheParentFolderServe) {
  Fixture f;
  f.Builtin();
  f.Write(f.Program());
  f.Backs("QelCards06B.dll", 8, kSmallPictures, true);
  f.Write(f.Root());
  PictureChoice choice{.BackSet = 8};
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Small());
  ASSERT_TRUE(loader.LoadCardFaces());
  ASSERT_EQ(loader.Pictures().SmallBacks.size(), 10u);
  EXPECT_EQ(Corner(loader.Pictures().SmallBacks[9]), ColourOf("QelCards06B.dll", "Ob10XXAni"));
  EXPECT_TRUE(host.Shown.empty());
}

TEST(LoadBackground, NamesSizesAndFallbacks) {
  Fixture f;
  f.Builtin();
  f.Jpeg("QelBackG03.dll", "Fon05Re", 76, 50);
  f.Jpeg("QelBackG03.dll", "Fon05ReB", 152, 100);
  f.Jpeg("QelCGraph1.dll", "BGLilu", 152, 100);
  f.Write(f.Program());
  auto near = [](std::uint32_t a, std::uint32_t b) {
    return std::abs(RedOf(a) - RedOf(b)) < 6 && std::abs(GreenOf(a) - GreenOf(b)) < 6 &&
           std::abs(BlueOf(a) - BlueOf(b)) < 6;
  };
  {
    PictureChoice choice{.BackgroundIndex = 5, .BackgroundColour = 1};
    RecordingHost host;
    PictureLoader loader({f.Program()}, choice, host);
    loader.SetGeometry(Small());
    ASSERT_TRUE(loader.LoadBackground(false));
    const Picture& bg = loader.Pictures().Background;
    EXPECT_EQ(bg.Width, 76);  // the small window shows it as stored
    EXPECT_TRUE(near(Centre(bg), ColourOf("QelBackG03.dll", "Fon05Re")));
    loader.SetGeometry(Large());
    ASSERT_TRUE(loader.LoadBackground(true));
    EXPECT_EQ(loader.Pictures().Background.Width, 1520);  // stretched to the window
    EXPECT_EQ(loader.Pictures().Background.Height, 1000);
    EXPECT_TRUE(near(Centre(loader.Pictures().Background), ColourOf("QelCGraph1.dll", "BGLilu")));
  }
  fs::remove(f.Program() / "QelBackG03.dll");
  fs::remove(f.Program() / "QelCGraph1.dll");
  {
    PictureChoice choice{.BackgroundIndex = 5, .BackgroundColour = 1};
    RecordingHost host;
    PictureLoader loader({f.Program()}, choice, host);
    loader.SetGeometry(Large());
    EXPECT_FALSE(loader.LoadBackground(true));
    EXPECT_EQ(host.PurpleOff, 1);
    EXPECT_EQ(host.Shown, (std::vector<std::string>{"Can`t find the file QelCGraph1.dll||",
                                                    "Can`t find the file QelBackG03.dll||"}));
    EXPECT_EQ(choice.BackgroundIndex, 2);
    EXPECT_EQ(choice.BackgroundColour, 0);
    EXPECT_TRUE(near(Centre(loader.Pictures().Background), ColourOf("", "FonGB")));
    EXPECT_EQ(loader.Pictures().Background.Width, 1520);
  }
  {
    // Index 0 keeps whatever is shown.
    PictureChoice choice{.BackgroundIndex = 0};
    RecordingHost host;
    PictureLoader loader({f.Program()}, choice, host);
    EXPECT_TRUE(loader.LoadBackground(false));
    EXPECT_TRUE(loader.Pictures().Background.Empty());
  }
}

TEST(ChooseCurrentBack, WeekdayAlwaysOneAndRandomSets) {
  Fixture f;
  PictureChoice choice;
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  SeededRandom random(7);
  for (int day = 1; day <= 7; ++day) {
    loader.ChooseCurrentBack(day, random);
    EXPECT_EQ(loader.CurrentBack(), day);
  }
  choice.BackAlwaysOne = true;
  loader.ChooseCurrentBack(2, random);
  EXPECT_EQ(loader.CurrentBack(), 7);
  for (int set : {8, 9, 10, 11}) {
    choice.BackSet = set;
    std::vector<bool> seen(11, false);
    for (int i = 0; i < 200; ++i) {
      loader.ChooseCurrentBack(3, random);
      ASSERT_GE(loader.CurrentBack(), 1);
      ASSERT_LE(loader.CurrentBack(), 10);
      seen[loader.CurrentBack()] = true;
    }
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), 10) << set;
  }
  choice.BackSet = 12;
  loader.ChooseCurrentBack(3, random);
  EXPECT_EQ(loader.CurrentBack(), 7);
}

TEST(SuitSymbols, DesignTwentySixDiamondLosesItsOpaqueSurroundOnly) {
  Fixture f;
  f.Builtin();
  f.Design("QelCards06A.dll", 26, kSmallPictures);
  // A white square with a red diamond holding a white centre that the fill must not reach.
  Picture diamond(20, 20, Rgb(255, 255, 255), ColourType::Rgb);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (std::abs(x - 10) + std::abs(y - 10) <= 7) diamond.At(x, y) = Rgb(220, 0, 0);
  diamond.At(10, 10) = Rgb(255, 255, 255);
  f.Replace("QelCards06A.dll", "BubiEpi", diamond);
  f.Write(f.Program());
  PictureChoice choice{.CardDesign = 26};
  RecordingHost host;
  PictureLoader loader({f.Program()}, choice, host);
  loader.SetGeometry(Small());
  ASSERT_TRUE(loader.LoadCardFaces());
  const Picture& symbol = loader.Pictures().SmallSuits[1];
  EXPECT_EQ(AlphaOf(symbol.At(0, 0)), 0);
  EXPECT_EQ(AlphaOf(symbol.At(19, 19)), 0);
  EXPECT_EQ(symbol.At(10, 5), Rgb(220, 0, 0));
  EXPECT_EQ(symbol.At(10, 10), Rgb(255, 255, 255));
  // Other designs keep an opaque surround.
  EXPECT_EQ(AlphaOf(loader.Pictures().SmallSuits[0].At(0, 0)), 255);
}

}  // namespace
}  // namespace tarnel
