#include "platform/card_voice.h"

#include <array>

namespace tarnel {

std::string_view VoiceLanguageCode(int languageIndex) {
  static constexpr std::array<std::string_view, 10> kCodes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                              "Chi", "Ita", "Cze", "Jap", "Kor"};
  if (languageIndex < 0 || languageIndex >= static_cast<int>(kCodes.size())) return {};
  return kCodes[static_cast<std::size_t>(languageIndex)];
}

std::optional<std::string> VoiceCode(CardCode card) {
  std::string code;
  switch (card.Suit) {
    case cp::kHearts:
      code = "Ch";
      break;
    case cp::kDiamonds:
      code = "Bu";
      break;
    case cp::kClubs:
      code = "Kr";
      break;
    case cp::kSpades:
      code = "Pi";
      break;
    default:
      return std::nullopt;
  }
  switch (card.Rank) {
    case '6':
      return code + "06";
    case '7':
      return code + "07";
    case '8':
      return code + "08";
    case '9':
      return code + "09";
    case '1':
      return code + "10";
    case cp::kJack:
      return code + "2J";
    case cp::kQueen:
      return code + "3Q";
    case cp::kKing:
      return code + "4K";
    case cp::kAce:
      return code + "5A";
    default:
      return std::nullopt;
  }
}

std::optional<std::string> VoiceResourceName(CardCode card, int languageIndex) {
  auto code = VoiceCode(card);
  const std::string_view language = VoiceLanguageCode(languageIndex);
  if (!code || language.empty()) return std::nullopt;
  return *code + "Voice" + std::string(language);
}

bool CardVoice::SpeakCard(CardCode card, int languageIndex, bool wait) {
  const auto name = VoiceResourceName(card, languageIndex);
  if (!name) return false;
  const auto library = locator_.OpenLibrary(kVoiceLibrary);
  if (!library) return false;
  const auto recording = library->Read(*name, ResourceKind::Wave);
  if (!recording || recording->empty()) return false;
  output_.PlayWave(*recording, wait);
  return true;
}

}  // namespace tarnel
