// The peer session on both machines of a network game, joined in this process by a transport
// pair: the greeting, the round and its mirror, hand-overs, chat, key sequence, lost
// connections, and what damaged or cut-up streams do.
#include <gtest/gtest.h>

#include "core/computer_player.h"
#include "core/null_presenter.h"
#include "core/rules.h"
#include "net/peer_messages.h"
#include "net/peer_session.h"

namespace tarnel::net {
namespace {

struct Recorder : PeerSessionEvents {
  std::vector<std::string> Greeted;
  std::vector<std::pair<ChatLine, bool>> Chat;
  std::vector<bool> FaceUp;
  std::vector<NetRole> Lost;
  std::vector<std::string> Violations;
  int ChatOff = 0;
  std::vector<std::string> Failures;

  void PeerGreeted(const std::string& name) override { Greeted.push_back(name); }
  void ChatLineShown(const ChatLine& line, bool received) override {
    Chat.emplace_back(line, received);
  }
  void FaceUpSwitched(bool on) override { FaceUp.push_back(on); }
  void ConnectionLost(NetRole peer) override { Lost.push_back(peer); }
  void ProtocolViolation(const std::string& reason) override { Violations.push_back(reason); }
  void ChatDisabled() override { ++ChatOff; }
  void ConnectFailed(const std::string& reason) override { Failures.push_back(reason); }
};

// Records every write, for reading what a session sent.
struct Spy : PeerTransport {
  PeerTransport& Inner;
  std::vector<std::string> Sent;
  explicit Spy(PeerTransport& inner) : Inner(inner) {}
  void SetEvents(TransportEvents* events) override { Inner.SetEvents(events); }
  void Send(std::string_view bytes) override {
    Sent.emplace_back(bytes);
    Inner.Send(bytes);
  }
  void Close() override { Inner.Close(); }
  bool IsOpen() const override { return Inner.IsOpen(); }
  void TakeNextCaller() override { Inner.TakeNextCaller(); }
};

struct Machine {
  TTableState State;
  NullTablePresenter Presenter;
  SeededRandom Random;
  TurnDriver Driver{State, Presenter, Random};
  Recorder Events;
  Spy Wire;
  PeerSession Session;
  std::bitset<256> Seat1Voids;

  Machine(NetRole role, PeerTransport& end, std::string_view name, std::uint64_t seed)
      : Random(seed), Wire(end), Session(role, Wire, Events, name) {
    Presenter.KeepCalls = false;
    Wire.SetEvents(&Session);
    Session.Start();
  }

  void StartGame(int hand) {
    GameConfig config;
    config.HandSize = hand;
    Session.Attach(Driver, State);
    Driver.StartGame(Session, config, PlayerStanding{});
  }

  int UsersCard() {
    TTableState mirror = SeatsSwapped(State);
    mirror.OppVoid = Seat1Voids;
    MarkAccountedSuitsVoid(mirror);
    return mirror.Leader() == kSeatCo ? ComputerLead(mirror, Random) : ComputerAnswer(mirror);
  }

  // One thing the user would do now; false when there is nothing to do.
  bool Act() {
    if (!Driver.GameActive() || State.GameOver) return false;
    if (State.RoundPhase == kPhasePlaying && State.TurnState == kTurnSeat2) {
      EXPECT_EQ(Driver.HandClick(UsersCard(), false), HandClickResult::Played);
      return true;
    }
    if (!Presenter.Button7Enabled) return false;
    if (State.TurnState == kTurnTrickDone && State.Leader() == kSeatMe &&
        State.TableCard[kSeatCo].Suit != State.LedSuit)
      Seat1Voids.set(static_cast<unsigned char>(State.LedSuit));
    if (State.TurnState == kTurnNextRound) Seat1Voids.reset();
    Driver.Button7Click();
    return true;
  }
};

std::string DealtRound(std::uint64_t seed, int hand = 6) {
  TTableState s;
  SeededRandom random(seed);
  RoundSetup setup;
  setup.Kind = GameKind::NetworkServer;
  setup.HandSize = hand;
  DealRound(s, setup, random);
  return RoundMessage(s);
}

struct Game {
  TransportPair Pair;
  Machine Server{NetRole::Server, Pair.Server(), "Anna", 5};
  Machine Client{NetRole::Client, Pair.Client(), "Boris", 6};

