#include "platform/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/file_system_test_support.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;
using testing::ExitCodeInChild;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<fs::path> FolderEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  for (const auto& entry : fs::directory_iterator(folder))
    entries.push_back(entry.path().filename());
  std::sort(entries.begin(), entries.end());
  return entries;
}

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

TEST(FileSystemRead, RefusesWhatIsNotARegularFileWithoutWaiting) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  // A FIFO some writer holds open would deliver bytes: it is refused all the same.
  ASSERT_EQ(::mkfifo((folder / "fed").c_str(), 0600), 0);
  int feeder = ::open((folder / "fed").c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(feeder, 0);
  ASSERT_EQ(::write(feeder, "data", 4), 4);
  fs::create_directory(folder / "folder");
  fs::create_symlink(folder / "fifo", folder / "link-to-fifo");
  int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string socketPath = (folder / "socket").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  struct Case {
    fs::path Path;
    const char* Kind;
  };
  for (const Case& c : std::vector<Case>{{folder / "fifo", "FIFO"},
                                         {folder / "fed", "FIFO"},
                                         {folder / "link-to-fifo", "FIFO"},
                                         {folder / "folder", "folder"},
                                         {folder / "socket", "socket"},
                                         {"/dev/zero", "device"},
                                         {"/dev/tty", "device"}}) {
    if (!fs::exists(c.Path)) continue;  // no terminal in some sandboxes
    for (Oversize oversize : {Oversize::kRefuse, Oversize::kKeepStart}) {
      int error = ExitCodeInChild([&] {
        PosixFileSystem disk;
        FileRead read = disk.ReadFile(c.Path, 1000, oversize);
        if (read.Ok() || read.Message.find(c.Kind) == std::string::npos) return 100;
        return static_cast<int>(read.Error);
      });
      EXPECT_EQ(error, static_cast<int>(FileError::kNotAFile)) << c.Path;
    }
  }
  ::close(socketFd);
  ::close(feeder);
}

TEST(FileSystemRead, KeepsToItsLimit) {
  TempFolder folder;
  PosixFileSystem disk;
  WriteBytes(folder / "ten", "0123456789");
  WriteBytes(folder / "eleven", "0123456789A");
  WriteBytes(folder / "empty", "");
  fs::create_symlink("ten", folder / "link");

  struct Case {
    fs::path Path;
    Oversize Mode;
    FileError Error;
    std::string Bytes;
  };
  const std::vector<Case> cases = {
      {folder / "ten", Oversize::kRefuse, FileError::kNone, "0123456789"},
      {folder / "link", Oversize::kRefuse, FileError::kNone, "0123456789"},
      {folder / "empty", Oversize::kRefuse, FileError::kNone, ""},
      {folder / "eleven", Oversize::kRefuse, FileError::kTooLarge, ""},
      {folder / "eleven", Oversize::kKeepStart, FileError::kNone, "0123456789"},
      {folder / "none", Oversize::kRefuse, FileError::kMissing, ""},
      {folder / "ten" / "below", Oversize::kKeepStart, FileError::kMissing, ""},
  };
  for (const Case& c : cases) {
    FileRead read = disk.ReadFile(c.Path, 10, c.Mode);
    EXPECT_EQ(read.Error, c.Error) << c.Path << ": " << read.Message;
    EXPECT_EQ(read.Bytes, c.Bytes) << c.Path;
    EXPECT_EQ(read.Message.empty(), read.Ok()) << c.Path;
    if (!read.Ok()) {
      EXPECT_NE(read.Message.find(c.Path.string()), std::string::npos) << read.Message;
    }
  }

  // A file whose size the system does not report (as in /proc) is still held to the limit.
  if (fs::exists("/proc/self/status")) {
    EXPECT_EQ(disk.ReadFile("/proc/self/status", 16, Oversize::kRefuse).Error,
              FileError::kTooLarge);
    EXPECT_EQ(disk.ReadFile("/proc/self/status", 16, Oversize::kKeepStart).Bytes.size(), 16u);
  }
  // Large files cross many buffers.
  std::string big(300000, 'x');
  big[299999] = 'y';
  WriteBytes(folder / "big", big);
  EXPECT_EQ(disk.ReadFile(folder / "big", big.size(), Oversize::kRefuse).Bytes, big);
}

