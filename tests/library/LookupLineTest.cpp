#include <gtest/gtest.h>

#include <chrono>

#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using lumivox::LookupLine;
namespace fs = std::filesystem;

class LookupLineTest : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};
  std::string path = dir.file("Quorra.data");

  void library(const std::string& utf8) { writeGbk(path, utf8); }
  std::string look(const char* section, const char* key, const char* fallback = "FALLBACK") {
    return LookupLine(path, section, key, fallback);
  }
};

TEST_F(LookupLineTest, SectionsKeysAndFallbacks) {
  library("[Quorra]\r\n0=第一句\r\n1=第二句\r\n[TextNumber]\r\nTextNumber=2\r\n");
  EXPECT_EQ(look("Quorra", "0"), "第一句");
  EXPECT_EQ(look("Quorra", "1"), "第二句");
  EXPECT_EQ(look("TextNumber", "TextNumber"), "2");
  EXPECT_EQ(look("Quorra", "2"), "FALLBACK");
  EXPECT_EQ(look("Door", "0"), "FALLBACK");
  EXPECT_EQ(look("TextNumber", "0"), "FALLBACK");  // keys belong to their own section
  EXPECT_EQ(LookupLine(dir.file("missing.data"), "Quorra", "0", "缺少"), "缺少");
}

TEST_F(LookupLineTest, NamesIgnoreAsciiCaseAndFirstOccurrenceWins) {
  library("[quorra]\r\nKey=first\r\nkey=second\r\n[QUORRA]\r\nother=later section\r\n[Build]\r\nBuild=1\r\n");
  EXPECT_EQ(look("Quorra", "KEY"), "first");
  EXPECT_EQ(look("Quorra", "other"), "FALLBACK");  // the repeated section does not count
  EXPECT_EQ(look("build", "BUILD"), "1");
}

TEST_F(LookupLineTest, TrimsBlanksAndOnePairOfQuotes) {
  library("[S]\r\n  a \t=  \t spaced value \t \r\nb=\"quoted  \"\r\nc='single'\r\nd=\"mismatched'\r\n"
          "e=\"\"twice\"\"\r\nf=\r\ng=\"\r\n [ T ] \r\nh=in T\r\n");
  EXPECT_EQ(look("S", "a"), "spaced value");
  EXPECT_EQ(look("S", "b"), "quoted  ");
  EXPECT_EQ(look("S", "c"), "single");
  EXPECT_EQ(look("S", "d"), "\"mismatched'");
  EXPECT_EQ(look("S", "e"), "\"twice\"");
  EXPECT_EQ(look("S", "f"), "");  // present but empty: not the fallback
  EXPECT_EQ(look("S", "g"), "\"");
  EXPECT_EQ(look("T", "h"), "in T");
}

TEST_F(LookupLineTest, LinesOfOtherFormsCarryNothing) {
  library("before=no section\r\n[S]\r\njust text\r\n=no key\r\n[broken\r\nx=still S\r\n;c=comment-like key\r\n");
  EXPECT_EQ(look("S", "before"), "FALLBACK");
  EXPECT_EQ(look("S", "x"), "still S");
  EXPECT_EQ(look("S", ";c"), "comment-like key");
  EXPECT_EQ(look("S", "just text"), "FALLBACK");
}

TEST_F(LookupLineTest, LoneLineFeedsAndNoFinalLineEnd) {
  library("[S]\n0=lf line\n1=last line without end");
  EXPECT_EQ(look("S", "0"), "lf line");
  EXPECT_EQ(look("S", "1"), "last line without end");
}

