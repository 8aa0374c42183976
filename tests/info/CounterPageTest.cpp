#include <gtest/gtest.h>

#include "info/CounterPage.h"
#include "info/PageText.h"
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

TEST(CounterPageTest, PageTextIsWhatABrowserShows) {
  struct Row { const char* html; const char* text; };
  const Row rows[] = {
      {"<p>1024</p>", "1024"},
      {"<html><head><title>用户编号</title><meta charset=gbk><style>p{color:red}</style>"
       "<script>document.write('<p>9</p>')</script></head><body><b>10</b>24</body></html>", "1024"},
      {"<head><title>t</title>not shown<body>shown", "shown"},
      {"<head><meta charset=gbk><p>1024</p>", "1024"},  // a head left open
      {"<script>if (a</b) x = '</script >';</script>2", "';2"},  // raw text ends at its end tag
      {"<!-- 注释 <p>9</p> --><!--><!--->第 1 位", "第 1 位"},
      {"<!DOCTYPE html><?xml x?></ ><p title='a>b' data-x=\"c>d\">1</p>", "1"},
      {"a<br>b<td>c</td>d", "a b c d"},
      {" \t\r\n 1 \xC2\xA0&nbsp; 2 \n", "1 2"},
      {"&amp;&lt;&gt;&quot;&apos;&#49;&#x32;&#X33;&#26159;&#x1F600;&amp", "&<>\"'123是\xF0\x9F\x98\x80&"},
      {"&AMP; &bogus; &# &#x; &#0; &#xD800; &#x110000; &#99999999999999999999; &#1; 1 < 2 &", 
       "&AMP; &bogus; &# &#x; &#0; &#xD800; &#x110000; &#99999999999999999999; &#1; 1 < 2 &"},
      {"<p>1", "1"},
      {"1<p title='never closed", "1"},
      {"1<script>never closed", "1"},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(pageText(row.html), row.text) << row.html;
}

TEST(CounterPageTest, CounterPageTextOfFilesHostileOrNot) {
  TempWorkDir dir;
  const std::string path = (dir.dataDir() / "GoUserNumberFiles.ED63rd").string();
  EXPECT_EQ(counterPageText(path), "1024");  // the sample page

  writeGbk(path, "<meta charset=gbk><p>恭喜&nbsp;第 7 位</p>");
  EXPECT_EQ(counterPageText(path), "恭喜 第 7 位");
  writeBytes(path, "<meta charset=\"utf-8\"><p>\xE7\xAC\xAC 8</p>");
  EXPECT_EQ(counterPageText(path), "\xE7\xAC\xAC 8");

  // Nesting as deep as a page under the size cap allows, and a page of
  // tags alone as large as the cap: one pass each.
  std::string nested = "<html><body>";
  for (int i = 0; i < 3000; ++i) nested += "<table><tr><td>";
  nested += "4096";
  for (int i = 0; i < 3000; ++i) nested += "</td></tr></table>";
  writeBytes(path, nested + "</body></html>");
  EXPECT_EQ(counterPageText(path), "4096");
  std::string tags;
  while (tags.size() + 8 <= kMaxCounterPageBytes) tags += "<b><i a>";
  writeBytes(path, tags);
  EXPECT_EQ(counterPageText(path), "");

  std::filesystem::remove(path);
  EXPECT_EQ(counterPageText(path), "");
}
