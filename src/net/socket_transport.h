// The peer connection over TCP with Qt's sockets, event-driven on the thread that owns it (the
// UI thread). The window makes one per network game: Listen for the server's role, ConnectTo
// for the client's, then hands it to the PeerSession (transport.SetEvents(&session)).
//
// The server takes the first connection as its peer; further connections are accepted and never
// answered, and what they send waits unread (at most kCallerBuffer bytes). A peer that leaves
// before its greeting frees the place: the session asks for the next caller (TakeNextCaller).
#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdint>
#include <string>

#include "net/peer_transport.h"

namespace tarnel::net {

class SocketTransport : public QObject, public PeerTransport {
  Q_OBJECT

 public:
  static constexpr qint64 kCallerBuffer = 4096;
  static constexpr qint64 kPeerBuffer = 64 * 1024;

  explicit SocketTransport(QObject* parent = nullptr);
  ~SocketTransport() override;

  // Server: listens on `port` of every IPv4 address (0: any free port). False, with a reason,
  // when the port cannot be had.
  bool Listen(std::uint16_t port, std::string* reason = nullptr);
  // The port it listens on (the chosen one when 0 was asked).
  std::uint16_t ListeningPort() const;
  // Client: starts connecting; Connected or Failed follows.
  void ConnectTo(const std::string& host, std::uint16_t port);

  void SetEvents(TransportEvents* events) override { events_ = events; }
  void Send(std::string_view bytes) override;
  void Close() override;
  bool IsOpen() const override;
  // Stops listening but keeps the peer connection.
  void StopListening();
  void TakeNextCaller() override;

 private:
  void Adopt(QTcpSocket* socket);
  void OnNewConnection();
  // The peer connection `socket` ended: Disconnected when it had come up, else Failed.
  void Lost(QTcpSocket* socket, const std::string& reason);

  QTcpServer* server_ = nullptr;
  QPointer<QTcpSocket> peer_;
  TransportEvents* events_ = nullptr;
  bool listening_ = false;
  bool peerUp_ = false;
};

}  // namespace tarnel::net
