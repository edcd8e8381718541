#include "records/records_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "records_test_support.h"

namespace tarnel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(PosixFileSystem, ReplaceKeepsModeAndLeavesNoTemporaryFiles) {
  TempFolder folder;
  PosixFileSystem fs;
  std::filesystem::path path = folder / "Tarnel.clb";
  ASSERT_TRUE(fs.ReplaceFile(path, "one"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(fs.ReplaceFile(path, std::string("two\0\x85", 5)));
  EXPECT_EQ(ReadBytes(path), std::string("two\0\x85", 5));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_FALSE(fs.ReplaceFile(folder / "missing" / "x", "y"));
  EXPECT_FALSE(fs.ReplaceFile(folder.path(), "a folder is not replaced"));
}

TEST(PosixFileSystem, ReplaceWritesThroughSymbolicLinks) {
  TempFolder folder;
  PosixFileSystem fs;
  WriteBytes(folder / "real", "old");
  std::filesystem::create_symlink(folder / "real", folder / "link");
  ASSERT_TRUE(fs.ReplaceFile(folder / "link", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
  EXPECT_EQ(ReadBytes(folder / "real"), "new");
}

TEST(PosixFileSystem, ReadOnlyFilesAreNeitherWritableNorReplaced) {
  TempFolder folder;
  std::filesystem::path path = folder / "Tarnel.clb";
  WriteBytes(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  // The folder is open to all, so only the file's own permission stops the rename.
  ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
  auto refused = [&] {
    PosixFileSystem fs;
    return !fs.IsWritable(path) && !fs.ReplaceFile(path, "new");
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(refused());
  } else {
    // Permissions do not bind root: check as an ordinary user in a child process.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
      ::_exit(dropped && refused() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(ReadBytes(path), "old");
}

TEST(PosixFileSystem, ReadsOnlyRegularFilesAndStopsPastTheLimit) {
  TempFolder folder;
  PosixFileSystem fs;
  WriteBytes(folder / "big", std::string(100000, 'x'));
  EXPECT_EQ(fs.ReadFile(folder / "big", 10)->size(), 11u);
  EXPECT_EQ(fs.ReadFile(folder / "big", 200000)->size(), 100000u);
  EXPECT_FALSE(fs.ReadFile(folder / "none", 10).has_value());
  EXPECT_FALSE(fs.ReadFile(folder.path(), 10).has_value());
  std::filesystem::path fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(fs.ReadFile(fifo, 10).has_value());  // returns instead of waiting for a writer
}

TEST(ShortDateFormat, Tokens) {
  LocalTime t{2026, 3, 7, 9, 5, 0};
  EXPECT_EQ(FormatShortDate("dd.mm.yyyy", t), "07.03.2026");
  EXPECT_EQ(FormatShortDate("d/m/yy", t), "7/3/26");
  EXPECT_EQ(FormatShortDate("YYYY MM DD", t), "2026 03 07");
  EXPECT_EQ(FormatShortDate("'day' d", t), "day 7");
}

}  // namespace
}  // namespace tarnel
