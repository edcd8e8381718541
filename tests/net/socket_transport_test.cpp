// The TCP transport in one process: two endpoints on loopback, driven by the event loop with
// every wait bounded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "net/peer_session.h"
#include "net/socket_transport.h"

namespace tarnel::net {
namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "socket_transport_test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

struct Log : TransportEvents {
  int Connects = 0, Disconnects = 0;
  std::string Bytes;
  std::vector<std::string> Failures;
  void Connected() override { ++Connects; }
  void DataRead(std::string_view bytes) override { Bytes.append(bytes); }
  void Disconnected() override { ++Disconnects; }
  void Failed(std::string_view reason) override { Failures.emplace_back(reason); }
};

constexpr int kWaitMs = 5000;

TEST(SocketTransport, CarriesBytesBothWaysAndReportsTheClose) {
  EnsureApp();
  SocketTransport server, client;
  Log s, c;
  server.SetEvents(&s);
  client.SetEvents(&c);
  ASSERT_TRUE(server.Listen(0));
  ASSERT_NE(server.ListeningPort(), 0);
  client.ConnectTo("127.0.0.1", server.ListeningPort());
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.Connects == 1 && c.Connects == 1; }, kWaitMs));
  client.Send("qel");
  client.Send("\xD2\xF7");
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.Bytes.size() == 5; }, kWaitMs));
  EXPECT_EQ(s.Bytes, "qel\xD2\xF7");
  server.Send("o");
  ASSERT_TRUE(QTest::qWaitFor([&] { return c.Bytes == "o"; }, kWaitMs));
  client.Close();
  EXPECT_FALSE(client.IsOpen());
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.Disconnects == 1; }, kWaitMs));
  EXPECT_EQ(c.Disconnects, 0);  // Close reports nothing to its own side
}

TEST(SocketTransport, AFurtherConnectionIsNeverAnsweredNorHeard) {
  EnsureApp();
  SocketTransport server, first, second;
  Log s, a, b;
  server.SetEvents(&s);
  first.SetEvents(&a);
  second.SetEvents(&b);
  ASSERT_TRUE(server.Listen(0));
  first.ConnectTo("127.0.0.1", server.ListeningPort());
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.Connects == 1; }, kWaitMs));
  second.ConnectTo("127.0.0.1", server.ListeningPort());
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Connects == 1; }, kWaitMs));
  second.Send("hhod\xD2\xF7");
  first.Send("o");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !s.Bytes.empty(); }, kWaitMs));
  server.Send("connect2");
  ASSERT_TRUE(QTest::qWaitFor([&] { return a.Bytes == "connect2"; }, kWaitMs));
  QTest::qWait(50);
  EXPECT_EQ(s.Bytes, "o");
  EXPECT_EQ(s.Connects, 1);
  EXPECT_TRUE(b.Bytes.empty());
}

TEST(SocketTransport, ARefusedConnectionFails) {
  EnsureApp();
  std::uint16_t port;
  {
    SocketTransport probe;
    ASSERT_TRUE(probe.Listen(0));
    port = probe.ListeningPort();
  }
  SocketTransport client;
  Log c;
  client.SetEvents(&c);
  client.ConnectTo("127.0.0.1", port);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !c.Failures.empty(); }, kWaitMs));
  EXPECT_FALSE(client.IsOpen());
  EXPECT_EQ(c.Connects, 0);
}

struct Quiet : PeerSessionEvents {
  std::vector<std::string> Greeted;
  void PeerGreeted(const std::string& name) override { Greeted.push_back(name); }
  void ChatLineShown(const ChatLine&, bool) override {}
  void FaceUpSwitched(bool) override {}
  void ConnectionLost(NetRole) override {}
  void ProtocolViolation(const std::string&) override {}
  void ChatDisabled() override {}
  void ConnectFailed(const std::string&) override {}
};

TEST(SocketTransport, AServerOutwaitsACallerThatNeverSpeaks) {
  EnsureApp();
  SocketTransport server;
  Quiet events;
  PeerSession session(NetRole::Server, server, events, "Anna");
  server.SetEvents(&session);
  session.Start();
  ASSERT_TRUE(server.Listen(0));
  {
    SocketTransport silent;
    Log log;
    silent.SetEvents(&log);
    silent.ConnectTo("127.0.0.1", server.ListeningPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Connects == 1; }, kWaitMs));
    QTest::qWait(50);
  }
  // Gone without a word: the place is free for the real client.
  SocketTransport client;
  Quiet clientEvents;
  PeerSession clientSession(NetRole::Client, client, clientEvents, "Boris");
  client.SetEvents(&clientSession);
  clientSession.Start();
  client.ConnectTo("127.0.0.1", server.ListeningPort());
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return events.Greeted.size() == 1 && clientEvents.Greeted.size() == 1; }, kWaitMs));
  EXPECT_EQ(events.Greeted[0], "Boris");
  EXPECT_EQ(clientEvents.Greeted[0], "Anna");
}

}  // namespace
}  // namespace tarnel::net
