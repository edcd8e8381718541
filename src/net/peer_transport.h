// The connection to the other machine, seen from the protocol: bytes out, and events for what
// the connection did. The window owns one transport per game (a SocketTransport), makes it listen
// (server) or connect (client), and hands it to a PeerSession, which it also registers as the
// transport's events; the session then sends through it and closes it when the game is over.
// Tests join two sessions with a TransportPair instead of sockets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::net {

class TransportEvents {
 public:
  virtual ~TransportEvents() = default;
  // The peer connection is up: the client has connected, or the server accepted its peer.
  virtual void Connected() = 0;
  // The bytes one read delivered, as they came.
  virtual void DataRead(std::string_view bytes) = 0;
  // The peer connection closed (never after Close on this side).
  virtual void Disconnected() = 0;
  // A connection attempt or the listening socket failed (refused, unreachable, port in use).
  virtual void Failed(std::string_view reason) = 0;
};

class PeerTransport {
 public:
  virtual ~PeerTransport() = default;
  // Where the events go; null silences them.
  virtual void SetEvents(TransportEvents* events) = 0;
  // One write of `bytes` to the peer connection; dropped when there is none.
  virtual void Send(std::string_view bytes) = 0;
  // Stops listening or connecting and closes the peer connection, without reporting
  // Disconnected. Closing a closed transport does nothing.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Server: the peer left before greeting; a further connection already waiting, if any,
  // becomes the peer (Connected, then what it has sent so far).
  virtual void TakeNextCaller() {}
};

// Two transports joined in this process: what one sends the other reads, one read per Send
// unless a test splits or joins them. Delivery waits for Pump, so a handler never runs inside
// the sender's call.
class TransportPair {
 public:
  class End : public PeerTransport {
   public:
    void SetEvents(TransportEvents* events) override { events_ = events; }
    void Send(std::string_view bytes) override;
    void Close() override;
    bool IsOpen() const override { return open_; }

   private:
    friend class TransportPair;
    TransportPair* pair_ = nullptr;
    End* other_ = nullptr;
    TransportEvents* events_ = nullptr;
    bool open_ = false;
    bool hangUp_ = false;            // closed: the other end is told at the next delivery
    std::string outbox_;             // bytes sent and not yet delivered
    std::vector<std::size_t> cuts_;  // where one write ended, in outbox_
  };

  TransportPair();
  End& Server() { return server_; }
  End& Client() { return client_; }

  // Opens both ends and reports Connected on each.
  void Connect();
  // Delivers what is waiting, one read per write; returns whether anything was delivered.
  bool Pump();
  // Delivers everything waiting from `from` as one read (joined writes).
  bool PumpJoined(End& from);
  // Delivers the waiting bytes from `from` in reads of at most `size` bytes (split writes).
  bool PumpSplit(End& from, std::size_t size);
  // The peer of `end` drops the connection: `end` is told Disconnected.
  void DropFrom(End& end);

 private:
  bool Deliver(End& from, std::size_t splitSize, bool joined);

  End server_;
  End client_;
};

}  // namespace tarnel::net
