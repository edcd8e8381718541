// Temporary program folders and a file system whose writes can be made to fail.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "records/records_file_system.h"

namespace tarnel::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnel-records-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The real disk, except that chosen files count as read-only and every write can be made to fail.
// Tests run as root, where file permissions would not stop a write.
class FaultyFileSystem : public PosixFileSystem {
 public:
  std::set<std::filesystem::path> ReadOnly;
  std::set<std::filesystem::path> Unreadable;
  bool FailWrites = false;
  int Writes = 0;

  std::optional<std::string> ReadFile(const std::filesystem::path& path,
                                      std::size_t maxBytes) override {
    if (Unreadable.count(path)) return std::nullopt;
    return PosixFileSystem::ReadFile(path, maxBytes);
  }

  bool IsWritable(const std::filesystem::path& path) override {
    return !ReadOnly.count(path) && PosixFileSystem::IsWritable(path);
  }
  bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override {
    if (FailWrites || ReadOnly.count(path)) return false;
    ++Writes;
    return PosixFileSystem::ReplaceFile(path, bytes);
  }
};

}  // namespace tarnel::testing
