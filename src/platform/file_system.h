// Every file the program keeps between runs is read and rewritten through this one service, so
// all of them get the same safety: reads never wait on a FIFO or a device and never take more
// than their caller allows, and a rewrite either lands whole or leaves the old file as it was.
// An interface, so tests can make reads and writes fail without touching real permissions
// (which do not bind root).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

enum class FileError {
  kNone,
  kMissing,   // no such file, or a folder on the way is missing
  kNotAFile,  // a folder, FIFO, device or socket: refused without waiting on it
  kTooLarge,  // longer than the caller's limit
  kDenied,    // this process may not read or write it
  kFailed,    // any other system error: disk full, I/O error, ...
};

struct FileResult {
  FileError Error = FileError::kNone;
  std::string Message;  // the path and what went wrong; empty on success

  bool Ok() const { return Error == FileError::kNone; }
  explicit operator bool() const { return Ok(); }
};

struct FileRead : FileResult {
  std::string Bytes;  // the file's bytes when Ok()
};

// What a read does with a file longer than its limit.
enum class Oversize {
  kRefuse,     // FileError::kTooLarge, no bytes
  kKeepStart,  // the first maxBytes bytes, as a line reader that stops early would see them
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The bytes of a regular file (symbolic links are followed), at most maxBytes of them.
  virtual FileRead ReadFile(const std::filesystem::path& path, std::size_t maxBytes,
                            Oversize oversize) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  // False when this process may not write the file.
  virtual bool IsWritable(const std::filesystem::path& path) = 0;
  // Replaces the whole file: the bytes go to a new file of a unique name beside it, are flushed
  // to disk and renamed over it. The file keeps its mode, and a symbolic link stays a link: its
  // target is replaced. A file this process may not write, or one that is not a regular file, is
  // left alone; on any failure the old file stays as it was and no temporary file remains.
  virtual FileResult ReplaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Deletes a file; a missing one counts as removed.
  virtual FileResult RemoveFile(const std::filesystem::path& path) = 0;
  // Creates the folder and those above it when missing; true when it exists afterwards.
  virtual bool MakeFolder(const std::filesystem::path& path) = 0;
  // Seconds since 1970 (UTC) of the last change; nullopt when there is no such file.
  virtual std::optional<long long> ModificationTime(const std::filesystem::path& path) = 0;
};

// The real disk.
class PosixFileSystem : public FileSystem {
 public:
  FileRead ReadFile(const std::filesystem::path& path, std::size_t maxBytes,
                    Oversize oversize) override;
  bool Exists(const std::filesystem::path& path) override;
  bool IsWritable(const std::filesystem::path& path) override;
  FileResult ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override;
  FileResult RemoveFile(const std::filesystem::path& path) override;
  bool MakeFolder(const std::filesystem::path& path) override;
  std::optional<long long> ModificationTime(const std::filesystem::path& path) override;
};

// The real disk, for callers that are not handed another file system.
FileSystem& RealFileSystem();

}  // namespace tarnel