TEST(FileSystemReplace, KeepsTheModeOfTheFileItReplaces) {
  TempFolder folder;
  PosixFileSystem disk;
  fs::path path = folder / "Tarnel.ini";
  ASSERT_TRUE(disk.ReplaceFile(path, "one"));
  EXPECT_EQ(ModeOf(path), 0644u);  // a new file, whatever the umask
  for (mode_t mode : {0600u, 0640u, 0664u, 0755u}) {
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    FileResult replaced = disk.ReplaceFile(path, std::string("two\0\x85", 5));
    ASSERT_TRUE(replaced) << replaced.Message;
    EXPECT_EQ(ModeOf(path), mode);
    EXPECT_EQ(ReadBytes(path), std::string("two\0\x85", 5));
  }
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<fs::path>{"Tarnel.ini"});
}

TEST(FileSystemReplace, WritesThroughSymbolicLinksAndKeepsThem) {
  TempFolder folder;
  PosixFileSystem disk;
  fs::create_directory(folder / "real");
  WriteBytes(folder / "real" / "file", "old");
  ASSERT_EQ(::chmod((folder / "real" / "file").c_str(), 0600), 0);

  struct Case {
    fs::path Link;
    fs::path Target;
  };
  fs::create_symlink(folder / "real" / "file", folder / "absolute");
  fs::create_symlink("real/file", folder / "relative");
  fs::create_symlink("relative", folder / "chain");
  fs::create_symlink("real/new", folder / "dangling");
  for (const Case& c : std::vector<Case>{{folder / "absolute", folder / "real" / "file"},
                                         {folder / "relative", folder / "real" / "file"},
                                         {folder / "chain", folder / "real" / "file"},
                                         {folder / "dangling", folder / "real" / "new"}}) {
    std::string bytes = "through " + c.Link.filename().string();
    FileResult replaced = disk.ReplaceFile(c.Link, bytes);
    ASSERT_TRUE(replaced) << replaced.Message;
    EXPECT_TRUE(fs::is_symlink(c.Link)) << c.Link;
    EXPECT_EQ(ReadBytes(c.Target), bytes) << c.Link;
  }
  EXPECT_EQ(ModeOf(folder / "real" / "file"), 0600u);
  // The temporary file lives beside the target, not beside the link.
  EXPECT_EQ(FolderEntries(folder / "real"), (std::vector<fs::path>{"file", "new"}));
  EXPECT_EQ(FolderEntries(folder.path()),
            (std::vector<fs::path>{"absolute", "chain", "dangling", "real", "relative"}));

  fs::create_symlink("loop", folder / "loop");
  EXPECT_FALSE(disk.ReplaceFile(folder / "loop", "x"));
  EXPECT_TRUE(fs::is_symlink(folder / "loop"));
}

