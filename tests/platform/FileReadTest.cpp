#include <gtest/gtest.h>

#include "platform/FileRead.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "support/InChild.h"
#endif

using lumivox::FileError;
using lumivox::readWholeFile;
namespace fs = std::filesystem;

TEST(FileRead, ReadsExactlyTheBytesUpToTheLimit) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("f.bin");
  const std::string bytes("a\0b\r\n\xFF", 6);
  writeBytes(path, bytes);
  EXPECT_EQ(readWholeFile(path, 6), bytes);
  EXPECT_THROW(readWholeFile(path, 5), FileError);
  writeBytes(path, "");
  EXPECT_EQ(readWholeFile(path, 0), "");
  EXPECT_THROW(readWholeFile(dir.file("missing"), 100), FileError);
}

TEST(FileRead, ABufferKeptByTheCallerHoldsOnlyTheNewContent) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("f.txt");
  std::string buffer(1000, 'x');
  writeBytes(path, "short");
  readWholeFile(path, 100, buffer);
  EXPECT_EQ(buffer, "short");
  fs::create_directory(dir.path() / "folder");
  EXPECT_THROW(readWholeFile(dir.file("folder"), 100, buffer), FileError);
  EXPECT_EQ(buffer, "");
}

#ifndef _WIN32
// Every kind of file that is no regular file is unreadable, at once: none may
// block the caller (the GUI thread) or feed it endless bytes.
class HostileFile : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};

  std::vector<fs::path> hostileFiles() {
    const fs::path pipe = dir.path() / "pipe", zero = dir.path() / "zero", random = dir.path() / "random",
                   folder = dir.path() / "folder", socket = dir.path() / "socket";
    EXPECT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", zero);
    fs::create_symlink("/dev/urandom", random);
    fs::create_directory(folder);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    sockets_.push_back(fd);
    return {pipe, zero, random, folder, socket};
  }
  ~HostileFile() override {
    for (int fd : sockets_) ::close(fd);
  }

 private:
  std::vector<int> sockets_;
};

// No limit on the size, so a device read like a file would go on for ever.
constexpr std::size_t kNoLimit = std::size_t{1} << 62;

TEST_F(HostileFile, IsUnreadableAtOnce) {
  for (const fs::path& path : hostileFiles()) {
    const int code = inChild(std::chrono::seconds(5), [&] {
      try {
        readWholeFile(path.string(), kNoLimit);
      } catch (const FileError&) {
        return 0;
      }
      return 1;
    });
    EXPECT_EQ(code, 0) << path << (code == -1 ? ": blocked" : ": was read");
  }
}

TEST_F(HostileFile, APipeWithAWriterIsUnreadableToo) {
  const fs::path pipe = hostileFiles()[0];
  const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);  // keeps a writer on it
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::write(writer, "12\r\n", 4), 4);
  EXPECT_EQ(inChild(std::chrono::seconds(5),
                    [&] {
                      try {
                        readWholeFile(pipe.string(), 1024);
                      } catch (const FileError&) {
                        return 0;
                      }
                      return 1;
                    }),
            0);
  ::close(writer);
}

// A file whose size says nothing of its content (the kernel's own files say
// 0) gives what its size promised, not an endless read.
TEST(FileRead, ReadsNoMoreThanTheSizeFound) {
  TempWorkDir dir(TempWorkDir::Data::None);
  if (!fs::exists("/proc/self/status")) GTEST_SKIP() << "no /proc";
  fs::create_symlink("/proc/self/status", dir.path() / "status");
  EXPECT_EQ(readWholeFile((dir.path() / "status").string(), 1024), "");
}
#endif
