// peer: the computer player plays whole network games against another copy over TCP, through
// the same session, framing and socket transport the window uses. Each game is a connection of
// its own with its own greeting; the user's part (its card, the round button) is played the
// moment it becomes possible, as a user who acknowledges every trick at once.
#include <QCoreApplication>
#include <QTimer>
#include <iostream>
#include <memory>
#include <ostream>

#include "command.h"
#include "core/computer_player.h"
#include "core/cp1251.h"
#include "core/null_presenter.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "net/peer_session.h"
#include "net/socket_transport.h"

namespace tarnel::lab {
namespace {

using net::NetRole;

struct PeerOptions {
  NetRole Role = NetRole::Server;
  std::string Host;
  std::uint16_t Port = 0;
  int Games = 1;
  std::uint64_t Seed = 1;
  std::string Name;
  int Hand = 6;
  bool Trace = false;
  int TimeoutMs = 30000;
};

// Shows the bytes of a message readably: Windows-1251 card letters as UTF-8.
std::string Printable(std::string_view bytes) {
  return Cp1251ToUtf8(bytes);
}

// Writes through the socket and traces what goes out.
class TracingTransport : public net::PeerTransport {
 public:
  TracingTransport(net::SocketTransport& inner, bool trace, std::ostream& out)
      : inner_(inner), trace_(trace), out_(out) {}
  void SetEvents(net::TransportEvents* events) override { inner_.SetEvents(events); }
  void Send(std::string_view bytes) override {
    if (trace_) out_ << "send " << Printable(bytes) << "\n";
    inner_.Send(bytes);
  }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void TakeNextCaller() override { inner_.TakeNextCaller(); }

 private:
  net::SocketTransport& inner_;
  bool trace_;
  std::ostream& out_;
};

class PeerPlayer : public net::PeerSessionEvents, public net::TransportEvents {
 public:
  PeerPlayer(const PeerOptions& opt, std::ostream& out, std::ostream& err)
      : opt_(opt), out_(out), err_(err), random_(opt.Seed) {
    presenter_.KeepCalls = false;
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      Fail("time-out: nothing happened for " + std::to_string(opt_.TimeoutMs) + " ms");
    });
  }

  int Run() {
    NextGame();
    if (result_ < 0) QCoreApplication::exec();
    return result_;
  }

  // PeerSessionEvents
  void PeerGreeted(const std::string& name) override {
    if (opt_.Trace) out_ << "greeted " << Printable(name) << "\n";
    GameConfig config;
    config.HandSize = opt_.Hand;
    session_->Attach(*driver_, state_);
    driver_->StartGame(*session_, config, PlayerStanding{});
    Act();
  }
  void ChatLineShown(const net::ChatLine&, bool) override {}
  void FaceUpSwitched(bool) override {}
  void ConnectionLost(NetRole peer) override {
    Fail(std::string(peer == NetRole::Client ? "Client" : "Server") + " has interrupted game " +
         std::to_string(game_));
  }
  void ProtocolViolation(const std::string& reason) override {
    Fail("protocol violation: " + reason);
  }
  void ChatDisabled() override {}
  void ConnectFailed(const std::string& reason) override {
    if (opt_.Role == NetRole::Server) {
      Fail("cannot listen: " + reason);
      return;
    }
    // The server may be between two games: try again shortly, within the watchdog's bound.
    QTimer::singleShot(50, [this, g = game_] {
      if (g == game_ && result_ < 0) Open();
    });
  }

  // TransportEvents: the session hears everything first; the user acts on what it made possible.
  void Connected() override {
    watchdog_.start(opt_.TimeoutMs);
    session_->Connected();
    Act();
  }
  void DataRead(std::string_view bytes) override {
    watchdog_.start(opt_.TimeoutMs);
    if (opt_.Trace) out_ << "recv " << Printable(bytes) << "\n";
    session_->DataRead(bytes);
    Act();
  }
  void Disconnected() override {
    if (opt_.Trace) out_ << "disconnected\n";
    session_->Disconnected();
    Act();
  }
  void Failed(std::string_view reason) override { session_->Failed(reason); }

 private:
  void NextGame() {
    ++game_;
    state_ = TTableState();
    driver_ = std::make_unique<TurnDriver>(state_, presenter_, random_);
    seat1Voids_.reset();
    // Retries of the connection do not restart the clock: only progress does.
    watchdog_.start(opt_.TimeoutMs);
    Open();
  }

  void Open() {
    session_.reset();
    tracing_.reset();
    socket_ = std::make_unique<net::SocketTransport>();
    tracing_ = std::make_unique<TracingTransport>(*socket_, opt_.Trace, out_);
    session_ = std::make_unique<net::PeerSession>(opt_.Role, *tracing_, *this, opt_.Name);
    socket_->SetEvents(this);
    session_->Start();
    if (opt_.Role == NetRole::Server) {
      std::string reason;
      if (!socket_->Listen(opt_.Port, &reason)) {
        Fail("cannot listen on port " + std::to_string(opt_.Port) + ": " + reason);
        return;
      }
      // Port 0: the system chose one; the following games listen on the same.
      if (opt_.Port == 0) {
        opt_.Port = socket_->ListeningPort();
        out_ << "port=" << opt_.Port << "\n";
        out_.flush();
      }
    } else {
      socket_->ConnectTo(opt_.Host, opt_.Port);
    }
  }

  int UsersCard() {
    TTableState mirror = SeatsSwapped(state_);
    mirror.OppVoid = seat1Voids_;
    MarkAccountedSuitsVoid(mirror);
    return mirror.Leader() == kSeatCo ? ComputerLead(mirror, random_) : ComputerAnswer(mirror);
  }