  void Greet() {
    Pair.Connect();
    while (Pair.Pump()) {
    }
  }
  void Start(int hand = 6) {
    Greet();
    Client.StartGame(hand);
    Server.StartGame(hand);
    while (Pair.Pump()) {
    }
  }
};

TEST(PeerSession, GreetingSwapsNamesAndStepsTheLinkState) {
  Game g;
  g.Greet();
  ASSERT_EQ(g.Client.Wire.Sent.size(), 1u);
  EXPECT_EQ(g.Client.Wire.Sent[0], "qel3325connect1Boris               ");
  ASSERT_EQ(g.Server.Wire.Sent.size(), 1u);
  EXPECT_EQ(g.Server.Wire.Sent[0], "connect2Anna                ");
  EXPECT_EQ(g.Server.Events.Greeted, std::vector<std::string>{"Boris"});
  EXPECT_EQ(g.Client.Events.Greeted, std::vector<std::string>{"Anna"});
  EXPECT_EQ(g.Server.Session.State(), LinkState::Greeted);
  EXPECT_EQ(g.Client.Session.State(), LinkState::Greeted);
  g.Server.StartGame(6);
  EXPECT_EQ(g.Server.Session.State(), LinkState::RoundSent);
}

TEST(PeerSession, AGreetingOfAnotherGameOrProtocolGetsNoReply) {
  TransportPair pair;
  Machine server(NetRole::Server, pair.Server(), "Anna", 1);
  pair.Connect();
  for (const std::string& bad :
       {GreetingMessage("Boris", 34, 25), GreetingMessage("Boris", 33, 24),
        GreetingMessage("Boris", 3, 25), std::string("qel3325connect9Boris               ")}) {
    pair.Client().Send(bad);
    pair.Pump();
  }
  EXPECT_TRUE(server.Wire.Sent.empty());
  EXPECT_EQ(server.Session.State(), LinkState::Waiting);
  pair.Client().Send(GreetingMessage("Boris"));
  pair.Pump();
  EXPECT_EQ(server.Wire.Sent, std::vector<std::string>{GreetingReplyMessage("Anna")});
}

TEST(PeerSession, TheClientMirrorsTheServersRound) {
  for (int hand : {6, 10}) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
      Game g;
      g.Greet();
      g.Client.StartGame(hand);
      g.Server.StartGame(hand);
      const std::string& round = g.Server.Wire.Sent.back();
      ASSERT_EQ(round.size(), kRoundMessageLength);
      EXPECT_EQ(round.substr(146), hand == 6 ? "06" : "10");
      EXPECT_EQ(round[145], static_cast<char>('0' + g.Server.State.TurnState));
      while (g.Pair.Pump()) {
      }
      ASSERT_TRUE(g.Client.Driver.GameActive());
      EXPECT_EQ(g.Client.State.HandSize, hand);
      EXPECT_EQ(g.Client.State.TrumpSuit, g.Server.State.TrumpSuit);
      EXPECT_EQ(g.Client.State.DeckCard, g.Server.State.DeckCard);
      // The client's own hand is the server's seat 1: the first N cards of the deck.
      for (int p = 1; p <= hand; ++p) {
        EXPECT_EQ(g.Client.State.HandCard[kSeatMe][p], g.Server.State.HandCard[kSeatCo][p]);
        EXPECT_EQ(g.Client.State.HandCard[kSeatCo][p], g.Server.State.HandCard[kSeatMe][p]);
      }
      EXPECT_EQ(g.Client.State.TurnState,
                g.Server.State.TurnState == kTurnSeat1 ? kTurnSeat2 : kTurnSeat1);
    }
  }
  // "1": the server's seat 1, which is the client, moves first; "2": the server does.
  for (char digit : {'1', '2'}) {
    Game g;
    g.Greet();
    g.Client.StartGame(6);
    std::string round = DealtRound(3);
    round[145] = digit;
    g.Pair.Server().Send(round);
    g.Pair.Pump();
    ASSERT_TRUE(g.Client.Driver.GameActive());
    EXPECT_EQ(g.Client.State.TurnState, digit == '1' ? kTurnSeat2 : kTurnSeat1);
  }
}