TEST_F(LookupLineTest, ValuesAndFallbacksAreCutTo255Bytes) {
  library("[S]\r\nascii=" + std::string(300, 'x') + "\r\n");
  EXPECT_EQ(look("S", "ascii"), std::string(255, 'x'));
  EXPECT_EQ(LookupLine(path, "S", "none", std::string(300, 'y')), std::string(255, 'y'));

  // 128 two-byte characters: the cut at 255 bytes splits the last one, which
  // is dropped rather than shown as garbage.
  std::string chinese;
  for (int i = 0; i < 128; ++i) chinese += "汉";
  library("[S]\r\nwide=" + chinese + "\r\n");
  const std::string shown = look("S", "wide");
  EXPECT_EQ(shown.size(), 127u * 3);
  EXPECT_EQ(shown.substr(0, 3), "汉");
  EXPECT_EQ(shown.find("\xEF\xBF\xBD"), std::string::npos);
  // A fallback is cut the same way, whatever follows the cut.
  EXPECT_EQ(LookupLine(path, "S", "none", chinese + "\xF0\x9F\x98\x80"), shown);
  EXPECT_EQ(LookupLine(path, "S", "none", "\xF0\x9F\x98\x80" + chinese), "?" + shown);
}

TEST_F(LookupLineTest, BinaryAndInvalidGbk) {
  writeBytes(path, std::string("[S]\r\nnul=before\0after\r\nbad=a\xFF\xFF" "b\r\n", 33));
  EXPECT_EQ(look("S", "nul"), "before");
  EXPECT_EQ(look("S", "bad"), "a\xEF\xBF\xBD\xEF\xBF\xBD" "b");

  std::string noise;
  for (int i = 0; i < 200000; ++i) noise += static_cast<char>((i * 7919) % 256);
  writeBytes(path, noise);
  EXPECT_EQ(look("Quorra", "0"), "FALLBACK");
}

TEST_F(LookupLineTest, ChangeOnDiskIsSeenByTheNextLookup) {
  library("[Quorra]\r\n0=甲甲\r\n");
  EXPECT_EQ(look("Quorra", "0"), "甲甲");
  // Same size, within the same second, in place (same inode).
  library("[Quorra]\r\n0=乙乙\r\n");
  EXPECT_EQ(look("Quorra", "0"), "乙乙");

#ifndef _WIN32
  // An old file whose timestamp is then set back to exactly what it was:
  // the status-change time tells (Windows keeps no such time).
  library("[Quorra]\r\n0=丙丙\r\n");
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(path, old);
  EXPECT_EQ(look("Quorra", "0"), "丙丙");
  EXPECT_EQ(look("Quorra", "0"), "丙丙");
  library("[Quorra]\r\n0=丁丁\r\n");
  fs::last_write_time(path, old);
  EXPECT_EQ(look("Quorra", "0"), "丁丁");
#endif

  fs::remove(path);
  EXPECT_EQ(look("Quorra", "0"), "FALLBACK");
}

TEST_F(LookupLineTest, ReplacedByRenameIsSeen) {
  library("[Quorra]\r\n0=旧的\r\n");
  EXPECT_EQ(look("Quorra", "0"), "旧的");
  writeGbk(dir.file("new.data"), "[Quorra]\r\n0=新的\r\n");
  fs::rename(dir.file("new.data"), path);
  EXPECT_EQ(look("Quorra", "0"), "新的");
}

TEST_F(LookupLineTest, FolderInsteadOfFileGivesTheFallback) {
  fs::create_directory(path);
  EXPECT_EQ(look("Quorra", "0"), "FALLBACK");
}

TEST_F(LookupLineTest, LineNumbersOfEveryShapeAreFoundAsWritten) {
  library("[Quorra]\r\n0=zero\r\n1=first one\r\n1=second one\r\n007=padded\r\n00=double zero\r\n"
          "999999999=far away\r\n4294967296=beyond 32 bits\r\n-1=negative\r\n3=three\r\n");
  EXPECT_EQ(look("Quorra", "0"), "zero");
  EXPECT_EQ(look("Quorra", "1"), "first one");
  EXPECT_EQ(look("Quorra", "2"), "FALLBACK");
  EXPECT_EQ(look("Quorra", "3"), "three");
  EXPECT_EQ(look("Quorra", "7"), "FALLBACK");
  EXPECT_EQ(look("Quorra", "007"), "padded");
  EXPECT_EQ(look("Quorra", "00"), "double zero");
  EXPECT_EQ(look("Quorra", "999999999"), "far away");
  EXPECT_EQ(look("Quorra", "4294967296"), "beyond 32 bits");
  EXPECT_EQ(look("Quorra", "-1"), "negative");
  EXPECT_EQ(look("Quorra", "100"), "FALLBACK");
}
