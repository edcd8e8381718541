// Seat 1 played by a person on another machine of a two-player network game: the turn driver's
// hooks become the texts of the peer protocol, and texts that arrive become calls into the
// driver. One machine is the server, which deals every round; the other is the client.
#pragma once

#include <string_view>

#include "core/seat_link.h"
#include "core/turn_driver.h"

namespace tarnel::net {

// Where this machine's texts go: the connection to the other machine.
class PeerPort {
 public:
  virtual ~PeerPort() = default;
  virtual void Send(std::string_view text) = 0;
};

enum class NetRole { Server = 1, Client = 2 };

class PeerLink : public SeatLink {
 public:
  PeerLink(NetRole role, PeerPort& port) : role_(role), port_(port) {}

  // The driver that plays this machine's game; texts that arrive before it is attached are
  // ignored.
  void Attach(TurnDriver& driver) { driver_ = &driver; }

  // One text from the other machine, as one read delivered it. Texts this role does not take
  // are ignored, as are damaged ones.
  void Receive(std::string_view text);

  GameKind Kind() const override;
  int Seat1MoveOnTick(const TTableState&) override { return 0; }
  void RoundDealt(const TTableState& state) override;
  void RoundBegun(const TTableState& state) override;
  void LocalMove(const TTableState& state, CardCode card) override;
  void TrickCollected(const TTableState& state, bool roundOver) override;
  void RoundScored(const TTableState& state) override;
  void GameSummedUp(const TTableState&) override {}
  void NextRoundRequested(const TTableState&) override {}

 private:
  NetRole role_;
  PeerPort& port_;
  TurnDriver* driver_ = nullptr;
};

}  // namespace tarnel::net
