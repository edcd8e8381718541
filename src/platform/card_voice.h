// Spoken card names: the voice library "QelCVoice3.dll" holds one WAV recording per card and
// language, named voice code + "Voice" + language code ("Pi5AVoiceEng": the ace of spades in
// English). The game table calls SpeakCard on a right click on a card:
//
//   CardVoice voice(ResourceLocator{programFolder}, *audioOutput);
//   voice.SpeakCard(card, settings.LanguageIndex);   // false: no library, no recording
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/cards.h"
#include "platform/audio_output.h"
#include "platform/resource_library.h"

namespace tarnel {

inline constexpr const char* kVoiceLibrary = "QelCVoice3.dll";

// "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor" for 0..9; "" outside.
std::string_view VoiceLanguageCode(int languageIndex);
// "Bu06", "Ch2J", "Kr4K", "Pi5A", ... for the 36 cards of the game; nullopt for anything else
// (the empty card, a damaged code).
std::optional<std::string> VoiceCode(CardCode card);
// The resource name of a card's recording in a language; nullopt when either has none.
std::optional<std::string> VoiceResourceName(CardCode card, int languageIndex);

class CardVoice {
 public:
  CardVoice(ResourceLocator locator, AudioOutput& output)
      : locator_(std::move(locator)), output_(output) {}
  // Says the card's name in the language: the library is looked for in the program folder, then
  // the folder above it, at each call (it may be downloaded while the program runs). False,
  // silently, when the library is missing or damaged or holds no recording for the card;
  // `wait`: returns only when the name has been said.
  bool SpeakCard(CardCode card, int languageIndex, bool wait = false);

 private:
  ResourceLocator locator_;
  AudioOutput& output_;
};

}  // namespace tarnel