TEST(FileSystemReplace, RefusalsAndFailuresLeaveTheOldFileAndNoTemporaryFile) {
  TempFolder folder;
  PosixFileSystem disk;
  WriteBytes(folder / "Tarnel.clb", "old");
  fs::create_directory(folder / "folder");
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  const std::vector<fs::path> before = FolderEntries(folder.path());

  struct Case {
    fs::path Path;
    FileError Error;
  };
  for (const Case& c : std::vector<Case>{{folder / "missing" / "x", FileError::kMissing},
                                         {folder / "folder", FileError::kNotAFile},
                                         {folder / "fifo", FileError::kNotAFile},
                                         {folder / "Tarnel.clb" / "x", FileError::kMissing}}) {
    FileResult result = disk.ReplaceFile(c.Path, "new");
    EXPECT_EQ(result.Error, c.Error) << c.Path << ": " << result.Message;
    EXPECT_NE(result.Message.find(c.Path.string()), std::string::npos) << result.Message;
  }
  EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
  EXPECT_TRUE(fs::is_directory(folder / "folder"));

  // A write that fails half-way: the process may not write files larger than 4 KB.
  std::string large(1 << 20, 'n');
  int failed = ExitCodeInChild(
      [&] {
        PosixFileSystem child;
        FileResult result = child.ReplaceFile(folder / "Tarnel.clb", large);
        return result.Ok() ? 0 : 1 + static_cast<int>(result.Error);
      },
      [] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      });
  EXPECT_EQ(failed, 1 + static_cast<int>(FileError::kFailed));
  EXPECT_EQ(ReadBytes(folder / "Tarnel.clb"), "old");
  EXPECT_EQ(FolderEntries(folder.path()), before);
}

TEST(FileSystemReplace, ReadOnlyFilesAreNeitherWritableNorReplaced) {
  TempFolder folder;
  fs::path path = folder / "Tarnel.clb";
  WriteBytes(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  // The folder is open to all, so only the file's own permission stops the rename.
  ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
  int refused = ExitCodeInChild([&] {
    // Permissions do not bind root: check as an ordinary user.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 2;
    PosixFileSystem disk;
    if (disk.IsWritable(path)) return 3;
    return disk.ReplaceFile(path, "new").Error == FileError::kDenied ? 0 : 4;
  });
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<fs::path>{"Tarnel.clb"});
}

TEST(FileSystemReplace, ConcurrentWritersNeverShareATemporaryFile) {
  TempFolder folder;
  fs::path path = folder / "lib.dll";
  constexpr int kWriters = 4;
  std::vector<std::string> contents;
  for (int w = 0; w < kWriters; ++w)
    contents.push_back(std::string(20000 + w, static_cast<char>('a' + w)));
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      PosixFileSystem disk;
      for (int round = 0; round < 20; ++round)
        if (!disk.ReplaceFile(path, contents[w])) ::_exit(1);
      ::_exit(0);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
  }
  std::string final = ReadBytes(path);
  EXPECT_NE(std::find(contents.begin(), contents.end(), final), contents.end())
      << "the file mixes writers: " << final.size() << " bytes";
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<fs::path>{"lib.dll"});
}

TEST(FileSystem, RemoveMakeFolderAndModificationTime) {
  TempFolder folder;
  PosixFileSystem disk;
  WriteBytes(folder / "temp33_25.mid", "MThd");
  EXPECT_TRUE(disk.RemoveFile(folder / "temp33_25.mid"));
  EXPECT_FALSE(disk.Exists(folder / "temp33_25.mid"));
  EXPECT_TRUE(disk.RemoveFile(folder / "temp33_25.mid"));  // already gone
  fs::create_directory(folder / "folder");
  EXPECT_EQ(disk.RemoveFile(folder / "folder").Error, FileError::kNotAFile);
  EXPECT_TRUE(fs::is_directory(folder / "folder"));

  EXPECT_TRUE(disk.MakeFolder(folder / "History" / "deep"));
  EXPECT_TRUE(disk.MakeFolder(folder / "History" / "deep"));
  WriteBytes(folder / "plain", "x");
  EXPECT_FALSE(disk.MakeFolder(folder / "plain"));

  EXPECT_FALSE(disk.ModificationTime(folder / "none").has_value());
  timespec times[2] = {{1700000000, 0}, {1234567890, 0}};  // access, modification
  ASSERT_EQ(::utimensat(AT_FDCWD, (folder / "plain").c_str(), times, 0), 0);
  EXPECT_EQ(disk.ModificationTime(folder / "plain"), 1234567890);
}

}  // namespace
}  // namespace tarnel
