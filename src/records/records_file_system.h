// The few file operations the club and history files need, behind an interface so tests can
// make writes fail or files read-only without touching the real disk's permissions.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/local_time.h"

namespace tarnel {

class RecordsFileSystem {
 public:
  virtual ~RecordsFileSystem() = default;

  // The bytes of a regular file, at most maxBytes + 1 of them (so the caller can tell an
  // oversized file); nullopt when it cannot be opened.
  virtual std::optional<std::string> ReadFile(const std::filesystem::path& path,
                                              std::size_t maxBytes) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  // False when this process may not write the file.
  virtual bool IsWritable(const std::filesystem::path& path) = 0;
  // Replaces the whole file through a temporary file beside it, flushed to disk and renamed over
  // it. A file this process may not write is left alone. On failure the old file stays as it was.
  virtual bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Creates the folder when it is missing; true when it exists afterwards.
  virtual bool MakeFolder(const std::filesystem::path& path) = 0;
  virtual std::optional<LocalTime> ModificationTime(const std::filesystem::path& path) = 0;
};

// The real disk.
class PosixFileSystem : public RecordsFileSystem {
 public:
  std::optional<std::string> ReadFile(const std::filesystem::path& path,
                                      std::size_t maxBytes) override;
  bool Exists(const std::filesystem::path& path) override;
  bool IsWritable(const std::filesystem::path& path) override;
  bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override;
  bool MakeFolder(const std::filesystem::path& path) override;
  std::optional<LocalTime> ModificationTime(const std::filesystem::path& path) override;
};

}  // namespace tarnel
