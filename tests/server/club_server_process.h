// Starts a real tarnel-club-server on a free port with its own data folder, for the tests.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace tarnel::test {

class ClubServerProcess {
 public:
  // `extraConfig` is appended to the configuration file. TARNEL_TEST_POSTGRES (a libpq
  // connection string), when set, puts the storage in PostgreSQL.
  explicit ClubServerProcess(std::filesystem::path data, const std::string& extraConfig = "")
      : data_(std::move(data)) {
    std::filesystem::create_directories(data_);
    config_ = data_ / "club.conf";
    std::ofstream conf(config_);
    conf << "password_hash_cost = light\n";
    if (const char* pg = std::getenv("TARNEL_TEST_POSTGRES"))
      conf << "storage = postgresql\npostgresql = " << pg << "\n";
    conf << extraConfig;
    conf.close();
    Start();
  }
  ~ClubServerProcess() {
    Stop(SIGTERM);
    std::error_code ignored;
    std::filesystem::remove_all(data_, ignored);
  }

  void Start() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      execl(TARNEL_CLUB_SERVER_PATH, TARNEL_CLUB_SERVER_PATH, "--port", "0", "--data",
            data_.c_str(), "--config", config_.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    FILE* out = fdopen(fds[0], "r");
    char line[200] = {};
    bool got = std::fgets(line, sizeof line, out) != nullptr;
    std::fclose(out);
    std::string text = line;
    if (!got || text.rfind("listening ", 0) != 0) throw std::runtime_error("server did not start");
    base_ = "http://" + text.substr(10, text.find_last_not_of("\r\n") - 9);
  }

  // SIGKILL leaves no chance to flush anything: what was acknowledged must already be stored.
  void Stop(int signal) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
  }

  const std::string& Base() const { return base_; }
  const std::filesystem::path& Data() const { return data_; }

 private:
  std::filesystem::path data_, config_;
  pid_t pid_ = 0;
  std::string base_;
};

}  // namespace tarnel::test
