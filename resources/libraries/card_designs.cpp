#include "card_designs.h"

#include <map>
#include <memory>
#include <mutex>

#include "svg_deck.h"
#include "ui/pictures/picture_image.h"
#include "ui/pictures/picture_loader.h"
#include "ui/pictures/picture_names.h"

namespace tarnel::libraries {
namespace {

using art::AceLook;
using art::CourtFrame;
using art::FaceStyle;
using art::Headwear;
using art::Motif;
using art::PipLook;
using art::SuitSystem;

constexpr const char* kDeckFolder = "/usr/share/carddecks/";

std::string DeckPath(int design) {
  switch (design) {
    case 2:
      return "svg-oxygen/oxygen.svgz";
    case 3:
      return "svg-ancient-egyptians/Ancient_Egyptians.svgz";
    case 4:
      return "svg-nicu-ornamental/ornamental.svgz";
    case 8:
      return "svg-standard/standard.svgz";
    case 9:
      return "svg-dondorf/dondorf.svgz";
    case 14:
      return "svg-jolly-royal/jolly-royal.svgz";
    case 24:
      return "svg-penguins/penguins.svgz";
    case 28:
      return "svg-future/future.svgz";
    case 29:
      return "svg-xskat-german/german.svgz";
    case 31:
      return "svg-xskat-french/french.svgz";
    case 35:
      return "svg-nicu-white/white.svgz";
    case 40:
      return "svg-gm-paris/paris.svgz";
    case 46:
      return "svg-tigullio-international/tigullio-international.svgz";
    default:
      return "";
  }
}

QColor C(int r, int g, int b) {
  return QColor(r, g, b);
}

const std::array<const char*, 9> kRussianIndex = {"6", "7", "8", "9", "10", "В", "Д", "К", "Т"};
const std::array<const char*, 9> kGermanIndex = {"6", "7", "8", "9", "10", "U", "O", "K", "A"};
const std::array<const char*, 9> kCzechIndex = {"6", "7", "8", "9", "10", "Sp", "Sv", "K", "E"};
const std::array<const char*, 9> kSpanishIndex = {"6", "7", "8", "9", "10", "S", "C", "R", "A"};
const std::array<const char*, 9> kSpanishNumbers = {"6",  "7",  "8",  "9", "10",
                                                    "10", "11", "12", "1"};

// Two-colour French suits.
void French(FaceStyle& s, QColor red, QColor black) {
  s.Suits = SuitSystem::French;
  s.SuitColours = {red, red, black, black};
}

void Dress(FaceStyle& s, QColor a, QColor b, QColor c, QColor d, QColor trimA, QColor trimB) {
  s.Robes = {a, b, c, d};
  s.Trims = {trimA, trimB, trimA, trimB};
}

FaceStyle Generated(int design) {
  FaceStyle s = art::ClassicStyle();
  switch (design) {
    case 1:  // Medieval-1: parchment, gothic frames, lilies
      French(s, C(160, 20, 30), C(30, 25, 20));
      s.Paper = C(246, 236, 208);
      s.CourtField = C(238, 222, 180);
      Dress(s, C(120, 20, 30), C(30, 60, 120), C(60, 90, 40), C(110, 70, 20), C(200, 160, 60),
            C(230, 220, 190));
      s.IndexFamily = "DejaVu Serif";
      s.Frame = CourtFrame::Arch;
      s.Pattern = Motif::Lily;
      s.PatternColour = C(170, 120, 30);
      s.Border = 2;
      s.BorderColour = C(150, 110, 50);
      s.Ace = AceLook::Medallion;
      s.Hats = Headwear::Helmet;
      break;
    case 5:  // Celtic: green knots
      French(s, C(170, 30, 40), C(20, 70, 50));
      s.CourtField = C(228, 240, 224);
      Dress(s, C(30, 110, 70), C(160, 40, 40), C(40, 60, 120), C(200, 150, 40), C(230, 200, 120),
            C(30, 60, 40));
      s.IndexFamily = "DejaVu Sans";
      s.Pattern = Motif::Knot;
      s.PatternColour = C(30, 110, 70);
      s.Border = 3;
      s.BorderColour = C(30, 110, 70);
      s.Frame = CourtFrame::Rounded;
      s.Ace = AceLook::Plain;
      s.Hats = Headwear::Wreath;
      break;
    case 6:  // Corona: golden crowns and rays
      French(s, C(196, 24, 36), C(26, 26, 60));
      s.Gold = C(240, 190, 40);
      s.CourtField = C(255, 246, 214);
      Dress(s, C(140, 20, 80), C(230, 180, 40), C(30, 40, 120), C(140, 20, 20), C(240, 200, 80),
            C(40, 30, 90));
      s.Pips = PipLook::Shaded;
      s.Ace = AceLook::Rays;
      s.Pattern = Motif::Sun;
      s.PatternColour = C(230, 170, 30);
      s.Frame = CourtFrame::Oval;
      break;
    case 7:  // Crown
      French(s, C(190, 0, 40), C(0, 0, 0));
      s.CourtField = C(250, 240, 255);
      Dress(s, C(100, 30, 140), C(200, 30, 50), C(230, 180, 50), C(30, 100, 150), C(250, 220, 120),
            C(60, 20, 90));
      s.Frame = CourtFrame::Arch;
      s.IndexFamily = "Liberation Sans";
      s.Border = 1;
      s.BorderColour = C(120, 60, 160);
      break;
    case 10:  // Historical costumes
      French(s, C(180, 40, 30), C(40, 30, 30));
      s.CourtField = C(236, 228, 214);
      Dress(s, C(90, 60, 40), C(140, 40, 60), C(50, 80, 70), C(160, 130, 70), C(220, 210, 180),
            C(60, 40, 30));
      s.Hats = Headwear::Hat;
      s.Frame = CourtFrame::Rounded;
      s.IndexItalic = true;
      s.Pattern = Motif::Feather;
      s.PatternColour = C(120, 90, 60);
      break;
    case 11:  // Native Americans: earth colours, feathers, suns
      French(s, C(190, 70, 30), C(40, 60, 90));
      s.Paper = C(250, 240, 222);
      s.CourtField = C(236, 210, 170);
      Dress(s, C(170, 90, 40), C(60, 120, 130), C(150, 40, 30), C(200, 160, 80), C(250, 240, 220),
            C(40, 30, 20));
      s.Hats = Headwear::Wreath;
      s.Pattern = Motif::Feather;
      s.PatternColour = C(160, 60, 30);
      s.Ace = AceLook::Rays;
      s.Gold = C(200, 110, 40);
      s.Border = 3;
      s.BorderColour = C(170, 90, 40);
      s.IndexFamily = "DejaVu Sans";
      break;
    case 12:  // Old Garden Roses
      French(s, C(200, 40, 90), C(40, 80, 50));
      s.Paper = C(255, 248, 248);
      s.CourtField = C(252, 232, 236);
      Dress(s, C(200, 70, 110), C(250, 200, 210), C(70, 120, 80), C(150, 30, 60), C(250, 250, 240),
            C(90, 130, 80));
      s.Pattern = Motif::Rose;
      s.PatternColour = C(210, 60, 110);
      s.Ace = AceLook::Wreath;
      s.Frame = CourtFrame::Oval;
      s.IndexFamily = "DejaVu Serif";
      s.IndexItalic = true;
      s.Pips = PipLook::Shaded;
      break;
    case 13:  // Parrots
      French(s, C(220, 40, 30), C(20, 90, 160));
      s.CourtField = C(230, 250, 236);
      Dress(s, C(30, 160, 60), C(240, 200, 20), C(220, 40, 30), C(20, 110, 200), C(250, 140, 20),
            C(20, 70, 40));
      s.Pattern = Motif::Feather;
      s.PatternColour = C(40, 170, 70);
      s.Frame = CourtFrame::Rounded;
      s.IndexFamily = "Comic Neue";
      break;
    case 15:  // Shakespeare
      French(s, C(150, 20, 40), C(30, 30, 40));
      s.Paper = C(248, 244, 232);
      s.CourtField = C(230, 226, 236);
      Dress(s, C(60, 40, 90), C(150, 20, 40), C(30, 30, 40), C(120, 110, 60), C(240, 240, 230),
            C(200, 170, 80));
      s.Hats = Headwear::Hat;
      s.Frame = CourtFrame::Arch;
      s.IndexFamily = "Liberation Serif";
      s.IndexItalic = true;
      s.Pattern = Motif::Feather;
      s.PatternColour = C(60, 40, 90);
      s.Border = 2;
      s.BorderColour = C(60, 40, 90);
      break;
    case 16:  // Big Ben
      French(s, C(200, 16, 46), C(10, 30, 80));
      s.CourtField = C(225, 232, 245);
      Dress(s, C(200, 16, 46), C(10, 30, 80), C(240, 240, 245), C(200, 160, 50), C(240, 240, 245),
            C(200, 16, 46));
      s.Pattern = Motif::Tower;
      s.PatternColour = C(120, 90, 50);
      s.IndexFamily = "Liberation Sans";
      s.Ace = AceLook::Medallion;
      s.Border = 1;
      s.BorderColour = C(10, 30, 80);
      break;
    case 17:  // Four Reigns of English History
      French(s, C(170, 20, 30), C(20, 20, 70));
      s.CourtField = C(246, 238, 220);
      Dress(s, C(170, 20, 30), C(20, 20, 70), C(220, 170, 40), C(70, 30, 80), C(240, 210, 100),
            C(250, 250, 250));
      s.Pattern = Motif::Lily;
      s.PatternColour = C(200, 150, 40);
      s.Frame = CourtFrame::Rect;
      s.Border = 3;
      s.BorderColour = C(170, 20, 30);
      s.IndexFamily = "DejaVu Serif";
      break;
    case 18:  // Large Print London
      French(s, C(210, 0, 0), C(0, 0, 0));
      s.IndexScale = 1.25;
      s.IndexFamily = "Liberation Sans";
      s.Ace = AceLook::Plain;
      s.CourtField = C(255, 255, 255);
      s.Frame = CourtFrame::Open;
      Dress(s, C(210, 0, 0), C(0, 60, 160), C(250, 190, 0), C(0, 120, 60), C(0, 0, 0),
            C(250, 250, 250));
      break;
    case 19:  // Classical-2: blue and gold
      French(s, C(200, 20, 40), C(20, 30, 80));
      s.CourtField = C(236, 242, 255);
      Dress(s, C(30, 60, 150), C(200, 20, 40), C(220, 180, 60), C(30, 60, 150), C(220, 180, 60),
            C(250, 250, 250));
      s.Frame = CourtFrame::Rounded;
      s.IndexFamily = "DejaVu Serif";
      break;
    case 20:  // Hearts
      French(s, C(220, 30, 80), C(90, 20, 60));
      s.Paper = C(255, 246, 250);
      s.CourtField = C(255, 228, 238);
      Dress(s, C(220, 60, 120), C(250, 170, 200), C(140, 30, 90), C(250, 250, 250),
            C(250, 250, 250), C(200, 20, 70));
      s.Pattern = Motif::Heart;
      s.PatternColour = C(230, 60, 120);
      s.Border = 3;
      s.BorderColour = C(230, 90, 140);
      s.IndexFamily = "Comic Neue";
      s.Frame = CourtFrame::Oval;
      break;
    case 21:  // Seasons
      s.Suits = SuitSystem::French;
      s.SuitColours = {C(220, 60, 40), C(230, 150, 20), C(40, 130, 50), C(40, 90, 170)};
      s.Paper = C(252, 252, 244);
      s.CourtField = C(240, 246, 230);
      Dress(s, C(90, 160, 60), C(230, 170, 30), C(190, 80, 30), C(80, 120, 190), C(250, 240, 200),
            C(60, 60, 60));
      s.Pattern = Motif::Leaf;
      s.PatternColour = C(90, 160, 60);
      s.Pips = PipLook::Shadowed;
      s.Ace = AceLook::Wreath;
      s.IndexFamily = "DejaVu Sans";
      break;
    case 22:  // Rhine Style
      French(s, C(190, 30, 30), C(20, 60, 30));
      s.CourtField = C(250, 244, 228);
      Dress(s, C(30, 90, 50), C(190, 30, 30), C(230, 200, 80), C(50, 50, 110), C(250, 240, 210),
            C(30, 30, 30));
      s.Frame = CourtFrame::Rect;
      s.Border = 2;
      s.BorderColour = C(30, 90, 50);
      s.Pips = PipLook::Outlined;
      s.IndexFamily = "DejaVu Serif";
      s.Hats = Headwear::Hat;
      break;
    case 23:  // Medieval-2
      French(s, C(140, 30, 20), C(50, 40, 30));
      s.Paper = C(240, 228, 196);
      s.CourtField = C(226, 206, 160);
      Dress(s, C(90, 50, 30), C(140, 30, 20), C(60, 80, 60), C(170, 140, 80), C(210, 180, 110),
            C(40, 30, 20));
      s.Frame = CourtFrame::Arch;
      s.Hats = Headwear::Helmet;
      s.Pattern = Motif::Cross;
      s.PatternColour = C(140, 30, 20);
      s.Border = 1;
      s.BorderColour = C(110, 80, 40);
      s.IndexFamily = "Liberation Serif";
      s.IndexItalic = true;
      s.Ace = AceLook::Medallion;
      break;
    case 25:  // Playboy
      French(s, C(230, 0, 110), C(20, 20, 20));
      s.CourtField = C(30, 30, 36);
      Dress(s, C(230, 0, 110), C(20, 20, 20), C(250, 250, 250), C(120, 0, 60), C(250, 250, 250),
            C(230, 0, 110));
      s.Frame = CourtFrame::Rounded;
      s.IndexFamily = "Liberation Sans";
      s.Pips = PipLook::Shadowed;
      s.Pattern = Motif::Star;
      s.PatternColour = C(230, 0, 110);
      s.Ace = AceLook::Plain;
      break;
    case 26:  // Epic
      French(s, C(180, 20, 20), C(60, 40, 20));
      s.Paper = C(250, 242, 226);
      s.CourtField = C(60, 40, 30);
      s.Gold = C(220, 170, 60);
      Dress(s, C(150, 20, 20), C(200, 150, 50), C(70, 70, 80), C(40, 90, 60), C(220, 170, 60),
            C(200, 200, 210));
      s.Hats = Headwear::Helmet;
      s.Frame = CourtFrame::Arch;
      s.Pattern = Motif::Sun;
      s.PatternColour = C(220, 170, 60);
      s.Ace = AceLook::Rays;
      s.Border = 2;
      s.BorderColour = C(180, 130, 50);
      s.IndexFamily = "DejaVu Serif";
      break;
    case 27:  // USSR
      French(s, C(210, 10, 10), C(30, 30, 30));
      s.CourtField = C(255, 238, 228);
      Dress(s, C(210, 10, 10), C(90, 90, 80), C(200, 160, 40), C(60, 80, 60), C(250, 210, 60),
            C(210, 10, 10));
      s.IndexText = kRussianIndex;
      s.Pattern = Motif::Star;
      s.PatternColour = C(210, 10, 10);
      s.Ace = AceLook::Wreath;
      s.IndexFamily = "DejaVu Sans";
      break;
    case 28:  // Plastic: glossy, bright and round
      French(s, C(240, 30, 60), C(20, 60, 200));
      s.Paper = C(250, 252, 255);
      s.Edge = C(120, 130, 160);
      s.CourtField = C(220, 236, 255);
      Dress(s, C(250, 110, 20), C(30, 190, 90), C(240, 30, 60), C(20, 60, 200), C(250, 230, 40),
            C(250, 250, 250));
      s.Pips = PipLook::Shaded;
      s.Frame = CourtFrame::Rounded;
      s.IndexFamily = "DejaVu Sans";
      s.Corner = 14;
      s.Ace = AceLook::Medallion;
      s.Pattern = Motif::Dot;
      s.PatternColour = C(20, 60, 200);
      break;
    case 30:  // Skat tournament suits: four colours
      s.SuitColours = {C(220, 20, 20), C(240, 160, 0), C(20, 20, 20), C(20, 140, 40)};
      s.CourtField = C(248, 248, 248);
      s.IndexText = kGermanIndex;
      s.IndexText[5] = "B";
      s.IndexText[6] = "D";
      s.IndexFamily = "Liberation Sans";
      s.Frame = CourtFrame::Rect;
      s.Ace = AceLook::Plain;
      break;
    case 32:  // White palekh: black lacquer fields with gold
      French(s, C(200, 20, 20), C(20, 20, 20));
      s.CourtField = C(20, 18, 18);
      s.Gold = C(230, 180, 60);
      Dress(s, C(200, 30, 30), C(230, 180, 60), C(40, 120, 80), C(250, 250, 250), C(230, 180, 60),
            C(200, 30, 30));
      s.IndexText = kRussianIndex;
      s.Hats = Headwear::Kokoshnik;
      s.Pattern = Motif::Leaf;
      s.PatternColour = C(230, 180, 60);
      s.Frame = CourtFrame::Oval;
      s.IndexFamily = "DejaVu Serif";
      break;
    case 33:  // Diana: the huntress, greens and silver
      French(s, C(180, 40, 60), C(30, 70, 60));
      s.CourtField = C(232, 244, 240);
      s.Gold = C(190, 196, 204);
      Dress(s, C(40, 110, 90), C(200, 200, 210), C(120, 40, 60), C(80, 60, 40), C(250, 250, 250),
            C(40, 60, 50));
      s.Pattern = Motif::Leaf;
      s.PatternColour = C(40, 110, 90);
      s.Hats = Headwear::Wreath;
      s.IndexText = kRussianIndex;
      s.IndexFamily = "Liberation Serif";
      s.Ace = AceLook::Ring;
      break;
    case 34:  // Princely
      French(s, C(170, 10, 40), C(20, 20, 50));
      s.CourtField = C(250, 236, 210);
      Dress(s, C(170, 10, 40), C(60, 20, 100), C(220, 170, 50), C(20, 80, 60), C(240, 210, 120),
            C(250, 250, 250));
      s.IndexText = kRussianIndex;
      s.Hats = Headwear::Kokoshnik;
      s.Frame = CourtFrame::Arch;
      s.Border = 3;
      s.BorderColour = C(200, 150, 50);
      s.Pips = PipLook::Shaded;
      s.IndexFamily = "DejaVu Serif";
      break;
    case 36:  // Satin
      French(s, C(190, 30, 80), C(40, 40, 90));
      s.Paper = C(250, 246, 255);
      s.CourtField = C(236, 228, 250);
      Dress(s, C(170, 120, 200), C(240, 190, 210), C(120, 150, 210), C(250, 240, 250),
            C(250, 250, 255), C(90, 60, 130));
      s.IndexText = kRussianIndex;
      s.Pips = PipLook::Shaded;
      s.Frame = CourtFrame::Rounded;
      s.IndexFamily = "DejaVu Sans";
      s.Pattern = Motif::Dot;
      s.PatternColour = C(170, 120, 200);
      break;
    case 37:  // Slavic
      French(s, C(200, 20, 20), C(30, 30, 30));
      s.Paper = C(255, 252, 240);
      s.CourtField = C(255, 244, 228);
      Dress(s, C(200, 20, 20), C(250, 250, 250), C(40, 90, 160), C(220, 160, 30), C(200, 20, 20),
            C(250, 250, 250));
      s.IndexText = kRussianIndex;
      s.Hats = Headwear::Kokoshnik;
      s.Pattern = Motif::Snow;
      s.PatternColour = C(200, 20, 20);
      s.Border = 3;
      s.BorderColour = C(200, 20, 20);
      s.IndexFamily = "Liberation Sans";
      break;
    case 38:  // Maya: stepped pyramids, jade and ochre
      French(s, C(190, 70, 30), C(20, 90, 80));
      s.Paper = C(248, 238, 214);
      s.CourtField = C(222, 200, 150);
      Dress(s, C(20, 120, 100), C(190, 70, 30), C(220, 170, 50), C(110, 50, 30), C(250, 230, 160),
            C(30, 30, 30));
      s.Hats = Headwear::Turban;
      s.Pattern = Motif::Step;
      s.PatternColour = C(20, 120, 100);
      s.Border = 3;
      s.BorderColour = C(20, 120, 100);
      s.Ace = AceLook::Rays;
      s.IndexFamily = "DejaVu Sans";
      break;
    case 39:  // Bast: woven bark colours
      French(s, C(170, 50, 30), C(70, 50, 30));
      s.Paper = C(240, 226, 190);
      s.CourtField = C(220, 196, 140);
      Dress(s, C(170, 50, 30), C(130, 100, 50), C(240, 230, 200), C(90, 110, 50), C(240, 230, 200),
            C(170, 50, 30));
      s.IndexText = kRussianIndex;
      s.Pattern = Motif::Weave;
      s.PatternColour = C(150, 110, 60);
      s.Frame = CourtFrame::Rect;
      s.Border = 2;
      s.BorderColour = C(150, 110, 60);
      s.Hats = Headwear::Hat;
      s.IndexFamily = "Comic Neue";
      break;
    case 41:  // Spanish 1
    case 42:
    case 43:
    case 44:
      s.Suits = SuitSystem::Spanish;
      s.IndexFamily = "Liberation Serif";
      s.IndexText = kSpanishIndex;
      if (design == 41) {
        s.SuitColours = {C(200, 30, 30), C(220, 160, 20), C(40, 110, 40), C(30, 80, 170)};
        s.CourtField = C(250, 240, 220);
        s.Frame = CourtFrame::Rect;
        s.Border = 1;
        s.BorderColour = C(200, 30, 30);
        Dress(s, C(200, 30, 30), C(30, 80, 170), C(220, 160, 20), C(40, 110, 40), C(220, 160, 20),
              C(200, 30, 30));
      } else if (design == 42) {
        s.SuitColours = {C(170, 20, 40), C(200, 140, 0), C(110, 70, 30), C(60, 60, 80)};
        s.IndexText = kSpanishNumbers;
        s.Pips = PipLook::Shaded;
        s.CourtField = C(246, 236, 212);
        s.Frame = CourtFrame::Arch;
        s.Hats = Headwear::Hat;
        Dress(s, C(110, 70, 30), C(170, 20, 40), C(60, 60, 80), C(200, 140, 0), C(240, 220, 160),
              C(60, 40, 20));
      } else if (design == 43) {
        s.SuitColours = {C(210, 60, 20), C(230, 180, 30), C(30, 130, 90), C(40, 60, 140)};
        s.Pips = PipLook::Outlined;
        s.Paper = C(255, 250, 236);
        s.CourtField = C(236, 246, 240);
        s.Frame = CourtFrame::Rounded;
        s.Border = 3;
        s.BorderColour = C(210, 60, 20);
        s.IndexFamily = "DejaVu Sans";
        Dress(s, C(30, 130, 90), C(210, 60, 20), C(40, 60, 140), C(230, 180, 30), C(250, 240, 210),
              C(30, 30, 30));
      } else {
        s.SuitColours = {C(180, 0, 0), C(200, 150, 20), C(0, 100, 0), C(0, 0, 150)};
        s.Pips = PipLook::Shadowed;
        s.CourtField = C(255, 236, 236);
        s.Frame = CourtFrame::Oval;
        s.Hats = Headwear::Helmet;
        s.IndexText = kSpanishNumbers;
        s.IndexFamily = "Liberation Sans";
        s.Ace = AceLook::Wreath;
        Dress(s, C(0, 0, 150), C(180, 0, 0), C(200, 150, 20), C(0, 100, 0), C(250, 250, 250),
              C(180, 0, 0));
      }
      break;
    case 45:  // Chinese
      French(s, C(210, 20, 20), C(20, 20, 20));
      s.Paper = C(255, 248, 232);
      s.CourtField = C(200, 24, 24);
      s.Gold = C(250, 200, 50);
      Dress(s, C(250, 200, 50), C(30, 30, 30), C(30, 110, 90), C(250, 240, 210), C(210, 20, 20),
            C(250, 200, 50));
      s.IndexFamily = "WenQuanYi Micro Hei";
      s.Hats = Headwear::Turban;
      s.Pattern = Motif::Wave;
      s.PatternColour = C(250, 200, 50);
      s.Frame = CourtFrame::Rounded;
      s.Border = 3;
      s.BorderColour = C(210, 20, 20);
      s.Ace = AceLook::Medallion;
      break;
    case 47:  // Czech: German suits
      s.Suits = SuitSystem::German;
      s.SuitColours = {C(210, 30, 30), C(230, 160, 20), C(130, 80, 30), C(40, 130, 40)};
      s.IndexText = kCzechIndex;
      s.CourtField = C(250, 246, 230);
      Dress(s, C(40, 130, 40), C(210, 30, 30), C(230, 160, 20), C(130, 80, 30), C(250, 240, 210),
            C(30, 30, 30));
      s.Hats = Headwear::Hat;
      s.Frame = CourtFrame::Open;
      s.IndexFamily = "DejaVu Sans";
      s.Pips = PipLook::Shaded;
      s.Ace = AceLook::Plain;
      break;
    default:
      break;
  }
  return s;
}

// The suit colours of the SVG designs, for their symbols.
FaceStyle SvgSymbolStyle(int design) {
  FaceStyle s = art::ClassicStyle();
  s.Pips = PipLook::Shaded;
  switch (design) {
    case 29:
      s.Suits = SuitSystem::German;
      s.SuitColours = {C(210, 30, 30), C(230, 160, 20), C(130, 80, 30), C(40, 130, 40)};
      break;
    case 2:
    case 3:
      French(s, C(190, 60, 30), C(30, 60, 110));
      break;
    case 24:
      French(s, C(220, 40, 40), C(20, 30, 70));
      break;
    default:
      French(s, C(206, 17, 38), C(22, 22, 26));
      break;
  }
  return s;
}

const std::array<const char*, 4> kSvgSuits = {"heart", "diamond", "club", "spade"};
const std::array<const char*, 9> kSvgRanks = {"6",    "7",     "8",    "9", "10",
                                              "jack", "queen", "king", "1"};

const SvgDeck* Deck(int design) {
  static std::mutex mutex;
  static std::map<int, std::unique_ptr<SvgDeck>> decks;
  std::lock_guard lock(mutex);
  auto it = decks.find(design);
  if (it == decks.end()) it = decks.emplace(design, SvgDeck::Open(SvgDeckFile(design))).first;
  return it->second.get();
}

// Corners outside the rounded card: a colour found on no card, for readers without alpha.
constexpr std::uint32_t kCornerKey = 0xFF00FF;

Picture Finish(const QImage& image, bool large) {
  Picture picture = PictureFromImage(image);
  if (!large) return FlattenOnto(picture, picture.Width, picture.Height, Rgb(255, 255, 255));
  for (auto& p : picture.Pixels)
    if (AlphaOf(p) == 0) p = kCornerKey;
  return picture;
}

}  // namespace

std::string SvgDeckFile(int design) {
  std::string path = DeckPath(design);
  return path.empty() ? "" : kDeckFolder + path;
}

art::FaceStyle DesignStyle(int design) {
  return SvgDeckFile(design).empty() ? Generated(design) : SvgSymbolStyle(design);
}

Picture RenderFace(int design, int cardIndex, bool large) {
  int rank = cardIndex / 4, suit = cardIndex % 4;
  int w = large ? (FullWidthFaces(design) ? kLargeFaceWidth : kNarrowFaceWidth) : kSmallFaceWidth;
  int h = large ? kLargeFaceHeight : kSmallFaceHeight;
  if (!SvgDeckFile(design).empty()) {
    const SvgDeck* deck = Deck(design);
    if (!deck) return {};
    QImage image = deck->Render(std::string(kSvgRanks[rank]) + "_" + kSvgSuits[suit], w, h);
    if (image.isNull()) return {};
    return Finish(image, large);
  }
  static std::map<int, FaceStyle> styles;
  static std::mutex mutex;
  FaceStyle style;
  {
    std::lock_guard lock(mutex);
    auto it = styles.find(design);
    if (it == styles.end()) it = styles.emplace(design, Generated(design)).first;
    style = it->second;
  }
  QImage image = art::NewImage(w, h);
  QPainter p(&image);
  art::SetupPainter(p);
  art::DrawFace(p, QRectF(0, 0, w, h), rank, suit, !large, style);
  p.end();
  return Finish(image, large);
}

QImage RenderSuitSymbol(int design, int suit, bool large) {
  int size = large ? 40 : kSmallSuitSize;
  FaceStyle style = DesignStyle(design);
  if (design == 26 && suit == 1 && !large) {
    // This design's small diamond sits on a plain tile; the loader clears the tile.
    QImage tile = art::NewImage(size, size, QColor(250, 244, 226));
    QPainter p(&tile);
    p.drawImage(0, 0, art::SuitSymbol(suit, size, style));
    return tile;
  }
  return art::SuitSymbol(suit, size, style);
}

}  // namespace tarnel::libraries
