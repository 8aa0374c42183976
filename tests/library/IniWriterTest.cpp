#include <gtest/gtest.h>

#include "library/IniWriter.h"
#include "library/LookupLine.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

using lumivox::withIniValue;

TEST(IniWriter, ReplacesOnlyTheValueBytes) {
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=x\r\n[t]\r\n t = 60 \r\nT=second\r\n[End]\r\n", "T", "T", "90"),
            "[Quorra]\r\n0=x\r\n[t]\r\n t =90\r\nT=second\r\n[End]\r\n");
  EXPECT_EQ(withIniValue("[T]\nT=60", "T", "T", "5"), "[T]\nT=5");
}

TEST(IniWriter, AddsAMissingKeyAtTheEndOfItsSection) {
  EXPECT_EQ(withIniValue("[T]\r\nX=1\r\n\r\n[Next]\r\nY=2\r\n", "T", "T", "60"),
            "[T]\r\nX=1\r\nT=60\r\n\r\n[Next]\r\nY=2\r\n");
  EXPECT_EQ(withIniValue("[T]\r\n[Next]\r\n", "T", "T", "60"), "[T]\r\nT=60\r\n[Next]\r\n");
  EXPECT_EQ(withIniValue("[T]\nX=1\n", "T", "T", "60"), "[T]\nX=1\nT=60\n");
}

// The last line of the file ends in a lone CR or in nothing: the new entry
// still gets a line of its own, every byte already there stays, and what was
// readable reads as before.
TEST(IniWriter, LastLineWithoutAFullLineEnd) {
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=hi\r\n[T]\r\nX=1\r", "T", "T", "30"),
            "[Quorra]\r\n0=hi\r\n[T]\r\nX=1\r\nT=30\r\n");
  EXPECT_EQ(withIniValue("[T]\nX=1", "T", "T", "60"), "[T]\nX=1\r\nT=60\r\n");
  EXPECT_EQ(withIniValue("[T]\r", "T", "T", "60"), "[T]\r\nT=60\r\n");
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=hi\r", "T", "T", "30"), "[Quorra]\r\n0=hi\r\n[T]\r\nT=30\r\n");
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=hi", "T", "T", "30"), "[Quorra]\r\n0=hi\r\n[T]\r\nT=30\r\n");
  // Two CRs at the end: the first belongs to the value, as it did before.
  EXPECT_EQ(withIniValue("[T]\r\nX=1\r\r", "T", "T", "5"), "[T]\r\nX=1\r\r\nT=5\r\n");
  // A replaced value keeps whatever ended its line.
  EXPECT_EQ(withIniValue("[T]\r\nT=1\r", "T", "T", "5"), "[T]\r\nT=5\r");
  EXPECT_EQ(withIniValue("[T]\r\nT=1", "T", "T", "5"), "[T]\r\nT=5");

  // Read back through the reader: the new entry and every old one.
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("Quorra.data");
  for (const char* before : {"[Quorra]\r\n0=hi\r\n[T]\r\nX=1\r", "[Quorra]\r\n0=hi\r", "[Quorra]\r\n0=hi",
                             "[T]\r\nX=1\r\r", "[T]\nX=1"}) {
    writeBytes(path, before);
    const std::string x = lumivox::LookupLine(path, "T", "X", "none");
    const std::string zero = lumivox::LookupLine(path, "Quorra", "0", "none");
    lumivox::writeIniValue(path, "T", "T", "30");
    EXPECT_EQ(lumivox::LookupLine(path, "T", "T", "none"), "30") << before;
    EXPECT_EQ(lumivox::LookupLine(path, "T", "X", "none"), x) << before;
    EXPECT_EQ(lumivox::LookupLine(path, "Quorra", "0", "none"), zero) << before;
    EXPECT_EQ(readBytes(path).substr(0, std::string(before).size()), before);
  }
}

