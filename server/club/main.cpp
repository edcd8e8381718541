// tarnel-club-server: the club web server. Usage:
//   tarnel-club-server --port PORT --data DIR [--config FILE] [--listen ADDRESS]
// SQLite in DIR/club.sqlite unless the configuration chooses PostgreSQL. Port 0 takes a free
// port; the chosen one is printed as "listening ADDRESS:PORT" once the server accepts.
#include <httplib.h>
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <thread>

#include "club/club_wire.h"
#include "club_service.h"
#include "form_body.h"
#include "jpeg_size.h"
#include "platform/file_system.h"
#include "server_config.h"

namespace tarnel::server {
namespace {

constexpr std::size_t kMaxBody = 16 * 1024;  // the largest request, a profile, is about 1 KB
constexpr char kText[] = "text/plain; charset=windows-1251";

// A file name under one of the served folders: no folders, no hidden files.
bool IsPlainName(const std::string& name) {
  if (name.empty() || name.size() > 120 || name.front() == '.') return false;
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0' || static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

void ServeFile(const std::filesystem::path& folder, const std::string& name, std::size_t limit,
               const char* type, httplib::Response& res) {
  if (folder.empty() || !IsPlainName(name)) {
    res.status = 404;
    return;
  }
  FileRead read = RealFileSystem().ReadFile(folder / name, limit, Oversize::kRefuse);
  if (!read.Ok()) {
    res.status = 404;
    return;
  }
  res.set_content(read.Bytes, type);
}

int Usage() {
  std::cerr << "usage: tarnel-club-server --port PORT --data DIR [--config FILE] "
               "[--listen ADDRESS]\n";
  return 2;
}

int Run(int argc, char** argv) {
  std::string port, data, configFile, listen = "127.0.0.1";
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string flag = argv[i];
    if (flag == "--port")
      port = argv[i + 1];
    else if (flag == "--data")
      data = argv[i + 1];
    else if (flag == "--config")
      configFile = argv[i + 1];
    else if (flag == "--listen")
      listen = argv[i + 1];
    else
      return Usage();
  }
  if (argc % 2 == 0 || port.empty() || data.empty()) return Usage();
  int portNumber = std::atoi(port.c_str());
  if (portNumber < 0 || portNumber > 65535) return Usage();

  ServerConfig config;
  if (!configFile.empty()) {
    FileRead read = RealFileSystem().ReadFile(configFile, 1 << 20, Oversize::kRefuse);
    if (!read.Ok()) {
      std::cerr << "tarnel-club-server: " << read.Message << "\n";
      return 1;
    }
    std::string error;
    std::optional<ServerConfig> parsed = ParseServerConfig(read.Bytes, error);
    if (!parsed) {
      std::cerr << "tarnel-club-server: " << configFile << ": " << error << "\n";
      return 1;
    }
    config = *parsed;
  }
  const std::filesystem::path dataFolder = data;
  if (!RealFileSystem().MakeFolder(dataFolder)) {
    std::cerr << "tarnel-club-server: cannot create " << data << "\n";
    return 1;
  }
  if (config.Photos.empty()) config.Photos = dataFolder / "photos";
  RealFileSystem().MakeFolder(config.Photos);

  std::unique_ptr<SqlBackend> backend =
      config.Storage == "postgresql"
          ? OpenPostgres(config.PostgresConnInfo, config.PostgresConnections)
          : OpenSqlite({(dataFolder / "club.sqlite").string(), config.SqliteFullSync, 16});
  ClubService club(std::move(backend), config.Club);

  httplib::Server server;
  const int threads = config.Threads;
  server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  server.set_tcp_nodelay(true);
  server.set_payload_max_length(kMaxBody);
  server.set_read_timeout(5, 0);
  server.set_write_timeout(5, 0);
  server.set_keep_alive_max_count(100000);
  server.set_keep_alive_timeout(30);

  using Script = ScriptReply (ClubService::*)(const FormFields&);
  auto post = [&](const char* path, Script script) {
    server.Post(path, [&club, script](const httplib::Request& req, httplib::Response& res) {
      if (req.get_header_value("User-Agent") != kClubUserAgent) {
        res.status = 403;
        res.set_content("no", kText);
        return;
      }
      std::optional<FormFields> form = ParseFormBody(req.body);
      ScriptReply reply{400, "bad request"};
      if (form) {
        try {
          reply = (club.*script)(*form);
        } catch (const std::exception& e) {
          std::cerr << "tarnel-club-server: " << e.what() << "\n";
          reply = {503, "server error"};
        }
      }
      res.status = reply.Status;
      res.set_content(reply.Body, kText);
    });
  };
  post("/tarnel/account.php", &ClubService::Account);
  post("/tarnel/board.php", &ClubService::Board);
  post("/tarnel/stat.php", &ClubService::Stat);
  post("/tarnel/tour.php", &ClubService::Tour);

  server.Get("/tarnel/directory.txt", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(club.Directory(), "text/plain; charset=utf-8");
  });
  server.Get("/tarnel/news.txt", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(club.News(), "text/plain; charset=utf-8");
  });
  server.Get("/get_ip.php", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.remote_addr, "text/plain; charset=utf-8");
  });
  server.Get(R"(/photos/([^/]+)\.jpg)", [&](const httplib::Request& req, httplib::Response& res) {
    ServeFile(config.Photos, std::string(req.matches[1]) + ".jpg", 1 << 20, "image/jpeg", res);
    // Only a member photo of the club's size is shown; anything else uploaded is not served.
    if (res.status == 200 || res.status == -1) {
      std::optional<std::pair<int, int>> size = JpegSize(res.body);
      if (!size || *size != std::make_pair(200, 250)) {
        res.status = 404;
        res.body.clear();
      }
    }
  });
  server.Get(R"(/musik/([^/]+))", [&](const httplib::Request& req, httplib::Response& res) {
    ServeFile(
        config.Music, req.matches[1], 64 << 20,
        std::string(req.matches[1]).ends_with(".html") ? "text/html; charset=utf-8" : "audio/mpeg",
        res);
  });
  server.Get("/radio/QelRadio.rad", [&](const httplib::Request&, httplib::Response& res) {
    ServeFile(config.RadioList.parent_path(), config.RadioList.filename().string(), 1 << 20,
              "text/plain", res);
  });
  server.Get(R"(/downloads/progr/cards/([^/]+))", [&](const httplib::Request& req,
                                                      httplib::Response& res) {
    ServeFile(config.Downloads, req.matches[1], 256 << 20, "application/octet-stream", res);
  });

  // SIGTERM and SIGINT stop the server cleanly: requests in flight finish first.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread waiter([&] {
    int signal = 0;
    sigwait(&signals, &signal);
    server.stop();
  });
  waiter.detach();

  int bound = portNumber == 0 ? server.bind_to_any_port(listen) : portNumber;
  if (portNumber != 0 && !server.bind_to_port(listen, portNumber)) bound = -1;
  if (bound <= 0) {
    std::cerr << "tarnel-club-server: cannot listen on " << listen << ":" << port << "\n";
    return 1;
  }
  if (config.Club.PublicBase.empty())
    club.SetPublicBase("http://" + listen + ":" + std::to_string(bound));
  std::printf("listening %s:%d\n", listen.c_str(), bound);
  std::fflush(stdout);
  return server.listen_after_bind() ? 0 : 1;
}

}  // namespace
}  // namespace tarnel::server

int main(int argc, char** argv) {
  try {
    return tarnel::server::Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tarnel-club-server: " << e.what() << "\n";
    return 1;
  }
}
