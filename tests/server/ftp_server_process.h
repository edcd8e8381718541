// Starts a real vsftpd on a free loopback port storing anonymous uploads into one folder, as
// scripts/club-server does for the club's photos.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace tarnel::test {

inline constexpr const char* kVsftpdPath = "/usr/sbin/vsftpd";

class FtpServerProcess {
 public:
  static bool Available() { return access(kVsftpdPath, X_OK) == 0; }

  FtpServerProcess(const std::filesystem::path& store, const std::filesystem::path& work) {
    std::filesystem::create_directories(work / "empty");
    port_ = FreePort();
    const auto conf = work / "vsftpd.conf";
    std::ofstream(conf) << "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" << port_
                        << "\nrun_as_launching_user=YES\nbackground=NO\nanonymous_enable=YES\n"
                           "no_anon_password=YES\nanon_root="
                        << store.string()
                        << "\nanon_upload_enable=YES\nanon_other_write_enable=YES\n"
                           "anon_umask=022\nwrite_enable=YES\nlocal_enable=NO\n"
                           "deny_file={*..*,.*,*/*}\npasv_enable=YES\npasv_address=127.0.0.1\n"
                           "secure_chroot_dir="
                        << (work / "empty").string() << "\nseccomp_sandbox=NO\nxferlog_enable=NO\n";
    pid_ = fork();
    if (pid_ == 0) {
      execl(kVsftpdPath, kVsftpdPath, conf.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    // Ready once the port answers; bounded so a broken install fails the test instead of hanging.
    for (int i = 0; i < 100 && !Answers(port_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!Answers(port_)) {
      Stop();
      throw std::runtime_error("vsftpd did not start");
    }
  }
  ~FtpServerProcess() { Stop(); }

  std::string UploadAddress() const { return "ftp://127.0.0.1:" + std::to_string(port_) + "/"; }

 private:
  static int FreePort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    close(s);
    return ntohs(a.sin_port);
  }
  static bool Answers(int port) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
  }
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
  }

  int port_ = 0;
  pid_t pid_ = 0;
};

}  // namespace tarnel::test