TEST(IniWriter, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(withIniValue("", "T", "T", "60"), "[T]\r\nT=60\r\n");
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=x\r\n", "T", "T", "60"), "[Quorra]\r\n0=x\r\n[T]\r\nT=60\r\n");
  EXPECT_EQ(withIniValue("[Quorra]\r\n0=x", "T", "T", "60"), "[Quorra]\r\n0=x\r\n[T]\r\nT=60\r\n");
  // "T=" in another section is not the key of section T
  EXPECT_EQ(withIniValue("[Quorra]\r\nT=x\r\n", "T", "T", "1"), "[Quorra]\r\nT=x\r\n[T]\r\nT=1\r\n");
}

TEST(IniWriter, KeepsEveryOtherByteOfAGbkFile) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("Quorra.data");
  const std::string before = lumivox::utf8ToGbk("[Quorra]\r\n0=「你好」  \r\n1='引号'\r\n[T]\r\nT=60\r\n[Build]\r\nBuild=测试\r\n");
  writeBytes(path, before);
  EXPECT_EQ(lumivox::LookupLine(path, "T", "T", ""), "60");

  lumivox::writeIniValue(path, "T", "T", "120");
  std::string expected = before;
  expected.replace(expected.find("T=60") + 2, 2, "120");
  EXPECT_EQ(readBytes(path), expected);
  EXPECT_EQ(lumivox::LookupLine(path, "T", "T", ""), "120");
  EXPECT_EQ(lumivox::LookupLine(path, "Quorra", "0", ""), "「你好」");
}

TEST(IniWriter, CreatesAMissingFileAndStopsAValueAtALineBreak) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string path = dir.file("Quorra.data");
  lumivox::writeIniValue(path, "T", "T", "30\r\n[Quorra]\r\n0=injected");
  EXPECT_EQ(readBytes(path), "[T]\r\nT=30\r\n");
  EXPECT_THROW(lumivox::writeIniValue(dir.file("NoData/Quorra.data"), "T", "T", "1"), lumivox::FileError);
}

#ifndef _WIN32
namespace fs = std::filesystem;

TEST(IniWriter, ALinkIsWrittenThroughAndStaysALink) {
  TempWorkDir dir(TempWorkDir::Data::None);
  fs::create_directory(dir.path() / "libraries");
  const fs::path real = dir.path() / "libraries" / "Quorra.data";
  writeBytes(real, "[Quorra]\r\n0=x\r\n[T]\r\nT=60\r\n");
  fs::create_directory(dir.path() / "Data");
  const fs::path link = dir.path() / "Data" / "Quorra.data";
  fs::create_symlink("../libraries/Quorra.data", link);  // relative, as users make them

  lumivox::writeIniValue(link.string(), "T", "T", "90");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), "../libraries/Quorra.data");
  EXPECT_EQ(readBytes(real), "[Quorra]\r\n0=x\r\n[T]\r\nT=90\r\n");
  EXPECT_EQ(lumivox::LookupLine(link.string(), "T", "T", ""), "90");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "libraries"), fs::directory_iterator()), 1);
}

TEST(IniWriter, AReadOnlyLibraryIsNotReplaced) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path path = dir.path() / "Quorra.data";
  const std::string before = "[Quorra]\r\n0=x\r\n[T]\r\nT=60\r\n";
  writeBytes(path, before);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THROW(lumivox::writeIniValue(path.string(), "T", "T", "90"), lumivox::FileError);
  EXPECT_EQ(readBytes(path), before);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(lumivox::LookupLine(path.string(), "T", "T", ""), "60");
}

TEST(IniWriter, ALibraryThatIsNoRegularFileIsLeftAlone) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path pipe = dir.path() / "pipe.data", zero = dir.path() / "zero.data", folder = dir.path() / "folder.data";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", zero);
  fs::create_directory(folder);
  for (const fs::path& path : {pipe, zero, folder}) {
    EXPECT_THROW(lumivox::writeIniValue(path.string(), "T", "T", "90"), lumivox::FileError) << path;
    EXPECT_FALSE(fs::is_regular_file(path)) << path;
  }
  EXPECT_TRUE(fs::is_symlink(zero));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}
#endif
