#include <gtest/gtest.h>

#include "core/dealing.h"
#include "net/peer_messages.h"

namespace tarnel::net {
namespace {

TTableState DealtServer(int hand, std::uint64_t seed) {
  SeededRandom random(seed);
  TTableState s;
  RoundSetup setup;
  setup.Kind = GameKind::NetworkServer;
  setup.HandSize = hand;
  DealRound(s, setup, random);
  return s;
}

TEST(RoundMessage, LayoutAndRoundTrip) {
  for (int hand : {6, 10}) {
    TTableState s = DealtServer(hand, hand);
    std::string text = RoundMessage(s);
    ASSERT_EQ(text.size(), kRoundMessageLength);
    EXPECT_EQ(text[0], 'b');
    EXPECT_EQ(text.substr(1, 2), s.DeckCard[1].Bytes());
    EXPECT_EQ(text.substr(71, 2), s.DeckCard[36].Bytes());
    EXPECT_EQ(text[73], static_cast<char>('0' + s.DeckRank[1]));
    EXPECT_EQ(text.substr(109, 36), std::string(36, '0'));
    EXPECT_EQ(text[145], static_cast<char>('0' + s.TurnState));
    EXPECT_EQ(text.substr(146), hand == 6 ? "06" : "10");

    auto round = ReadRoundMessage(text);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->DeckCard, s.DeckCard);
    EXPECT_EQ(round->HandSize, hand);
    EXPECT_EQ(round->SenderTurnState, s.TurnState);
    for (int i = 1; i <= 36; ++i) EXPECT_EQ(round->DeckRank[i], s.DeckRank[i]);
  }
}

TEST(RoundMessage, DamagedTextsAreNoRound) {
  std::string good = RoundMessage(DealtServer(6, 3));
  struct Case {
    std::size_t at;
    char byte;
  } cases[] = {{0, 'x'}, {80, 'x'}, {120, ':'}, {146, '1'}, {147, '7'}};
  for (auto c : cases) {
    std::string bad = good;
    bad[c.at] = c.byte;
    EXPECT_FALSE(ReadRoundMessage(bad)) << c.at;
  }
  EXPECT_FALSE(ReadRoundMessage(good.substr(0, 147)));
  EXPECT_FALSE(ReadRoundMessage(""));
  // Any first-mover digit but "1" means the sender moves first.
  std::string other = good;
  other[145] = '9';
  EXPECT_EQ(ReadRoundMessage(other)->SenderTurnState, kTurnSeat2);
}

TEST(MoveMessage, CarriesTheCardBytes) {
  CardCode ace{cp::kAce, cp::kHearts};
  EXPECT_EQ(MoveMessage(ace), std::string("hhod\xD2\xF7"));
  EXPECT_EQ(ReadMoveMessage(MoveMessage(ace)), ace);
  for (std::string_view bad : {"hhod", "hhod\xD2", "hhod##", "hhox\xD2\xF7", "hhodXY"})
    EXPECT_FALSE(ReadMoveMessage(bad)) << bad;
}

}  // namespace
}  // namespace tarnel::net
