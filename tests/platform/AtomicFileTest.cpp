#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>
#endif

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
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
// to it anyway); like on Windows, it stays as it is. So does a pipe.
TEST(AtomicFile, ReadOnlyFileOrPipeIsNotReplaced) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path target = dir.path() / "HotKeys.opi";
  writeBytes(target, "old\r\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THROW(lumivox::writeFileAtomically(target.string(), "new\r\n"), lumivox::FileError);
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readBytes(target), "old\r\n");
  EXPECT_EQ(filesIn(dir.path()), 1u);
#ifndef _WIN32
  const fs::path pipe = dir.path() / "Save.sav";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_THROW(lumivox::writeFileAtomically(pipe.string(), "1\r\n"), lumivox::FileError);
  EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
#endif
}

// What a save killed midway left is removed by the next save of that file,
// and only that: another file's, or one a running save is still writing
// (another instance's, holding its lock), stays.
TEST(AtomicFile, LeftoversOfKilledSavesGoWithTheNextSaveOfTheirFile) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path folder = dir.path();
#ifdef _WIN32
  writeBytes(folder / "Save.sav.lumivox-tmp", "12");
  lumivox::writeFileAtomically((folder / "Save.sav").string(), "7\r\n");
  EXPECT_EQ(filesIn(folder), 1u);
#else
  writeBytes(folder / "Save.sav.lumivox-tmp-4242", "12");
  writeBytes(folder / "Save.sav.lumivox-tmp-77", "");
  writeBytes(folder / "AutoSave.sav.lumivox-tmp-4242", "3");
  writeBytes(folder / "Save.sav.lumivox-tmp-1", "99");
  const int running = ::open((folder / "Save.sav.lumivox-tmp-1").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(running, LOCK_EX), 0);
  lumivox::writeFileAtomically((folder / "Save.sav").string(), "7\r\n");
  ::close(running);
  EXPECT_EQ(readBytes(folder / "Save.sav"), "7\r\n");
  EXPECT_FALSE(fs::exists(folder / "Save.sav.lumivox-tmp-4242"));
  EXPECT_FALSE(fs::exists(folder / "Save.sav.lumivox-tmp-77"));
  EXPECT_TRUE(fs::exists(folder / "AutoSave.sav.lumivox-tmp-4242"));
  EXPECT_TRUE(fs::exists(folder / "Save.sav.lumivox-tmp-1"));
#endif
}

#ifndef _WIN32
TEST(AtomicFile, ALinkIsWrittenThroughAndStaysALink) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path synced = dir.path() / "synced", data = dir.path() / "Data";
  fs::create_directory(synced);
  fs::create_directory(data);
  writeBytes(synced / "Save.sav", "1\r\n");
  fs::permissions(synced / "Save.sav", fs::perms::owner_read | fs::perms::owner_write);
  // A chain: an absolute link to a relative one, as users make them.
  fs::create_symlink("../synced/Save.sav", data / "Relative.sav");
  fs::create_symlink(data / "Relative.sav", data / "Save.sav");
  lumivox::writeFileAtomically((data / "Save.sav").string(), "2\r\n");
  EXPECT_TRUE(fs::is_symlink(data / "Save.sav"));
  EXPECT_TRUE(fs::is_symlink(data / "Relative.sav"));
  EXPECT_EQ(readBytes(synced / "Save.sav"), "2\r\n");
  EXPECT_EQ(fs::status(synced / "Save.sav").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(filesIn(synced), 1u);

  // A link to a file not there yet makes that file; a loop of links is an error.
  fs::create_symlink("../synced/AutoSave.sav", data / "AutoSave.sav");
  lumivox::writeFileAtomically((data / "AutoSave.sav").string(), "3\r\n");
  EXPECT_TRUE(fs::is_symlink(data / "AutoSave.sav"));
  EXPECT_EQ(readBytes(synced / "AutoSave.sav"), "3\r\n");
  fs::create_symlink("Loop2.sav", data / "Loop1.sav");
  fs::create_symlink("Loop1.sav", data / "Loop2.sav");
  EXPECT_THROW(lumivox::writeFileAtomically((data / "Loop1.sav").string(), "4\r\n"), lumivox::FileError);
  EXPECT_EQ(filesIn(data), 5u);
}

// A save killed at any point (at once, before its temporary may exist, or
// while it writes a large file) leaves the old file whole or the new one,
// never a torn one, and at most one leftover, which the next save removes.
TEST(AtomicFile, AKilledSaveLeavesNothingForGood) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path target = dir.path() / "Save.sav";
  const std::string big(std::size_t{64} << 20, '9');
  for (const auto temporary : {lumivox::Temporary::UnnamedWhereAllowed, lumivox::Temporary::Named}) {
    for (const auto delay : {std::chrono::milliseconds(0), std::chrono::milliseconds(5)}) {
      writeBytes(target, "41\r\n");
      int started[2];
      ASSERT_EQ(::pipe(started), 0);
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        (void)!::write(started[1], "!", 1);
        lumivox::writeFileAtomically(target.string(), big, temporary);
        ::_exit(0);
      }
      char signal;
      ASSERT_EQ(::read(started[0], &signal, 1), 1);
      ::close(started[0]);
      ::close(started[1]);
      std::this_thread::sleep_for(delay);
      ::kill(child, SIGKILL);
      ::waitpid(child, nullptr, 0);

      const std::string left = readBytes(target);
      EXPECT_TRUE(left == "41\r\n" || left == big) << left.size() << " bytes";
      EXPECT_LE(filesIn(dir.path()), 2u);
      lumivox::writeFileAtomically(target.string(), "42\r\n", temporary);
      EXPECT_EQ(readBytes(target), "42\r\n");
      EXPECT_EQ(filesIn(dir.path()), 1u);
    }
  }
}
#endif
