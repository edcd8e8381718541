#include "net/socket_transport.h"

#include <QHostAddress>

namespace tarnel::net {

SocketTransport::SocketTransport(QObject* parent) : QObject(parent) {}

SocketTransport::~SocketTransport() {
  events_ = nullptr;
  Close();
}

bool SocketTransport::Listen(std::uint16_t port, std::string* reason) {
  Close();
  server_ = new QTcpServer(this);
  connect(server_, &QTcpServer::newConnection, this, &SocketTransport::OnNewConnection);
  if (!server_->listen(QHostAddress::AnyIPv4, port)) {
    if (reason) *reason = server_->errorString().toStdString();
    server_->deleteLater();
    server_ = nullptr;
    return false;
  }
  listening_ = true;
  return true;
}

std::uint16_t SocketTransport::ListeningPort() const {
  return server_ && server_->isListening() ? server_->serverPort() : 0;
}

void SocketTransport::ConnectTo(const std::string& host, std::uint16_t port) {
  Close();
  auto* socket = new QTcpSocket(this);
  Adopt(socket);
  connect(socket, &QTcpSocket::connected, this, [this, socket] {
    if (socket == peer_ && events_) events_->Connected();
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    // A closed connection is reported as Disconnected; everything else before it came up fails.
    if (socket != peer_ || socket->state() == QAbstractSocket::ConnectedState) return;
    if (socket->error() == QAbstractSocket::RemoteHostClosedError) return;
    std::string reason = socket->errorString().toStdString();
    Close();
    if (events_) events_->Failed(reason);
  });
  socket->connectToHost(QString::fromStdString(host), port);
}

void SocketTransport::Adopt(QTcpSocket* socket) {
  peer_ = socket;
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
    QByteArray bytes = socket->readAll();
    if (socket == peer_ && events_ && !bytes.isEmpty())
      events_->DataRead(
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  });
  connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
    if (socket != peer_) return;
    peer_ = nullptr;
    socket->deleteLater();
    if (events_) events_->Disconnected();
  });
}

void SocketTransport::OnNewConnection() {
  while (QTcpSocket* socket = server_ ? server_->nextPendingConnection() : nullptr) {
    socket->setParent(this);
    if (peer_) {
      // Accepted, never written to, and what it sends is not the game's.
      connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      continue;
    }
    Adopt(socket);
    if (events_) events_->Connected();
  }
}

void SocketTransport::Send(std::string_view bytes) {
  if (!peer_ || peer_->state() != QAbstractSocket::ConnectedState || bytes.empty()) return;
  peer_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  peer_->flush();
}

void SocketTransport::StopListening() {
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
  listening_ = false;
}

void SocketTransport::Close() {
  StopListening();
  if (QTcpSocket* socket = peer_) {
    peer_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
  }
  // Connections accepted beside the peer go too.
  for (QTcpSocket* other : findChildren<QTcpSocket*>()) {
    other->disconnect(this);
    other->abort();
    other->deleteLater();
  }
}

bool SocketTransport::IsOpen() const {
  return listening_ || peer_;
}

}  // namespace tarnel::net
