#include "position_text.h"

#include <map>
#include <set>
#include <sstream>

#include "core/cp1251.h"
#include "core/round_shape.h"
#include "core/rules.h"

namespace tarnel::lab {
namespace {

struct Fail {
  std::string Field;
  std::string Message;
};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

CardCode ParseCard(const std::string& field, const std::string& word) {
  auto card = ParseCardUtf8(word);
  if (!card || *card == EmptyCard) throw Fail{field, "'" + word + "' is not a card"};
  return *card;
}

std::vector<CardCode> ParseCards(const std::string& field, const std::string& text) {
  std::vector<CardCode> cards;
  for (const auto& w : Words(text)) cards.push_back(ParseCard(field, w));
  return cards;
}

char ParseSuitChar(const std::string& field, const std::string& utf8) {
  std::string bytes = Utf8ToCp1251(utf8, '\x01');
  if (bytes.size() != 1 || !IsSuit(bytes[0])) throw Fail{field, "'" + utf8 + "' is not a suit"};
  return bytes[0];
}

int ParseInt(const std::string& field, const std::string& word, int lo, int hi) {
  try {
    std::size_t used = 0;
    int v = std::stoi(word, &used);
    if (used == word.size() && v >= lo && v <= hi) return v;
  } catch (...) {
  }
  throw Fail{field, "'" + word + "' is not a number from " + std::to_string(lo) + " to " +
                        std::to_string(hi)};
}

std::pair<int, int> ParsePair(const std::string& field, const std::string& text, int hi) {
  auto w = Words(text);
  if (w.size() != 2) throw Fail{field, "needs two numbers (seat 1, seat 2)"};
  return {ParseInt(field, w[0], 0, hi), ParseInt(field, w[1], 0, hi)};
}

void PutHand(TTableState& s, int seat, const std::vector<CardCode>& cards) {
  s.HandCard[seat].fill(EmptyCard);
  s.HandRank[seat].fill(EmptyRank);
  s.HandMark[seat].fill(EmptyMark);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    s.HandCard[seat][i + 1] = cards[i];
    s.HandRank[seat][i + 1] = RankValue(cards[i], s.TrumpSuit);
    s.HandMark[seat][i + 1] = 0;
  }
  s.CardCount[seat] = static_cast<std::uint8_t>(cards.size());
  SortHand(s, seat);
}

TTableState Build(const std::map<std::string, std::string>& fields) {
  static const std::set<std::string> kKnown = {"trump", "handsize", "nextstock", "tomove",
                                               "hand1", "hand2",    "led",       "seen",
                                               "oppvoid", "points", "taken"};
  for (const auto& [k, v] : fields)
    if (!kKnown.count(k)) throw Fail{k, "unknown field"};
  auto get = [&](const std::string& k, const std::string& fallback) {
    auto it = fields.find(k);
    return it == fields.end() ? fallback : it->second;
  };
  auto need = [&](const std::string& k) {
    auto it = fields.find(k);
    if (it == fields.end()) throw Fail{k, "missing"};
    return it->second;
  };

  TTableState s;
  s.TrumpSuit = ParseSuitChar("trump", need("trump"));
  s.HandSize = ParseInt("handsize", get("handsize", "6"), 6, 10);
  if (s.HandSize != 6 && s.HandSize != 10) throw Fail{"handsize", "must be 6 or 10"};
  RoundShape shape = RoundShape::Of(s.HandSize);
  // Between deals the stock stands at the first card after the deal or after a refill.
  auto stockAfterADeal = [&](int n) {
    if (!shape.Refills) return n == shape.FirstStockCard;
    return n >= shape.FirstStockCard && n <= kStockEmpty &&
           (n - shape.FirstStockCard) % (2 * shape.HandSize) == 0;
  };
  int nextStock = ParseInt("nextstock",
                           get("nextstock", std::to_string(shape.Refills ? kStockEmpty
                                                                         : shape.FirstStockCard)),
                           1, 37);
  if (!stockAfterADeal(nextStock))
    throw Fail{"nextstock", "cannot be " + std::to_string(nextStock) + " with this hand size"};
  s.NextStock = static_cast<std::uint8_t>(nextStock);
  std::string toMove = need("tomove");
  if (toMove != "co" && toMove != "me") throw Fail{"tomove", "must be co or me"};
  s.ToMove = toMove;
  s.TurnState = kTurnSeat1;
  s.RoundPhase = kPhasePlaying;

  std::set<int> used;
  auto claim = [&](const std::string& field, const std::vector<CardCode>& cards) {
    for (CardCode c : cards)
      if (!used.insert(NumberOfCard(c)).second)
        throw Fail{field, CardToUtf8(c) + " appears twice in the position"};
  };

  std::vector<CardCode> hand1 = ParseCards("hand1", need("hand1"));
  claim("hand1", hand1);
  std::string ledText = get("led", "##");
  bool answering = toMove == "me";
  CardCode led = EmptyCard;
  if (answering) {
    if (Words(ledText).size() != 1 || ledText == "##")
      throw Fail{"led", "seat 2 leads (tomove=me): give the card it led"};
    led = ParseCard("led", Words(ledText)[0]);
    claim("led", {led});
  } else if (Words(ledText) != std::vector<std::string>{"##"}) {
    throw Fail{"led", "must be ## when the computer leads (tomove=co)"};
  }
  std::vector<CardCode> seen = ParseCards("seen", get("seen", ""));
  claim("seen", seen);
  bool hasHand2 = fields.count("hand2") > 0;
  std::vector<CardCode> hand2 = ParseCards("hand2", get("hand2", ""));
  claim("hand2", hand2);

  int dealt = shape.Refills ? nextStock - 1 : shape.CardsInPlay();  // cards that left the stock
  bool endgame = s.HandSize == kEndgameShape.HandSize && nextStock == kStockEmpty;
  if (endgame && !hasHand2) {
    // Once the stock is empty seat 2 holds exactly what seat 1 neither holds nor has seen.
    for (int n = 1; n <= 36; ++n)
      if (!used.count(n)) hand2.push_back(*CardNumber(n));
    hasHand2 = true;
  }

  int n1 = static_cast<int>(hand1.size());
  if (n1 < 1 || n1 > s.HandSize)
    throw Fail{"hand1", "holds " + std::to_string(n1) + " cards; 1 to " +
                            std::to_string(s.HandSize) + " expected"};
  if (seen.size() % 2 != 0) throw Fail{"seen", "must hold whole tricks (an even count)"};
  if (hasHand2) {
    int n2 = static_cast<int>(hand2.size());
    int expected = answering ? n1 - 1 : n1;
    if (n2 != expected)
      throw Fail{"hand2", "holds " + std::to_string(n2) + " cards; " + std::to_string(expected) +
                              " expected beside hand1"};
    int inPlay = n1 + n2 + (answering ? 1 : 0) + static_cast<int>(seen.size());
    if (inPlay != dealt)
      throw Fail{"seen", std::to_string(inPlay) + " cards in hands, table and tricks, but " +
                             std::to_string(dealt) + " have left the stock"};
  }

  auto [points1, points2] = ParsePair("points", get("points", "0 0"), 30);
  auto [taken1, taken2] = ParsePair("taken", get("taken", "0 0"), 36);
  if (taken1 % 2 || taken2 % 2) throw Fail{"taken", "cards are taken two at a time"};
  if (taken1 + taken2 != static_cast<int>(seen.size()))
    throw Fail{"taken", "adds up to " + std::to_string(taken1 + taken2) + " but " +
                            std::to_string(seen.size()) + " cards were seen"};
  int seenPoints = 0;
  for (CardCode c : seen) seenPoints += CardPoints(c, s.TrumpSuit);
  if (points1 + points2 != seenPoints)
    throw Fail{"points", "adds up to " + std::to_string(points1 + points2) +
                             " but the seen cards carry " + std::to_string(seenPoints)};
  if (points1 > 0 && taken1 == 0) throw Fail{"points", "seat 1 has points but took no cards"};
  if (points2 > 0 && taken2 == 0) throw Fail{"points", "seat 2 has points but took no cards"};
  s.TrickPoints = {0, points1, points2};
  s.CardsTaken = {0, static_cast<std::uint8_t>(taken1), static_cast<std::uint8_t>(taken2)};

  PutHand(s, kSeatCo, hand1);
  PutHand(s, kSeatMe, hand2);
  if (answering) {
    s.TableCard[kSeatMe] = led;
    s.TableRank[kSeatMe] = RankValue(led, s.TrumpSuit);
    s.TableMark[kSeatMe] = 0;
    s.LedSuit = led.Suit;
  }
  for (std::size_t i = 0; i < seen.size(); ++i) s.SeenCard[i + 1] = seen[i];
  s.SeenCount = static_cast<std::uint8_t>(seen.size() + 1);
  for (const auto& w : Words(get("oppvoid", ""))) {
    // Suits may be written together ("бк") or apart.
    std::string bytes = Utf8ToCp1251(w, '\x01');
    for (char c : bytes) {
      if (!IsSuit(c)) throw Fail{"oppvoid", "'" + w + "' holds something that is not a suit"};
      s.SetOppVoid(c);
    }
  }
  return s;
}

}  // namespace

