#include "app/network_game.h"

#include <QTimer>

#include "club/club_addresses.h"
#include "net/player_dialog.h"
#include "net/socket_transport.h"
#include "net/t_form_wait.h"

namespace tarnel {

std::string RouterHelpAddress() {
  return BuiltInClubServer() + "/help/router.html";
}

NetworkGame::NetworkGame(int languageIndex, Hooks hooks, QWidget* window)
    : language_(languageIndex), hooks_(std::move(hooks)), window_(window) {}

NetworkGame::~NetworkGame() {
  Drop();
}

void NetworkGame::Drop() {
  if (transport_) {
    transport_->SetEvents(nullptr);
    transport_->Close();
  }
  session_.reset();
  transport_.reset();
}

bool NetworkGame::Connect(int role, const std::string& address, const std::string& port,
                          const std::string& playerName) {
  Drop();
  const bool client = role == kClientRole;
  transport_ = std::make_unique<net::SocketTransport>();
  session_ = std::make_unique<net::PeerSession>(
      client ? net::NetRole::Client : net::NetRole::Server, *transport_, *this, playerName);
  transport_->SetEvents(session_.get());
  clientWaiting_ = client;
  awaitingRound_ = client;
  session_->Start();
  const auto portNumber = static_cast<std::uint16_t>(std::stoul(port));

  TFormWait wait(role, language_,
                 {[this] { return clientWaiting_; },
                  [this] {
                    if (session_) session_->Cancel();
                  }},
                 window_);
  wait_ = &wait;
  if (client) {
    transport_->ConnectTo(address, portNumber);
  } else if (!transport_->Listen(portNumber)) {
    // The port is taken: the server waits in vain until the user cancels, as for a refused client.
  }
  if (hooks_.ShowDialog)
    hooks_.ShowDialog(wait);
  else
    wait.exec();
  wait_ = nullptr;
  const bool ok = wait.result() == QDialog::Accepted;
  if (!ok) Drop();
  return ok;
}

std::uint16_t NetworkGame::ListeningPort() const {
  return transport_ ? transport_->ListeningPort() : 0;
}

void NetworkGame::GameEnded() {
  if (session_) session_->GameEnded();
}

void NetworkGame::MenuTick() {
  if (session_) session_->MenuTick();
}

void NetworkGame::PeerGreeted(const std::string&) {
  clientWaiting_ = false;
  if (!wait_) return;
  if (session_->Role() == net::NetRole::Server)
    wait_->PeerGreeted();
  else
    wait_->GreetingCompleted();
}

void NetworkGame::ChatLineShown(const net::ChatLine& line, bool received) {
  if (hooks_.Chat) hooks_.Chat(line, received);
}

void NetworkGame::FaceUpSwitched(bool on) {
  if (hooks_.FaceUp) hooks_.FaceUp(on);
}

void NetworkGame::ConnectionLost(net::NetRole peerRole) {
  // The message box runs its own loop: not inside the socket's signal.
  QTimer::singleShot(0, this, [this, peerRole] {
    if (hooks_.Lost) hooks_.Lost(peerRole);
  });
}

void NetworkGame::ProtocolViolation(const std::string&) {
  const net::NetRole peer = session_ && session_->Role() == net::NetRole::Server
                                ? net::NetRole::Client
                                : net::NetRole::Server;
  ConnectionLost(peer);
}

void NetworkGame::ChatDisabled() {
  if (hooks_.ChatDisabled) hooks_.ChatDisabled();
}

void NetworkGame::ConnectFailed(const std::string&) {
  clientWaiting_ = true;
}

}  // namespace tarnel