// Whole games, with the stream delivered one write per read, all writes of a turn joined in
// one read, or cut into small reads: the framing keeps the two machines one game.
enum class Reads { One, Joined, Split1, Split5 };

void PlayWholeGame(Reads reads, int hand, std::uint64_t seed) {
  TransportPair pair;
  Machine server(NetRole::Server, pair.Server(), "Anna", seed);
  Machine client(NetRole::Client, pair.Client(), "Boris", seed + 1000);
  pair.Connect();
  while (pair.Pump()) {
  }
  client.StartGame(hand);
  server.StartGame(hand);
  auto deliver = [&]() -> bool {
    switch (reads) {
      case Reads::One:
        return pair.Pump();
      case Reads::Joined:
        return pair.PumpJoined(pair.Server()) | pair.PumpJoined(pair.Client());
      case Reads::Split1:
        return pair.PumpSplit(pair.Server(), 1) | pair.PumpSplit(pair.Client(), 1);
      case Reads::Split5:
        return pair.PumpSplit(pair.Server(), 5) | pair.PumpSplit(pair.Client(), 5);
    }
    return false;
  };
  for (int step = 0; step < 20000; ++step) {
    bool moved = deliver();
    // Joined: each machine acts as far as it can before anything is delivered.
    if (!moved) moved = server.Act() | client.Act();
    if (reads == Reads::Joined && moved) {
      while (server.Act() | client.Act()) {
      }
    }
    if (server.State.GameOver && client.State.GameOver) break;
    ASSERT_TRUE(moved) << "both machines wait for each other, seed " << seed;
  }
  ASSERT_TRUE(server.State.GameOver && client.State.GameOver) << "seed " << seed;
  EXPECT_EQ(server.State.GameTotal[kSeatCo], client.State.GameTotal[kSeatMe]);
  EXPECT_EQ(server.State.GameTotal[kSeatMe], client.State.GameTotal[kSeatCo]);
  EXPECT_EQ(server.State.RoundNo, client.State.RoundNo);
  EXPECT_TRUE(server.Events.Violations.empty() && client.Events.Violations.empty());
}

TEST(PeerSession, WholeGamesStayInStepWhateverTheReads) {
  for (Reads reads : {Reads::One, Reads::Joined, Reads::Split1, Reads::Split5}) {
    for (int hand : {6, 10}) {
      for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(testing::Message() << "reads " << static_cast<int>(reads) << " hand " << hand);
        PlayWholeGame(reads, hand, seed);
        if (HasFatalFailure()) return;
      }
    }
  }
}

TEST(MessageFramer, CutsJoinedReadsAndWaitsForSplitOnes) {
  std::string round = DealtRound(4);
  using Texts = std::vector<std::string>;
  struct Case {
    Texts reads;
    Texts messages;
  } cases[] = {
      {{"o", "hsitkon2"}, {"o", "hsitkon2"}},
      {{"ohhod\xD2\xF7o"}, {"o", "hhod\xD2\xF7", "o"}},
      {{"hh", "od\xD2", "\xF7"}, {"hhod\xD2\xF7"}},
      {{"hsit", "kon2hh", "od\xD2\xF7"}, {"hsitkon2", "hhod\xD2\xF7"}},
      {{round.substr(0, 100), round.substr(100) + "hsitkon2"}, {round, "hsitkon2"}},
      {{"o" + round + "o"}, {"o", round, "o"}},
      // A chat line ends with its read, even when another message looks to be in it.
      {{"ohello", "shi there o", "o"}, {"o", "shi there o", "o"}},
      {{"abortabort"}, {"abort", "abort"}},
      // Unknown bytes are dropped up to the end of their read.
      {{"xyzo", "o"}, {"o"}},
      {{"connect2Anna                o"}, {"connect2Anna                ", "o"}},
  };
  for (const Case& c : cases) {
    MessageFramer framer;
    Texts got;
    for (const std::string& read : c.reads)
      for (std::string& m : framer.Feed(read))
        got.push_back(std::move(m));
    EXPECT_EQ(got, c.messages) << c.reads.front();
    EXPECT_EQ(framer.Pending(), 0u);
  }
}

