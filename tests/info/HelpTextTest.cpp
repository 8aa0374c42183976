#include <gtest/gtest.h>

#include "info/HelpText.h"

using namespace lumivox;

TEST(HelpTextTest, ThirtyLinesInSixParagraphs) {
  const auto& lines = helpLines();
  ASSERT_EQ(lines.size(), 30u);
  std::vector<std::vector<std::string_view>> paragraphs(1);
  for (std::string_view line : lines) {
    if (line.empty()) {
      paragraphs.emplace_back();
    } else {
      paragraphs.back().push_back(line);
    }
  }
  ASSERT_EQ(paragraphs.size(), 6u);
  EXPECT_EQ(paragraphs[0].size(), 5u);
  const std::vector<std::string_view> usage = {"使用方法：", "在游戏中用空格或自定义按键代替鼠标进行对话切换、剧情选项。"};
  EXPECT_EQ(paragraphs[3], usage);
  // The player keys by their defaults.
  ASSERT_EQ(paragraphs[4].size(), 6u);
  EXPECT_EQ(paragraphs[4][2], "Pause：暂停计数");
  EXPECT_EQ(paragraphs[4][5], "Ctrl+Alt+Home：对话列表");
  EXPECT_EQ(paragraphs[5].size(), 7u);
  EXPECT_EQ(paragraphs[5][0], "注意：");

  std::string wish, working;
  for (auto line : paragraphs[1]) wish += line;
  for (auto line : paragraphs[2]) working += line;
  EXPECT_EQ(wish.find("这款『Lumivox』正好可以满足您的"), 0u);
  EXPECT_EQ(wish.substr(wish.size() - 9), "愿望。");
  // Said the way this build works.
  EXPECT_NE(working.find("不读取、也不改动游戏"), std::string::npos);
#ifdef _WIN32
  EXPECT_NE(working.find("Windows"), std::string::npos);
#else
  EXPECT_NE(working.find("X服务器"), std::string::npos);
#endif

  const std::string text = helpText();
  std::size_t lineEnds = 0;
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lineEnds;
  EXPECT_EQ(lineEnds, 30u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}
