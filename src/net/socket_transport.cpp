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
    if (socket != peer_) return;
    peerUp_ = true;
    if (events_) events_->Connected();
  });
  socket->connectToHost(QString::fromStdString(host), port);
}

void SocketTransport::Adopt(QTcpSocket* socket) {
  peer_ = socket;
  peerUp_ = socket->state() == QAbstractSocket::ConnectedState;
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  // A flooding peer is read in bounded pieces; TCP holds back the rest.
  socket->setReadBufferSize(kPeerBuffer);
  connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
    QByteArray bytes = socket->readAll();
    if (socket == peer_ && events_ && !bytes.isEmpty())
      events_->DataRead(
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  });
  connect(socket, &QTcpSocket::disconnected, this, [this, socket] { Lost(socket, {}); });
  // A reset connection may end with an error and no disconnect; one that never came up fails.
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    if (socket->state() == QAbstractSocket::ConnectedState) return;
    Lost(socket, socket->errorString().toStdString());
  });
}

void SocketTransport::Lost(QTcpSocket* socket, const std::string& reason) {
  if (socket != peer_) return;
  bool wasUp = peerUp_;
  peer_ = nullptr;
  peerUp_ = false;
  socket->disconnect(this);
  socket->deleteLater();
  if (!events_) return;
  if (wasUp)
    events_->Disconnected();
  else
    events_->Failed(reason.empty() ? "the connection closed" : reason);
}

void SocketTransport::OnNewConnection() {
  while (QTcpSocket* socket = server_ ? server_->nextPendingConnection() : nullptr) {
    socket->setParent(this);
    if (peer_) {
      // Accepted and never written to; what it sends stays unread (a little, then TCP holds
      // the rest back) in case it becomes the peer.
      socket->setReadBufferSize(kCallerBuffer);
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      continue;
    }
    Adopt(socket);
    peerUp_ = true;
    if (events_) events_->Connected();
  }
}

void SocketTransport::TakeNextCaller() {
  if (peer_ || !listening_) return;
  for (QTcpSocket* socket : findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly)) {
    if (socket->state() != QAbstractSocket::ConnectedState) continue;
    Adopt(socket);
    peerUp_ = true;
    if (events_) events_->Connected();
    QByteArray waiting = socket->readAll();
    if (socket == peer_ && events_ && !waiting.isEmpty())
      events_->DataRead(
          std::string_view(waiting.constData(), static_cast<std::size_t>(waiting.size())));
    return;
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
    peerUp_ = false;
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