TEST(MessageFramer, ABrokenRoundIsHandedOnAtTheFirstByteThatCannotBelong) {
  std::string round = DealtRound(9);
  MessageFramer framer;
  // Cut short: it waits, and the next message shows it will not be finished.
  EXPECT_TRUE(framer.Feed(round.substr(0, 120)).empty());
  EXPECT_EQ(framer.Pending(), 120u);
  auto got = framer.Feed("o");
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0], round.substr(0, 120));
  EXPECT_EQ(got[1], "o");
  // Garbage in the card positions.
  got = framer.Feed("b\xD2\xF7zz");
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], "b\xD2\xF7");
}

TEST(MessageFramer, AFloodStaysBounded) {
  MessageFramer framer;
  std::string garbage(1 << 20, 'x');
  EXPECT_TRUE(framer.Feed(garbage).empty());
  EXPECT_EQ(framer.Dropped(), garbage.size());
  auto chat = framer.Feed("s" + std::string(1 << 20, 'y'));
  ASSERT_EQ(chat.size(), 1u);
  EXPECT_EQ(chat[0].size(), 1 + kChatKeep);
  // A stream of rounds never waits for more than one.
  std::string rounds;
  for (int i = 0; i < 1000; ++i)
    rounds += "b" + std::string(70, '\xD2');
  framer.Feed(rounds);
  EXPECT_LT(framer.Pending(), kRoundMessageLength);
}

TEST(PeerSession, GoAheadAfterTricksAndRounds) {
  struct Case {
    NetRole role;
    bool roundOver;
    const char* toMove;
    bool gameOver;
    bool sends;
  } cases[] = {
      // A trick: the side whose seat 1 leads next hands "OK" over.
      {NetRole::Server, false, "co", false, true},
      {NetRole::Server, false, "me", false, false},
      {NetRole::Client, false, "co", false, true},
      {NetRole::Client, false, "me", false, false},
      // The end of a round: the server only when the game is over, the client always, when
      // its own seat leads.
      {NetRole::Server, true, "me", true, true},
      {NetRole::Server, true, "me", false, false},
      {NetRole::Server, true, "co", true, false},
      {NetRole::Client, true, "me", false, true},
      {NetRole::Client, true, "me", true, true},
      {NetRole::Client, true, "co", false, false},
  };
  for (const Case& c : cases) {
    TransportPair pair;
    Machine m(c.role, c.role == NetRole::Server ? pair.Server() : pair.Client(), "A", 1);
    pair.Connect();
    m.Wire.Sent.clear();
    TTableState s;
    s.ToMove = c.toMove;
    if (c.roundOver) {
      s.TurnState = c.gameOver ? kTurnGameDone : kTurnNextRound;
      m.Session.RoundScored(s);
    } else {
      m.Session.TrickCollected(s, false);
    }
    EXPECT_EQ(m.Wire.Sent, c.sends ? std::vector<std::string>{"o"} : std::vector<std::string>{})
        << static_cast<int>(c.role) << c.roundOver << c.toMove << c.gameOver;
  }
}

TEST(PeerSession, ChatIsDrawnInTheLocalRolesColourOnBothSides) {
  Game g;
  g.Greet();
  EXPECT_FALSE(g.Server.Session.SendChat(""));
  EXPECT_TRUE(g.Server.Session.SendChat("hi"));
  EXPECT_TRUE(g.Client.Session.SendChat("hello"));
  while (g.Pair.Pump()) {
  }
  ASSERT_EQ(g.Server.Events.Chat.size(), 2u);
  ASSERT_EQ(g.Client.Events.Chat.size(), 2u);
  EXPECT_EQ(g.Server.Wire.Sent.back(), "shi");
  for (auto& [line, received] : g.Server.Events.Chat)
    EXPECT_EQ(line.Colour, 1) << line.Text;
  for (auto& [line, received] : g.Client.Events.Chat)
    EXPECT_EQ(line.Colour, 2) << line.Text;
  EXPECT_EQ(g.Server.Events.Chat[0].first.Text, "hi");
  EXPECT_FALSE(g.Server.Events.Chat[0].second);
  EXPECT_EQ(g.Server.Events.Chat[1].first.Text, "hello");
  EXPECT_TRUE(g.Server.Events.Chat[1].second);
  EXPECT_EQ(g.Client.Events.Chat[0].first.Text, "hello");
  EXPECT_EQ(g.Client.Events.Chat[1].first.Text, "hi");
}

