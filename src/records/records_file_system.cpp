#include "records/records_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tarnel {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> PosixFileSystem::ReadFile(const std::filesystem::path& path,
                                                     std::size_t maxBytes) {
  // Non-blocking open so a FIFO planted under a club file name cannot hang the program.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes;
  char buffer[16384];
  while (bytes.size() <= maxBytes) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (bytes.size() > maxBytes + 1) bytes.resize(maxBytes + 1);
  return bytes;
}

bool PosixFileSystem::Exists(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool PosixFileSystem::IsWritable(const std::filesystem::path& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

bool PosixFileSystem::ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path target = path;
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    // A rename would happily replace a read-only file; refuse as a direct write would.
    if (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0) return false;
    std::error_code ec;
    // Write through a symbolic link rather than replacing the link with a file.
    std::filesystem::path resolved = std::filesystem::canonical(path, ec);
    if (!ec) target = resolved;
    mode = st.st_mode & 07777;
  }
  std::filesystem::path folder = target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(pattern.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(pattern.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

bool PosixFileSystem::MakeFolder(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return std::filesystem::is_directory(path, ec);
}

std::optional<LocalTime> PosixFileSystem::ModificationTime(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return LocalTimeOf(static_cast<long long>(st.st_mtime));
}

}  // namespace tarnel
