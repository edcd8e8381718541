#include "ui/settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace tarnel {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) return false;
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(pattern.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(pattern.c_str());
    return false;
  }
  // Make the rename itself durable.
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace tarnel