TEST(ChatLine, IsCutAtMostTwelveCharactersFromItsEnd) {
  auto widerThan10 = [](std::string_view t) { return t.size() > 10; };
  EXPECT_EQ(ShortenChatLine("short", widerThan10), "short");
  EXPECT_EQ(ShortenChatLine("0123456789", widerThan10), "0123456789");
  EXPECT_EQ(ShortenChatLine("0123456789abc", widerThan10), "0123456789...");
  EXPECT_EQ(ShortenChatLine("0123456789abcdefghijklmnop", widerThan10), "0123456789abcd...");
  EXPECT_EQ(ShortenChatLine("", widerThan10), "");
}

TEST(ChatBox, KeepsTheFourNewestLines) {
  ChatBox box;
  for (int i = 1; i <= 6; ++i)
    box.Add(ChatLine{std::to_string(i), i % 2 + 1});
  ASSERT_EQ(box.Lines().size(), 4u);
  EXPECT_EQ(box.Lines().front().Text, "3");
  EXPECT_EQ(box.Lines().back().Text, "6");
  EXPECT_EQ(box.Lines().back().Colour, 1);
  box.Clear();
  EXPECT_TRUE(box.Lines().empty());
}

TEST(PeerSession, AbortAndUnknownTextsChangeNothing) {
  Game g;
  g.Start();
  TTableState server = g.Server.State;
  TTableState client = g.Client.State;
  std::size_t sentS = g.Server.Wire.Sent.size(), sentC = g.Client.Wire.Sent.size();
  for (std::string_view noise : {"abort", "x", "connect2", "zzzz", "qel3325connect1Eve"}) {
    g.Pair.Server().Send(noise);
    g.Pair.Client().Send(noise);
    while (g.Pair.Pump()) {
    }
  }
  EXPECT_EQ(g.Server.State.DeckCard, server.DeckCard);
  EXPECT_EQ(g.Server.State.TurnState, server.TurnState);
  EXPECT_EQ(g.Server.State.RoundPhase, server.RoundPhase);
  EXPECT_EQ(g.Client.State.RoundPhase, client.RoundPhase);
  EXPECT_EQ(g.Client.State.TurnState, client.TurnState);
  EXPECT_EQ(g.Server.Wire.Sent.size(), sentS);
  EXPECT_EQ(g.Client.Wire.Sent.size(), sentC);
  EXPECT_TRUE(g.Server.Events.Violations.empty() && g.Client.Events.Violations.empty());
  EXPECT_EQ(g.Server.Session.PeerName(), "Boris");
}

TEST(PeerSession, ALostConnectionDuringAGameInterruptsIt) {
  for (bool serverLoses : {true, false}) {
    Game g;
    g.Start();
    Machine& loser = serverLoses ? g.Server : g.Client;
    g.Pair.DropFrom(serverLoses ? g.Pair.Server() : g.Pair.Client());
    ASSERT_EQ(loser.Events.Lost.size(), 1u);
    EXPECT_EQ(loser.Events.Lost[0], serverLoses ? NetRole::Client : NetRole::Server);
    EXPECT_GT(loser.Events.ChatOff, 0);
    if (serverLoses) {
      // Listening stops at the next menu tick, not inside the socket's event.
      EXPECT_TRUE(g.Server.Session.StopPending());
      g.Server.Session.MenuTick();
      EXPECT_FALSE(g.Server.Session.StopPending());
    }
  }
}

TEST(PeerSession, ALostConnectionAfterTheGameOrBeforeTheGreetingIsNoInterruption) {
  TransportPair pair;
  Machine server(NetRole::Server, pair.Server(), "Anna", 1);
  pair.Connect();
  // A caller that never spoke and left: the server goes on waiting for the next one.
  pair.DropFrom(pair.Server());
  EXPECT_TRUE(server.Events.Lost.empty());
  EXPECT_EQ(server.Session.State(), LinkState::Waiting);
  pair.Connect();
  pair.Client().Send(GreetingMessage("Boris"));
  pair.Pump();
  EXPECT_EQ(server.Events.Greeted, std::vector<std::string>{"Boris"});

  // A client whose call is dropped before the reply counts it as a failed connection.
  TransportPair pair2;
  Machine client(NetRole::Client, pair2.Client(), "Boris", 1);
  pair2.Connect();
  pair2.DropFrom(pair2.Client());
  EXPECT_TRUE(client.Events.Lost.empty());
  EXPECT_EQ(client.Events.Failures.size(), 1u);

  Game g;
  g.Start();
  g.Server.State.GameTotal[kSeatMe] = 41;
  g.Pair.DropFrom(g.Pair.Server());
  EXPECT_TRUE(g.Server.Events.Lost.empty());
  EXPECT_FALSE(g.Server.Session.StopPending());
  EXPECT_GT(g.Server.Events.ChatOff, 0);
}

