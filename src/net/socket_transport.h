// The peer connection over TCP with Qt's sockets, event-driven on the thread that owns it (the
// UI thread). The window makes one per network game: Listen for the server's role, ConnectTo
// for the client's, then hands it to the PeerSession (transport.SetEvents(&session)).
//
// The server takes the first connection as its peer; further connections are accepted and never
// answered, and what they send is dropped. A peer connection that closes before the greeting
// made it the peer frees the place for the next one (see the PeerSession's Disconnected).
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

 private:
  void Adopt(QTcpSocket* socket);
  void OnNewConnection();

  QTcpServer* server_ = nullptr;
  QPointer<QTcpSocket> peer_;
  TransportEvents* events_ = nullptr;
  bool listening_ = false;
};

}  // namespace tarnel::net
