// The verdict at the end of a cycle of 20 games: which class it is, what it says and shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/words/word_rows.h"

namespace tarnel {

enum class VerdictClass { Best, Good, Bad };
// Where the cycle was played: the title of the order and the club emblem follow from it.
enum class VerdictPlay { LocalNotLoggedIn, LocalLoggedIn, Network, Rated };

struct VerdictLine {
  int Row = rows::kNone;  // the word-table row
  std::string Suffix;    // appended after the row's text (the result)
  int Points = 20;       // font size
  std::uint32_t Colour = 0x000000;
  int SecondRow = rows::kNone;  // then a second row ("Place: ") and its own suffix
  std::string SecondSuffix;
};

struct Verdict {
  VerdictClass Class = VerdictClass::Bad;
  const char* Sound = "WFiBads";
  std::array<VerdictLine, 4> Lines;
  const char* Animation = "GEndBads";
  int StillFrame = 3;        // shown when animations are off (1-based)
  bool Loops = true;         // the bad verdict loops; the others play once and stop there
  int Medal = 0;             // place 1..10 shows the medal with its place picture
  const char* ClubEmblem = nullptr;
};

VerdictClass VerdictClassOf(int topTenPlace, VerdictPlay play);
Verdict MakeVerdict(int topTenPlace, long long cycleResult, VerdictPlay play);

}  // namespace tarnel