  // Everything the user can do now, at once.
  void Act() {
    for (int guard = 0; guard < 1000 && result_ < 0 && driver_->GameActive(); ++guard) {
      if (state_.GameOver) {
        FinishGame();
        return;
      }
      if (state_.RoundPhase == kPhasePlaying && state_.TurnState == kTurnSeat2) {
        if (driver_->HandClick(UsersCard(), false) != HandClickResult::Played) {
          Fail("the computer player's card was refused");
          return;
        }
        continue;
      }
      if (!presenter_.Button7Enabled) return;
      if (state_.TurnState == kTurnTrickDone && state_.Leader() == kSeatMe &&
          state_.TableCard[kSeatCo].Suit != state_.LedSuit)
        seat1Voids_.set(static_cast<unsigned char>(state_.LedSuit));
      if (state_.TurnState == kTurnNextRound) seat1Voids_.reset();
      driver_->Button7Click();
    }
  }

  void FinishGame() {
    out_ << "game=" << game_ << " me=" << state_.GameTotal[kSeatMe]
         << " co=" << state_.GameTotal[kSeatCo] << "\n";
    out_.flush();
    driver_->EndGame();
    session_->GameEnded();
    if (game_ >= opt_.Games) {
      out_ << "games=" << game_ << "\n";
      Finish(0);
      return;
    }
    // Not inside the socket's own event: the old socket goes first.
    QTimer::singleShot(0, [this] {
      if (result_ < 0) NextGame();
    });
  }

  void Fail(const std::string& reason) {
    if (result_ >= 0) return;
    err_ << "tarnel-lab peer: " << reason << "\n";
    Finish(1);
  }

  void Finish(int code) {
    result_ = code;
    watchdog_.stop();
    if (socket_) {
      socket_->SetEvents(nullptr);
      socket_->Close();
    }
    QCoreApplication::exit(code);
  }

  PeerOptions opt_;
  std::ostream& out_;
  std::ostream& err_;
  SeededRandom random_;
  TTableState state_;
  NullTablePresenter presenter_;
  std::unique_ptr<TurnDriver> driver_;
  std::unique_ptr<net::SocketTransport> socket_;
  std::unique_ptr<TracingTransport> tracing_;
  std::unique_ptr<net::PeerSession> session_;
  std::bitset<256> seat1Voids_;
  QTimer watchdog_;
  int game_ = 0;
  int result_ = -1;
};

std::uint16_t PortOf(const std::string& text, bool zeroAllowed) {
  try {
    std::size_t used = 0;
    int port = std::stoi(text, &used);
    if (used == text.size() && port >= (zeroAllowed ? 0 : 1) && port <= 65535)
      return static_cast<std::uint16_t>(port);
  } catch (...) {
  }
  throw UsageError{"a port is a number 1..65535, not '" + text + "'"};
}

int RunPeer(const Args& args, std::ostream& out, std::ostream& err) {
  PeerOptions opt;
  bool server = FindFlag(args, "--server"), client = FindFlag(args, "--client");
  if (server == client) throw UsageError{"give either --server PORT or --client HOST:PORT"};
  if (server) {
    opt.Role = NetRole::Server;
    opt.Port = PortOf(FlagValue(args, "--server", ""), true);
    opt.Name = FlagValue(args, "--name", "Server");
  } else {
    opt.Role = NetRole::Client;
    std::string target = FlagValue(args, "--client", "");
    std::size_t colon = target.rfind(':');
    if (colon == std::string::npos || colon == 0)
      throw UsageError{"--client needs HOST:PORT, not '" + target + "'"};
    opt.Host = target.substr(0, colon);
    opt.Port = PortOf(target.substr(colon + 1), false);
    opt.Name = FlagValue(args, "--name", "Client");
  }
  opt.Games = static_cast<int>(FlagInt(args, "--games", 1));
  opt.Seed = static_cast<std::uint64_t>(FlagInt(args, "--seed", 1));
  opt.Hand = static_cast<int>(FlagInt(args, "--hand", 6));
  opt.Trace = FindFlag(args, "--trace");
  opt.TimeoutMs = static_cast<int>(FlagInt(args, "--timeout", 30)) * 1000;
  if (opt.Games < 1) throw UsageError{"--games must be at least 1"};
  if (opt.Hand != 6 && opt.Hand != 10) throw UsageError{"--hand is 6 or 10"};
  if (opt.TimeoutMs < 1000 || opt.TimeoutMs > 3600000)
    throw UsageError{"--timeout is 1..3600 seconds"};
  if (opt.Name.empty() || opt.Name.size() > net::kNetNameLimit)
    throw UsageError{"--name takes 1 to " + std::to_string(net::kNetNameLimit) + " characters"};
  opt.Name = Utf8ToCp1251(opt.Name);

  std::unique_ptr<QCoreApplication> app;
  static int argc = 1;
  static char name[] = "tarnel-lab";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
  PeerPlayer player(opt, out, err);
  return player.Run();
}

Registrar reg("peer",
              "peer --server PORT|0 [--games N] [--seed S] [--name NAME] [--hand 6|10] [--trace] "
              "[--timeout SECONDS]\n"
              "peer --client HOST:PORT [--games N] [--seed S] [--name NAME] [--trace] "
              "[--timeout SECONDS]\n"
              "  the computer player plays network games over TCP, one connection per game",
              RunPeer);

}  // namespace
}  // namespace tarnel::lab
