#include "net/peer_link.h"

#include "net/peer_messages.h"

namespace tarnel::net {

GameKind PeerLink::Kind() const {
  return role_ == NetRole::Server ? GameKind::NetworkServer : GameKind::NetworkClient;
}

void PeerLink::RoundDealt(const TTableState& state) {
  if (role_ == NetRole::Server) port_.Send(RoundMessage(state));
}

void PeerLink::RoundBegun(const TTableState&) {
  if (role_ == NetRole::Server) port_.Send(kRoundStart);
}

void PeerLink::LocalMove(const TTableState&, CardCode card) { port_.Send(MoveMessage(card)); }

void PeerLink::TrickCollected(const TTableState& state, bool) {
  // The loser of a trick presses first and hands "OK" over to the winner.
  if (state.Leader() == kSeatCo) port_.Send(kGoAhead);
}

void PeerLink::RoundScored(const TTableState& state) {
  // After the last trick: the winner of it, once its round is announced, lets the other side
  // press; the server only for "To sum up of game", since it alone deals the next round.
  if (state.Leader() != kSeatMe) return;
  if (role_ == NetRole::Client || state.TurnState == kTurnGameDone) port_.Send(kGoAhead);
}

void PeerLink::Receive(std::string_view text) {
  if (!driver_ || text.empty()) return;
  if (text.substr(0, kMovePrefix.size()) == kMovePrefix) {
    if (auto card = ReadMoveMessage(text)) driver_->ReceiveMove(*card);
    return;
  }
  if (role_ == NetRole::Client) {
    if (text == kRoundStart) {
      driver_->ReceiveRoundStart();
      return;
    }
    if (text[0] == kRoundTag) {
      if (auto round = ReadRoundMessage(text)) driver_->StartReceivedRound(*round);
      return;
    }
  }
  if (text[0] == kGoAhead[0]) driver_->ReceiveGoAhead();
}

}  // namespace tarnel::net
