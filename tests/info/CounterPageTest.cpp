#include <gtest/gtest.h>

#include "info/CounterPage.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

TEST(CounterPageTest, DeclaredCharsetAsBrowsersFindIt) {
  struct Row { const char* page; const char* charset; };
  const Row rows[] = {
      {"<meta charset=\"GBK\">", "gbk"},
      {"<META CHARSET=utf-8>", "utf-8"},
      {"<meta charset = ' gb2312 ' >", "gb2312"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">", "gbk"},
      {"<meta content='text/html;charset=\"UTF-8\"' http-equiv=content-type>", "utf-8"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html\">", ""},
      {"<meta content=\"text/html; charset=utf-8\">", ""},  // content without http-equiv
      {"<meta name=\"charset\" content=\"x\"><meta charset=gbk>", "gbk"},
      {"<!-- <meta charset=utf-8> --><meta charset=gbk>", "gbk"},
      {"<p title='<meta charset=utf-8>'></p><meta charset=gbk>", "gbk"},
      {"<metadata charset=utf-8>", ""},
      {"<html><head><title>x</title></head></html>", ""},
      {"", ""},
      {"<meta charset=", ""},
      {"<meta charset=\"utf-8", "utf-8"},
      {"<!-- never closed <meta charset=utf-8>", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(declaredCharset(row.page), row.charset) << row.page;

  // Only the first 1024 bytes count.
  EXPECT_EQ(declaredCharset(std::string(1020, ' ') + "<meta charset=utf-8>"), "");
  EXPECT_EQ(declaredCharset(std::string(900, ' ') + "<meta charset=utf-8>"), "utf-8");
}

TEST(CounterPageTest, PageIsDecodedFromItsDeclaredCharset) {
  TempWorkDir dir;
  const std::string path = (dir.dataDir() / "GoUserNumberFiles.ED63rd").string();

  const auto sample = readCounterPage(path);
  ASSERT_TRUE(sample);
  EXPECT_NE(sample->find("<title>用户编号</title>"), std::string::npos);
  EXPECT_NE(sample->find("<p>1024</p>"), std::string::npos);

  writeBytes(path, "<meta charset=utf-8><p>第\xE4\xB8\x80</p>");
  EXPECT_EQ(*readCounterPage(path), "<meta charset=utf-8><p>第\xE4\xB8\x80</p>");
  writeBytes(path, "\xEF\xBB\xBF<p>\xE4\xB8\x80</p>");
  EXPECT_EQ(*readCounterPage(path), "<p>\xE4\xB8\x80</p>");
  writeGbk(path, "<p>没有声明的页面按GBK读</p>");
  EXPECT_EQ(*readCounterPage(path), "<p>没有声明的页面按GBK读</p>");
  writeGbk(path, "<meta charset=big5><p>其他字符集也按GBK读</p>");
  EXPECT_EQ(*readCounterPage(path), "<meta charset=big5><p>其他字符集也按GBK读</p>");
}

TEST(CounterPageTest, BadPagesGiveNothingOrTheirText) {
  TempWorkDir dir;
  const std::string path = (dir.dataDir() / "GoUserNumberFiles.ED63rd").string();
  std::filesystem::remove(path);
  EXPECT_FALSE(readCounterPage(path));
  EXPECT_FALSE(readCounterPage(dir.dataDir().string()));  // a folder
  writeBytes(path, std::string(kMaxCounterPageBytes + 1, 'x'));
  EXPECT_FALSE(readCounterPage(path));

  writeBytes(path, std::string("<p>\x81\x00\xFF</b></table", 15));
  const auto broken = readCounterPage(path);
  ASSERT_TRUE(broken);
  EXPECT_EQ(broken->substr(0, 3), "<p>");
  writeBytes(path, "");
  EXPECT_EQ(*readCounterPage(path), "");
}
