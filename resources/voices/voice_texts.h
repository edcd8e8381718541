// What the voice library says: for every voice code of the library (the 36 cards of this game,
// the twos to fives the other games use, three jokers) and every language, the text espeak-ng
// speaks and the espeak-ng voice that speaks it.
#pragma once

#include <string>
#include <vector>

namespace tarnel::voices {

struct Utterance {
  std::string Resource;  // "Pi5AVoiceEng"
  std::string Voice;     // espeak-ng voice name
  std::string Text;      // UTF-8
};

std::vector<Utterance> AllUtterances();

}  // namespace tarnel::voices
