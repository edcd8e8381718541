// Two machines of a network game in one process: a server and a client, each with its own
// state, driver and seat link, joined by a queue that stands for the connection. On each machine
// the computer player plays that machine's user; both must stay one game.
#include <gtest/gtest.h>

#include <deque>

#include "core/computer_player.h"
#include "core/null_presenter.h"
#include "core/rules.h"
#include "net/peer_link.h"
#include "net/simulated_user.h"

namespace tarnel::net {
namespace {

struct Wire : PeerPort {
  std::deque<std::string> Texts;
  void Send(std::string_view text) override { Texts.emplace_back(text); }
};

struct Machine {
  TTableState State;
  NullTablePresenter Presenter;
  SeededRandom Random;
  TurnDriver Driver{State, Presenter, Random};
  Wire Out;
  PeerLink Link;
  std::bitset<256> Seat1Voids;  // what this machine's user has seen seat 1 fail to follow

  Machine(NetRole role, std::uint64_t seed) : Random(seed), Link(role, Out) {
    Presenter.KeepCalls = false;
    Link.Attach(Driver);
  }

  bool Act() { return test::ActAsUser(*this); }
};

// Delivers one queued text, as one read event would.
bool Deliver(Machine& from, Machine& to) {
  if (from.Out.Texts.empty()) return false;
  std::string text = std::move(from.Out.Texts.front());
  from.Out.Texts.pop_front();
  to.Link.Receive(text);
  return true;
}

// Both machines have finished the same trick and nothing is on either table.
bool BetweenTricks(const TTableState& a, const TTableState& b) {
  return a.SeenCount == b.SeenCount && a.RoundNo == b.RoundNo &&
         a.TableCard[kSeatCo] == EmptyCard && a.TableCard[kSeatMe] == EmptyCard &&
         b.TableCard[kSeatCo] == EmptyCard && b.TableCard[kSeatMe] == EmptyCard &&
         a.RoundPhase == kPhasePlaying && b.RoundPhase == kPhasePlaying;
}

void PlayGame(int hand, std::uint64_t seed) {
  Machine server(NetRole::Server, seed);
  Machine client(NetRole::Client, seed + 1000);
  GameConfig config;
  config.HandSize = hand;
  PlayerStanding standing;
  standing.GameNo = static_cast<int>(seed % 7) + 1;
  client.Driver.StartGame(client.Link, config, standing);
  ASSERT_TRUE(client.Presenter.AwaitingDeal);
  server.Driver.StartGame(server.Link, config, standing);

  int checks = 0;
  for (int step = 0; step < 20000; ++step) {
    bool moved = Deliver(server, client) || Deliver(client, server);
    if (!moved) moved = server.Act() || client.Act();
    ASSERT_EQ(CheckCardPlaces(server.State), "") << "seed " << seed;
    if (client.Driver.GameActive()) {
      ASSERT_EQ(CheckCardPlaces(client.State), "") << "seed " << seed;
    }
    if (BetweenTricks(server.State, client.State)) {
      ++checks;
      for (int p = 1; p <= kMaxHandPos; ++p) {
        ASSERT_EQ(server.State.HandCard[kSeatCo][p], client.State.HandCard[kSeatMe][p])
            << "seed " << seed << " pos " << p;
        ASSERT_EQ(server.State.HandCard[kSeatMe][p], client.State.HandCard[kSeatCo][p])
            << "seed " << seed << " pos " << p;
      }
      ASSERT_EQ(server.State.TrickPoints[kSeatCo], client.State.TrickPoints[kSeatMe]);
      ASSERT_EQ(server.State.CardsTaken[kSeatMe], client.State.CardsTaken[kSeatCo]);
      ASSERT_EQ(server.State.NextStock, client.State.NextStock);
    }
    if (server.State.GameOver && client.State.GameOver) break;
    if (!moved) FAIL() << "both machines wait for each other, seed " << seed;
  }
  ASSERT_TRUE(server.State.GameOver && client.State.GameOver) << "seed " << seed;
  EXPECT_GT(checks, 0);
  EXPECT_EQ(server.State.RoundNo, client.State.RoundNo);
  EXPECT_EQ(server.State.GameTotal[kSeatCo], client.State.GameTotal[kSeatMe]);
  EXPECT_EQ(server.State.GameTotal[kSeatMe], client.State.GameTotal[kSeatCo]);
  EXPECT_EQ(server.State.GameScore, -client.State.GameScore);
  EXPECT_TRUE(server.Presenter.Button8Enabled && client.Presenter.Button8Enabled);
}

TEST(TwoMachines, WholeGamesStayInStep) {
  for (int hand : {6, 10}) {
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
      PlayGame(hand, seed);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(TwoMachines, TheClientTakesNoRoundFromItsOwnServerRoleAndIgnoresNoise) {
  Machine client(NetRole::Client, 1);
  client.Driver.StartGame(client.Link, GameConfig{}, PlayerStanding{});
  for (std::string_view noise : {"", "abort", "hhod", "x", "b123", "hsitkon"})
    client.Link.Receive(noise);
  EXPECT_FALSE(client.Driver.GameActive());
  EXPECT_TRUE(client.Out.Texts.empty());

  // A server takes no round message: it deals itself.
  Machine server(NetRole::Server, 2);
  server.Driver.StartGame(server.Link, GameConfig{}, PlayerStanding{});
  ASSERT_EQ(server.Out.Texts.size(), 1u);
  std::string round = server.Out.Texts.front();
  TTableState before = server.State;
  server.Link.Receive(round);
  server.Link.Receive("hsitkon2");
  EXPECT_EQ(server.State.DeckCard, before.DeckCard);
  EXPECT_EQ(server.State.RoundPhase, kPhaseDealt);
}

}  // namespace
}  // namespace tarnel::net
