// How a choice of face design, back set, background and colour turns into library and resource
// names, and the card size that follows from the window scale.
#pragma once

#include <string>

namespace tarnel {

inline constexpr const char* kCardsLibraryA = "QelCards06A.dll";
inline constexpr const char* kCardsLibraryB = "QelCards06B.dll";
inline constexpr const char* kCardsLibraryC = "QelCards06C.dll";
inline constexpr const char* kBackgroundLibrary = "QelBackG03.dll";
inline constexpr const char* kGraphicsLibrary = "QelCGraph1.dll";

// Every library the club server offers for download, in the order of the options' buttons.
inline constexpr const char* kDownloadableLibraries[9] = {
    "QelCards06A.dll", "QelCards06B.dll", "QelBackG03.dll",  "QelCalendar01.dll", "QelRadio.rad",
    "QelRadio02.dll",  "QelCVoice3.dll",  "QelCards06C.dll", "QelCGraph1.dll"};

inline constexpr int kDesignCount = 48;   // CardDesign 0..47
inline constexpr int kBackSetCount = 13;  // BackSet 0..12

// Card size classes: which stored pictures a window size draws from.
inline constexpr int kScaledPictures = 0;
inline constexpr int kSmallPictures = 1;
inline constexpr int kLargePictures = 2;

// Sizes of the stored pictures.
inline constexpr int kSmallFaceWidth = 69, kSmallFaceHeight = 94;
inline constexpr int kLargeFaceWidth = 146, kNarrowFaceWidth = 126, kLargeFaceHeight = 198;
inline constexpr int kSmallSuitSize = 20;

std::string DesignCode(int design);
// Code of the number cards (six to ten) and of the suit symbols' design family.
std::string NumberCode(int design);
std::string AceCode(int design);
// The suit symbols follow the number code, except for design 11.
std::string SuitSymbolCode(int design);
// "" for the built-in design 0.
std::string FaceLibrary(int design);
// Full-width faces are 71 base pixels wide, the others 61.
bool FullWidthFaces(int design);

// Face of card index 0..35 (six to ace, within a rank hearts, diamonds, clubs, spades).
std::string FaceName(int cardIndex, int design, int cardSizeClass);
// Suit 0..3 = hearts, diamonds, clubs, spades.
std::string SuitSymbolName(int suit, int design, bool large);

std::string BackSetCode(int backSet);
int BacksInSet(int backSet);
std::string DayCode(int back);  // back 1..10
std::string BackName(int back, int backSet, int cardSizeClass, bool fullWidthFaces, bool sideways);
// "" when the program's own backs serve.
std::string BackLibrary(int backSet, bool fullWidthFaces, int cardSizeClass);

std::string ColourCode(int backgroundColour);
// "FonG" for background 2 in colour 0; `smallWindow` drops the "B".
std::string BackgroundName(int backgroundIndex, int backgroundColour, bool smallWindow);
std::string BackgroundLibrary(int backgroundIndex, int backgroundColour);

struct CardSize {
  int CardWidth = 71;
  int CardHeight = 96;
  int CardSizeClass = kSmallPictures;
  bool operator==(const CardSize&) const = default;
};
// From the window scale k and the face width.
CardSize ComputeCardSize(double k, bool fullWidthFaces);

}  // namespace tarnel
