// Card names as players say them. Japanese is written in kana (espeak-ng reads kanji as
// "Chinese letter"); Chinese uses the pinyin voice, whose hanzi reading is right, where the
// plain Mandarin voice reads its own tone digits as English numbers. Czech adjectives agree
// with the rank's gender ("srdcová dáma", "srdcový král", "srdcové eso").
#include "voice_texts.h"

#include <array>

namespace tarnel::voices {
namespace {

constexpr int kRanks = 13;  // two .. ace
// Voice codes of the ranks, two to ace.
constexpr std::array<const char*, kRanks> kRankCodes = {"02", "03", "04", "05", "06", "07", "08",
                                                        "09", "10", "2J", "3Q", "4K", "5A"};
constexpr std::array<const char*, 4> kSuitCodes = {"Ch", "Bu", "Kr", "Pi"};  // ♥ ♦ ♣ ♠
constexpr std::array<const char*, 3> kJokerCodes = {"XJBl", "XJRd", "XJBk"};

struct Language {
  const char* Code;
  const char* Voice;
  std::array<const char*, kRanks> Ranks;
  std::array<const char*, 4> Suits;
  // "{r}" and "{s}" stand for the rank's and the suit's word.
  const char* Pattern;
  const char* Joker;
};

const Language kLanguages[] = {
    {"Eng",
     "en",
     {"two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen",
      "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"},
     "{r} of {s}",
     "joker"},
    {"Rus",
     "ru",
     {"двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка", "восьмёрка", "девятка",
      "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубен", "треф", "пик"},
     "{r} {s}",
     "джокер"},
    {"Deu",
     "de",
     {"Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame",
      "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"},
     "{s} {r}",
     "Joker"},
    {"Fra",
     "fr",
     {"deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "valet", "dame",
      "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"},
     "{r} de {s}",
     "joker"},
    {"Spa",
     "es",
     {"dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "jota", "reina",
      "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"},
     "{r} de {s}",
     "comodín"},
    {"Chi",
     "cmn-latn-pinyin",
     {"二", "三", "四", "五", "六", "七", "八", "九", "十", "钩", "圈", "凯", "尖"},
     {"红桃", "方块", "梅花", "黑桃"},
     "{s}{r}",
     "鬼牌"},
    {"Ita",
     "it",
     {"due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "fante", "donna",
      "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"},
     "{r} di {s}",
     "jolly"},
    // Czech: the suit is an adjective; "{s}" gets its ending from the rank below.
    {"Cze",
     "cs",
     {"dvojka", "trojka", "čtyřka", "pětka", "šestka", "sedmička", "osmička", "devítka", "desítka",
      "kluk", "dáma", "král", "eso"},
     {"srdcov", "károv", "křížov", "pikov"},
     "{s} {r}",
     "žolík"},
    {"Jap",
     "ja",
     {"に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう", "じゅう", "ジャック",
      "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     "{s}の {r}",
     "ジョーカー"},
    {"Kor",
     "ko",
     {"이", "삼", "사", "오", "육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"},
     "{s} {r}",
     "조커"},
};

// Czech endings by the rank's gender: jack and king masculine, ace neuter, the rest feminine.
const char* CzechEnding(int rank) {
  if (rank == 9 || rank == 11) return "ý";
  if (rank == 12) return "é";
  return "á";
}

std::string Fill(const Language& language, int rank, int suit) {
  std::string suitWord = language.Suits[static_cast<std::size_t>(suit)];
  if (std::string(language.Code) == "Cze") suitWord += CzechEnding(rank);
  std::string out = language.Pattern;
  out.replace(out.find("{s}"), 3, suitWord);
  out.replace(out.find("{r}"), 3, language.Ranks[static_cast<std::size_t>(rank)]);
  return out;
}

}  // namespace

std::vector<Utterance> AllUtterances() {
  std::vector<Utterance> out;
  for (const Language& language : kLanguages) {
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 0; rank < kRanks; ++rank)
        out.push_back({std::string(kSuitCodes[static_cast<std::size_t>(suit)]) +
                           kRankCodes[static_cast<std::size_t>(rank)] + "Voice" + language.Code,
                       language.Voice, Fill(language, rank, suit)});
    for (const char* joker : kJokerCodes)
      out.push_back({std::string(joker) + "Voice" + language.Code, language.Voice, language.Joker});
  }
  return out;
}

}  // namespace tarnel::voices
