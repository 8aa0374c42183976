#include <gtest/gtest.h>

#include "common/FileRead.h"
#include "core/IniWriter.h"
#include "core/LookupLine.h"
#include "platform/TextCodec.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

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
  EXPECT_EQ(withIniValue("[T]\nX=1", "T", "T", "60"), "[T]\nX=1\r\nT=60");
  EXPECT_EQ(withIniValue("[T]\nX=1\n", "T", "T", "60"), "[T]\nX=1\nT=60\n");
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
