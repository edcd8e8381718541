// The window's side of a network game: the socket of this machine's role, the peer session that
// carries the game over it, and the wait dialog while the two machines find each other.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "net/peer_session.h"

class QDialog;
class QWidget;

namespace tarnel {

class TFormWait;
namespace net {
class SocketTransport;
}

// The router set-up page that the player dialog's "?" opens, on the club's web server.
std::string RouterHelpAddress();

class NetworkGame : public QObject, public net::PeerSessionEvents {
  Q_OBJECT
 public:
  struct Hooks {
    // The peer left a running game, or sent what cannot be played on.
    std::function<void(net::NetRole peerRole)> Lost;
    std::function<void(const net::ChatLine& line, bool received)> Chat;
    std::function<void()> ChatDisabled;
    std::function<void(bool on)> FaceUp;
    // Shows a modal dialog; empty: exec().
    std::function<void(QDialog&)> ShowDialog;
  };

  NetworkGame(int languageIndex, Hooks hooks, QWidget* window);
  ~NetworkGame() override;

  // The player dialog's OK in network mode: listen or connect, then the wait dialog. True when
  // the game may start.
  bool Connect(int role, const std::string& address, const std::string& port,
               const std::string& playerName);
  // The session of the game being set up or played; null outside a network game.
  net::PeerSession* Session() const { return session_.get(); }
  bool ClientWaiting() const { return clientWaiting_; }
  bool AwaitingRound() const { return awaitingRound_; }
  void RoundArrived() { awaitingRound_ = false; }
  // The game was recorded or left: the role's endpoint closes.
  void GameEnded();
  void MenuTick();
  // The listening port (a test's server asks for any free one with port 0).
  std::uint16_t ListeningPort() const;

  // PeerSessionEvents
  void PeerGreeted(const std::string& peerName) override;
  void ChatLineShown(const net::ChatLine& line, bool received) override;
  void FaceUpSwitched(bool on) override;
  void ConnectionLost(net::NetRole peerRole) override;
  void ProtocolViolation(const std::string& reason) override;
  void ChatDisabled() override;
  void ConnectFailed(const std::string& reason) override;

 private:
  void Drop();

  int language_;
  Hooks hooks_;
  QWidget* window_;
  std::unique_ptr<net::SocketTransport> transport_;
  std::unique_ptr<net::PeerSession> session_;
  TFormWait* wait_ = nullptr;
  bool clientWaiting_ = false;
  bool awaitingRound_ = false;
};

}  // namespace tarnel
