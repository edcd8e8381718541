#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace tarnel {
namespace {

// Deeper chains than this are loops (the kernel's own limit).
constexpr int kMaxLinkHops = 40;

FileError ErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::kMissing;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError::kDenied;
    case EISDIR:
      return FileError::kNotAFile;
    default:
      return FileError::kFailed;
  }
}

FileResult Failure(FileError error, const std::filesystem::path& path, std::string_view what) {
  return {error, path.string() + ": " + std::string(what)};
}

FileResult SystemFailure(const std::filesystem::path& path, int error) {
  return Failure(ErrorOf(error), path, std::strerror(error));
}

FileRead ReadFailure(FileResult failure) {
  FileRead read;
  static_cast<FileResult&>(read) = std::move(failure);
  return read;
}

// Why a file that is not a regular file is refused, in words.
std::string_view KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder, not a file";
  if (S_ISFIFO(mode)) return "is a FIFO, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
  if (S_ISSOCK(mode)) return "is a socket, not a regular file";
  return "is not a regular file";
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes a rename in the folder durable; a folder that cannot be synced still holds the file.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The path a chain of symbolic links finally names; it need not exist yet, so a dangling link
// gets its target created rather than being replaced by a file.
FileResult ResolveLinks(const std::filesystem::path& path, std::filesystem::path& resolved) {
  std::filesystem::path current = path;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno != ENOENT) return SystemFailure(current, errno);
      resolved = current;
      return {};
    }
    if (!S_ISLNK(st.st_mode)) {
      resolved = current;
      return {};
    }
    std::error_code ec;
    std::filesystem::path target = std::filesystem::read_symlink(current, ec);
    if (ec) return SystemFailure(current, ec.value());
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return SystemFailure(path, ELOOP);
}

}  // namespace

FileRead PosixFileSystem::ReadFile(const std::filesystem::path& path, std::size_t maxBytes,
                                   Oversize oversize) {
  // Looked at before opening, so a device is never opened at all and a FIFO never waited on.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return ReadFailure(SystemFailure(path, errno));
  if (!S_ISREG(st.st_mode))
    return ReadFailure(Failure(FileError::kNotAFile, path, KindOf(st.st_mode)));
  const bool refuse = oversize == Oversize::kRefuse;
  auto tooLarge = [&] {
    return ReadFailure(
        Failure(FileError::kTooLarge, path, "larger than " + std::to_string(maxBytes) + " bytes"));
  };
  if (refuse && static_cast<unsigned long long>(st.st_size) > maxBytes) return tooLarge();

  // Non-blocking in case the name was swapped for a FIFO since the look above.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return ReadFailure(SystemFailure(path, errno));
  if (::fstat(fd, &st) != 0) {
    int error = errno;
    ::close(fd);
    return ReadFailure(SystemFailure(path, error));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadFailure(Failure(FileError::kNotAFile, path, KindOf(st.st_mode)));
  }
  // One byte past the limit tells a file that grew since the look above.
  const std::size_t limit = refuse && maxBytes != SIZE_MAX ? maxBytes + 1 : maxBytes;
  FileRead read;
  read.Bytes.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(st.st_size)));
  char buffer[65536];
  while (read.Bytes.size() < limit) {
    std::size_t want = std::min(sizeof buffer, limit - read.Bytes.size());
    ssize_t n = ::read(fd, buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int error = errno;
      ::close(fd);
      return ReadFailure(SystemFailure(path, error));
    }
    if (n == 0) break;
    read.Bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (refuse && read.Bytes.size() > maxBytes) return tooLarge();
  return read;
}

bool PosixFileSystem::Exists(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool PosixFileSystem::IsWritable(const std::filesystem::path& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

FileResult PosixFileSystem::ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path target;
  if (FileResult resolved = ResolveLinks(path, target); !resolved) return resolved;

  mode_t mode = 0644;
  struct stat st {};
  const bool existed = ::stat(target.c_str(), &st) == 0;
  if (existed) {
    if (!S_ISREG(st.st_mode)) return Failure(FileError::kNotAFile, path, KindOf(st.st_mode));
    // A rename would happily replace a read-only file; refuse as a direct write would.
    if (::access(target.c_str(), W_OK) != 0) return SystemFailure(path, errno);
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return SystemFailure(path, errno);
  }

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // A unique name: two writers, or a crashed one's leftover, never share a temporary file.
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return SystemFailure(path, errno);

  int error = 0;
  // Keeping the owner only works for root or within one's own groups; a failure is no reason to
  // keep the old contents. The mode is set afterwards, as a change of owner clears set-id bits.
  if (existed && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    [[maybe_unused]] int ignored = ::fchown(fd, st.st_uid, st.st_gid);
  }
  auto step = [&](bool done) {
    if (!done && error == 0) error = errno;
    return done;
  };
  bool ok = step(::fchmod(fd, mode) == 0) && WriteAll(fd, bytes, error) && step(::fsync(fd) == 0);
  ok = step(::close(fd) == 0) && ok;
  ok = ok && step(::rename(temporary.c_str(), target.c_str()) == 0);
  if (!ok) {
    ::unlink(temporary.c_str());
    return SystemFailure(path, error);
  }
  SyncFolder(folder);
  return {};
}

FileResult PosixFileSystem::RemoveFile(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
  return SystemFailure(path, errno);
}

bool PosixFileSystem::MakeFolder(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return std::filesystem::is_directory(path, ec);
}

std::optional<long long> PosixFileSystem::ModificationTime(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<long long>(st.st_mtime);
}

FileSystem& RealFileSystem() {
  static PosixFileSystem disk;
  return disk;
}

}  // namespace tarnel
