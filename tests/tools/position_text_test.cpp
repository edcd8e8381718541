#include <gtest/gtest.h>

#include "core/computer_player.h"
#include "position_text.h"

namespace tarnel::lab {
namespace {

// Seat 1 answers in the last trick but one: everything else has been collected.
const char* kEndgame =
    "# comment\n"
    "trump=п\n"
    "nextstock=37\n"
    "tomove=me\n"
    "hand1=Вп 7ч\n"
    "led=8ч\n"
    "hand2=Тп\n"
    "seen=6ч 9ч 1ч Вч Дч Кч Тч 6б 7б 8б 9б 1б Вб Дб Кб Тб 6к 7к 8к 9к 1к Вк Дк Кк Тк 6п 7п 8п "
    "9п 1п Дп Кп\n"
    "points=10 5\n"
    "taken=16 16\n";

TEST(PositionText, ReadsPositionsAndDerivesTheEndgameHand) {
  std::string two = std::string(kEndgame) + "---\ntrump=ч\nnextstock=13\ntomove=co\nhand1=7к Тк 8б\n";
  ParsedPositions p = ParsePositions(two);
  ASSERT_FALSE(p.Error) << p.Error->Text();
  ASSERT_EQ(p.Positions.size(), 2u);
  const TTableState& s = p.Positions[0].State;
  EXPECT_EQ(CardToUtf8(s.HandCard[kSeatCo][1]), "7ч");  // sorted: trumps last
  EXPECT_EQ(s.CardCount[kSeatMe], 1);
  EXPECT_EQ(s.LedSuit, ParseCardUtf8("8ч")->Suit);
  // It must follow hearts with the seven.
  EXPECT_EQ(ComputerAnswer(s), 1);
  // hand2 may be left out once the stock is empty: it is what nobody else holds.
  std::string derived = kEndgame;
  const std::string hand2Line = "hand2=Тп\n";
  derived.erase(derived.find(hand2Line), hand2Line.size());
  ParsedPositions d = ParsePositions(derived);
  ASSERT_FALSE(d.Error) << d.Error->Text() << "\n" << derived;
  EXPECT_EQ(d.Positions[0].State.HandCard[kSeatMe], s.HandCard[kSeatMe]);
}

TEST(PositionText, RejectsMalformedPositionsNamingTheField) {
  struct Case {
    std::string from, to, field;
  } cases[] = {
      {"hand1=Вп 7ч", "hand1=Вп 7x", "hand1"},          // unknown card
      {"hand1=Вп 7ч", "hand1=Вп 6ч", "seen"},           // duplicate: 6ч is also seen
      {"hand1=Вп 7ч", "hand1=Вп", "hand2"},             // wrong size beside hand2
      {"taken=16 16", "taken=16 14", "taken"},          // does not match the seen cards
      {"points=10 5", "points=10 6", "points"},         // more points than the seen cards hold
      {"trump=п", "trump=x", "trump"},
      {"tomove=me", "tomove=xx", "tomove"},
      {"nextstock=37", "nextstock=14", "nextstock"},
      {"led=8ч", "led=##", "led"},
      {"points=10 5", "points=ten 5", "points"},
      {"taken=16 16", "taken=16 16\nbogus=1", "bogus"},
  };
  for (const auto& c : cases) {
    std::string text = kEndgame;
    text.replace(text.find(c.from), c.from.size(), c.to);
    ParsedPositions p = ParsePositions(text);
    ASSERT_TRUE(p.Error) << c.to;
    EXPECT_EQ(p.Error->Field, c.field) << c.to << ": " << p.Error->Text();
  }
  EXPECT_TRUE(ParsePositions("no equals sign here\n").Error);
  EXPECT_TRUE(ParsePositions(std::string("trump=") + "\xff\xfe\n").Error);
}

}  // namespace
}  // namespace tarnel::lab
