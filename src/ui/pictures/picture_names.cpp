#include "ui/pictures/picture_names.h"

#include <array>

#include "platform/picture.h"

namespace tarnel {
namespace {

constexpr std::array<const char*, kDesignCount> kDesignCodes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

constexpr std::array<const char*, kBackSetCount> kBackSetCodes = {
    "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

constexpr std::array<const char*, 10> kDayCodes = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                                   "Ob05Fr", "Ob06Su", "Ob07Su", "Ob08XX",
                                                   "Ob09XX", "Ob10XX"};

constexpr std::array<const char*, 7> kColourCodes = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
constexpr std::array<const char*, 4> kSuitCodes = {"Ch", "Bu", "Kr", "Pi"};
constexpr std::array<const char*, 4> kSuitSymbols = {"Cher", "Bubi", "Kres", "Piki"};
constexpr std::array<const char*, 9> kRankCodes = {"06", "07", "08", "09", "10",
                                                   "2J", "3Q", "4K", "5A"};

bool ValidDesign(int design) {
  return design >= 0 && design < kDesignCount;
}

}  // namespace

std::string DesignCode(int design) {
  return ValidDesign(design) ? kDesignCodes[design] : "";
}

std::string NumberCode(int design) {
  switch (design) {
    case 6:
    case 7:
    case 10:
    case 13:
      return "Mod";
    case 19:
    case 20:
      return "Sea";
    case 25:
      return "Rhi";
    case 27:
      return "Big";
    default:
      return DesignCode(design);
  }
}

std::string AceCode(int design) {
  switch (design) {
    case 7:
    case 10:
    case 13:
      return "Mod";
    case 19:
    case 20:
      return "Sea";
    default:
      return DesignCode(design);  // 6 "Cor", 25 "Boy", 27 "USR" are their own codes
  }
}

std::string SuitSymbolCode(int design) {
  return design == 11 ? "Mod" : NumberCode(design);
}

std::string FaceLibrary(int design) {
  if (design >= 1 && design <= 31) return kCardsLibraryA;
  if (design >= 32 && design <= 39) return kCardsLibraryB;
  if (design >= 40 && design <= 47) return kCardsLibraryC;
  return "";
}

bool FullWidthFaces(int design) {
  return (design >= 0 && design <= 27) || design == 40 || design == 45;
}

std::string FaceName(int cardIndex, int design, int cardSizeClass) {
  if (cardIndex < 0 || cardIndex >= 36) return "";
  int rank = cardIndex / 4, suit = cardIndex % 4;
  std::string code = rank <= 4   ? NumberCode(design)
                     : rank == 8 ? AceCode(design)
                                 : DesignCode(design);
  return std::string(kSuitCodes[suit]) + kRankCodes[rank] + code +
         (cardSizeClass == kSmallPictures ? "" : "B");
}

std::string SuitSymbolName(int suit, int design, bool large) {
  if (suit < 0 || suit > 3) return "";
  return std::string(kSuitSymbols[suit]) + SuitSymbolCode(design) + (large ? "B" : "");
}

std::string BackSetCode(int backSet) {
  return backSet >= 0 && backSet < kBackSetCount ? kBackSetCodes[backSet] : "";
}

int BacksInSet(int backSet) {
  return backSet >= 8 && backSet <= 11 ? 10 : 7;
}

std::string DayCode(int back) {
  return back >= 1 && back <= 10 ? kDayCodes[back - 1] : "";
}

std::string BackName(int back, int backSet, int cardSizeClass, bool fullWidthFaces, bool sideways) {
  std::string suffix = cardSizeClass == kSmallPictures ? "" : fullWidthFaces ? "B" : "U";
  return DayCode(back) + (sideways ? "R" : "") + BackSetCode(backSet) + suffix;
}

std::string BackLibrary(int backSet, bool fullWidthFaces, int cardSizeClass) {
  if (backSet == 0 && (fullWidthFaces || cardSizeClass == kSmallPictures)) return "";
  return kCardsLibraryB;
}

std::string ColourCode(int backgroundColour) {
  return backgroundColour >= 0 && backgroundColour < 7 ? kColourCodes[backgroundColour] : "";
}

std::string BackgroundName(int backgroundIndex, int backgroundColour, bool smallWindow) {
  std::string suffix = smallWindow ? "" : "B";
  if (backgroundIndex == 2 && backgroundColour == 0) return "FonG" + suffix;
  std::string number = std::to_string(backgroundIndex);
  if (number.size() < 2) number = "0" + number;
  return "Fon" + number + ColourCode(backgroundColour) + suffix;
}

std::string BackgroundLibrary(int backgroundIndex, int backgroundColour) {
  return backgroundIndex == 2 && backgroundColour == 0 ? "" : kBackgroundLibrary;
}

CardSize ComputeCardSize(double k, bool fullWidthFaces) {
  if (k < 1.3) return {71, 96, kSmallPictures};
  if (k < 2)
    return {RoundHalfEven((fullWidthFaces ? 71 : 61) * k), RoundHalfEven(96 * k), kScaledPictures};
  return {fullWidthFaces ? 146 : 126, 198, kLargePictures};
}

}  // namespace tarnel
