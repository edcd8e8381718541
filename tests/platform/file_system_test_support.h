// Temporary folders and a file system whose reads and writes can be made to fail. Tests run as
// root too, where file permissions would not stop a write: faults come from here instead.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "platform/file_system.h"

namespace tarnel::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnel-test-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
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

// Runs `body` in a child process (after `setUp`, which may change the child's limits or user)
// and returns its exit code, or -1 when it did not end on its own within a minute: a read that
// waits on a FIFO fails the test instead of hanging the suite.
inline int ExitCodeInChild(
    const std::function<int()>& body, const std::function<void()>& setUp = [] {}) {
  pid_t child = ::fork();
  if (child < 0) return -2;
  if (child == 0) {
    ::alarm(60);
    setUp();
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -2;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The real disk, except that chosen files count as read-only or unreadable and writes can be
// made to fail, all of them or only the first few.
class FaultyFileSystem : public PosixFileSystem {
 public:
  std::set<std::filesystem::path> ReadOnly;
  std::set<std::filesystem::path> Unreadable;
  bool FailWrites = false;
  int FailFirstWrites = 0;  // this many more replacements fail, then they work again
  int WriteAttempts = 0;    // every ReplaceFile call
  int Writes = 0;           // the replacements that reached the disk

  FileRead ReadFile(const std::filesystem::path& path, std::size_t maxBytes,
                    Oversize oversize) override {
    if (Unreadable.count(path)) {
      FileRead denied;
      denied.Error = FileError::kDenied;
      denied.Message = path.string() + ": unreadable in this test";
      return denied;
    }
    return PosixFileSystem::ReadFile(path, maxBytes, oversize);
  }
  bool IsWritable(const std::filesystem::path& path) override {
    return !ReadOnly.count(path) && PosixFileSystem::IsWritable(path);
  }
  FileResult ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override {
    ++WriteAttempts;
    if (ReadOnly.count(path))
      return {FileError::kDenied, path.string() + ": read-only in this test"};
    if (FailWrites || FailFirstWrites > 0) {
      if (FailFirstWrites > 0) --FailFirstWrites;
      return {FileError::kFailed, path.string() + ": write failed in this test"};
    }
    ++Writes;
    return PosixFileSystem::ReplaceFile(path, bytes);
  }
};

}  // namespace tarnel::testing
