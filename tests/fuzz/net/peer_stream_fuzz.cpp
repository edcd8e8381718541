// Whatever bytes the other machine sends, in whatever reads, the session of a game in progress
// on either side neither crashes nor reads out of bounds, and the framer never holds more
// than one round message. The first byte picks the side and the size of the reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/null_presenter.h"
#include "net/peer_messages.h"
#include "net/peer_session.h"

namespace {

using namespace tarnel;
using namespace tarnel::net;

struct Silent : PeerSessionEvents {
  void PeerGreeted(const std::string&) override {}
  void ChatLineShown(const ChatLine&, bool) override {}
  void FaceUpSwitched(bool) override {}
  void ConnectionLost(NetRole) override {}
  void ProtocolViolation(const std::string&) override {}
  void ChatDisabled() override {}
  void ConnectFailed(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  NetRole role = data[0] & 1 ? NetRole::Client : NetRole::Server;
  std::size_t piece = (data[0] >> 1) + 1;
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  TransportPair pair;
  Silent events;
  TTableState state;
  NullTablePresenter presenter;
  presenter.KeepCalls = false;
  SeededRandom random(1);
  TurnDriver driver(state, presenter, random);
  PeerSession session(role, role == NetRole::Server ? pair.Server() : pair.Client(), events,
                      "Fuzz");
  session.Start();
  pair.Connect();
  // Greeted and, on the server, the first round dealt: a game on the table.
  session.DataRead(role == NetRole::Server ? GreetingMessage("Peer")
                                           : GreetingReplyMessage("Peer"));
  session.Attach(driver, state);
  driver.StartGame(session, GameConfig{}, PlayerStanding{});
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    session.DataRead(bytes.substr(at, piece));
  }
  session.Disconnected();
  return 0;
}