std::string PositionError::Text() const {
  return "line " + std::to_string(Line) + ": " + Field + ": " + Message;
}

ParsedPositions ParsePositions(const std::string& text) {
  ParsedPositions result;
  std::map<std::string, std::string> fields;
  int start = 0;
  int lineNo = 0;
  auto finish = [&]() -> bool {
    if (fields.empty()) return true;
    try {
      result.Positions.push_back({Build(fields), start});
    } catch (const Fail& f) {
      result.Error = PositionError{start, f.Field, f.Message};
      return false;
    }
    fields.clear();
    return true;
  };

  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t b = line.find_first_not_of(" \t");
    if (b == std::string::npos || line[b] == '#') continue;
    std::string trimmed = line.substr(b, line.find_last_not_of(" \t") - b + 1);
    if (trimmed == "---") {
      if (!finish()) return result;
      continue;
    }
    std::size_t eq = trimmed.find('=');
    if (eq == std::string::npos) {
      result.Error = PositionError{lineNo, trimmed.substr(0, 20), "expected name=value"};
      return result;
    }
    std::string key = trimmed.substr(0, eq);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    if (fields.empty()) start = lineNo;
    if (fields.count(key)) {
      result.Error = PositionError{lineNo, key, "given twice"};
      return result;
    }
    fields[key] = trimmed.substr(eq + 1);
  }
  finish();
  return result;
}

}  // namespace tarnel::lab