TEST(PeerSession, TheEndOfAGameClosesTheEndpoint) {
  Game g;
  g.Start();
  EXPECT_TRUE(g.Pair.Server().IsOpen());
  g.Server.Session.GameEnded();
  EXPECT_FALSE(g.Pair.Server().IsOpen());
  g.Pair.Pump();
  // The client sees the server go after its game was recorded there... but here the client's
  // game is still on the table, so it is an interruption for it.
  EXPECT_EQ(g.Client.Events.Lost, std::vector<NetRole>{NetRole::Server});
  g.Client.Session.Cancel();
  EXPECT_EQ(g.Client.Session.State(), LinkState::NotConnected);
}

TEST(PeerSession, ADamagedRoundOrAnUnheldCardEndsTheGame) {
  {
    Game g;
    g.Greet();
    g.Client.StartGame(6);
    g.Pair.Server().Send(std::string("b") + std::string(100, '1'));
    g.Pair.Pump();
    ASSERT_EQ(g.Client.Events.Violations.size(), 1u);
    EXPECT_FALSE(g.Pair.Client().IsOpen());
  }
  {
    // Cut short and nothing more: the client goes on waiting for its round; nothing breaks.
    Game g;
    g.Greet();
    g.Client.StartGame(6);
    g.Pair.Server().Send(DealtRound(2).substr(0, 100));
    g.Pair.Pump();
    EXPECT_TRUE(g.Client.Events.Violations.empty());
    EXPECT_FALSE(g.Client.Driver.GameActive());
    EXPECT_TRUE(g.Pair.Client().IsOpen());
  }
  {
    // A card the client holds itself cannot come from the server's hand.
    Game g;
    g.Start();
    g.Pair.Server().Send(MoveMessage(g.Client.State.HandCard[kSeatMe][1]));
    g.Pair.Pump();
    ASSERT_EQ(g.Client.Events.Violations.size(), 1u);
    EXPECT_FALSE(g.Pair.Client().IsOpen());
    // What comes after is not played.
    TTableState before = g.Client.State;
    g.Pair.Server().Send("o");
    g.Pair.Pump();
    EXPECT_EQ(g.Client.State.TurnState, before.TurnState);
  }
}

TEST(PeerSession, TheKeySequenceSwitchesTheFaceUpDisplay) {
  Game g;
  g.Start();
  auto type = [&](std::string_view keys) {
    for (char c : keys)
      g.Server.Session.ChatKey(c);
  };
  type("58294");
  EXPECT_EQ(g.Server.Events.FaceUp, std::vector<bool>{true});
  type("0058294");
  EXPECT_EQ(g.Server.Events.FaceUp, (std::vector<bool>{true, false}));
  type("5829x4");
  type("58294");  // the collector stopped being a number
  EXPECT_EQ(g.Server.Events.FaceUp.size(), 2u);
  g.Server.Session.ChatButtonFocus();
  type("158294");
  EXPECT_EQ(g.Server.Events.FaceUp.size(), 2u);
  g.Server.Session.ChatButtonFocus();
  type("582");
  g.Server.Session.ChatButtonFocus();
  type("94");
  EXPECT_EQ(g.Server.Events.FaceUp.size(), 2u);
  g.Server.Session.ChatButtonFocus();
  type("58294");
  EXPECT_TRUE(g.Server.Session.FaceUp());
  // The next game starts with it off.
  g.Server.Session.Attach(g.Server.Driver, g.Server.State);
  EXPECT_FALSE(g.Server.Session.FaceUp());
}

}  // namespace
}  // namespace tarnel::net
