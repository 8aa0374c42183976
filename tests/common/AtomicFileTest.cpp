#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

#include "common/AtomicFile.h"
#include "common/FileRead.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

namespace fs = std::filesystem;

namespace {
std::size_t filesIn(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
}  // namespace

TEST(AtomicFile, CreatesAndReplacesWithExactBytesAndNoLeftovers) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("Save.sav");
  lumivox::writeFileAtomically(path, "1234\r\n");
  EXPECT_EQ(readBytes(path), "1234\r\n");
  lumivox::writeFileAtomically(path, "7\r\n");
  EXPECT_EQ(readBytes(path), "7\r\n");
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicFile, MissingFolderIsAnErrorAndIsNotCreated) {
  TempWorkDir dir(TempWorkDir::Data::None);
  EXPECT_THROW(lumivox::writeFileAtomically(dir.file("NoData/Save.sav"), "1\r\n"), lumivox::FileError);
  EXPECT_FALSE(fs::exists(dir.path() / "NoData"));
}

#ifndef _WIN32
TEST(AtomicFile, KeepsPermissionsOfTheFileItReplaces) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("HotKeys.opi");
  writeBytes(path, "old");
  ::chmod(path.c_str(), 0640);
  lumivox::writeFileAtomically(path, "new");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, UnwritableFolderLeavesTheOldFileAndNoTemporary) {
  TempWorkDir dir(TempWorkDir::Data::None);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const fs::path locked = dir.path() / "locked";
  fs::create_directory(locked);
  writeBytes(locked / "Save.sav", "old\r\n");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(lumivox::writeFileAtomically((locked / "Save.sav").string(), "new\r\n"), lumivox::FileError);
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(readBytes(locked / "Save.sav"), "old\r\n");
  EXPECT_EQ(filesIn(locked), 1u);
}

// A disk that fills up mid-write: a file-size limit makes write() fail after
// a few bytes, as a full disk would. The old file must stay whole.
TEST(AtomicFile, WriteFailingMidwayNeverReplacesTheTarget) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path target = dir.path() / "Save.sav";
  writeBytes(target, "42\r\n");

  struct rlimit previous {};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = previous;
  small.rlim_cur = 8;
  ::setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_THROW(lumivox::writeFileAtomically(target.string(), std::string(4096, '9')), lumivox::FileError);
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(readBytes(target), "42\r\n");
  EXPECT_EQ(filesIn(dir.path()), 1u);
}
#endif

// Renaming over a read-only file would succeed on POSIX (and root may write
// to it anyway); like on Windows, it stays as it is.
TEST(AtomicFile, ReadOnlyFileIsNotReplaced) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path target = dir.path() / "HotKeys.opi";
  writeBytes(target, "old\r\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THROW(lumivox::writeFileAtomically(target.string(), "new\r\n"), lumivox::FileError);
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readBytes(target), "old\r\n");
  EXPECT_EQ(filesIn(dir.path()), 1u);
}
