// Which lines are UTF-8: never GBK text that happens to be well-formed UTF-8
// too, on a corpus of real Chinese (common words, names, lines of dialogue)
// and on every GBK character whose two bytes are a UTF-8 character.

#include <gtest/gtest.h>

#include "check/TextEncoding.h"
#include "platform/TextCodec.h"

using namespace lumivox;

namespace {

// Common words and names, the kind of text a translation holds; names with
// rarer characters (GB2312's second level) among them.
// clang-format off
const char* const kCorpus[] = {
    "你好", "谢谢", "小谢", "谢谢你", "对话就到这里了", "期待更新哦", "第一句", "门一", "测试版", "未知版本",
    "准备开始对话...", "读取完毕，请按您设置的键开始对话", "艾丝蒂尔", "约修亚", "雪拉扎德", "奥利维尔", "科洛丝",
    "阿加特", "提妲", "卡西乌斯", "王都格兰赛尔", "洛连特市", "蔡斯市", "卢安市", "柏斯市", "游击士协会", "女王陛下",
    "公爵", "空贼团", "结社", "执行者", "教授", "剑圣", "张伟", "王芳", "李娜", "刘洋", "陈静", "杨帆", "赵磊",
    "黄敏", "周杰", "吴昊", "徐丽", "孙悦", "马超", "朱婷", "胡歌", "郭靖", "何炅", "高圆圆", "林俊杰", "罗志祥",
    "欧阳娜娜", "司马懿", "诸葛亮", "上官婉儿", "王赟", "李玥", "张琪", "刘璐", "陈瑶", "杨钰莹", "赵薇", "周迅",
    "中华人民共和国", "北京", "上海", "广州", "深圳", "天津", "重庆", "成都", "杭州", "南京", "武汉", "西安",
    "苏州", "时间", "问题", "工作", "学习", "朋友", "老师", "学生", "医生", "电脑", "手机", "飞机", "火车",
    "今天天气很好。", "我爱你。", "请多关照。", "欢迎光临。", "早上好！", "晚安。", "对不起。", "没关系。", "再见！",
    "你说什么？", "我们走吧！", "这是怎么回事……", "嗯，我知道了。", "“等一下！”", "——原来如此。",
    "真的吗？太好了！", "别担心，交给我吧。", "一二三四五六七八九十", "百千万亿", "壹贰叁肆伍陆柒捌玖拾", "甲乙丙丁",
    "春夏秋冬", "东南西北", "红橙黄绿青蓝紫", "《空之轨迹》", "第 3 章：「旅途」", "HP 100／100", "约 5 分钟",
    "喂——小谢！", "啊啊啊啊", "哈哈哈", "呜……", "嘿嘿", "咦？", "哦，是吗。", "嗯嗯", "唔", "呃……",
};
// clang-format on

std::string line(const std::string& text) { return "12=" + text; }

TEST(LineEncoding, TheCorpusIsGbkInGbkAndUtf8InUtf8) {
  for (const char* text : kCorpus) {
    EXPECT_EQ(lineEncoding(line(utf8ToGbk(text))), LineEncoding::Gbk) << text;
    EXPECT_EQ(lineEncoding(line(text)), LineEncoding::Utf8) << text;
  }
  EXPECT_EQ(lineEncoding("[Quorra]"), LineEncoding::Ascii);
}

// Their UTF-8 reading is one character of U+0080 to U+07FF: Greek,
// Cyrillic, accented Latin, Arabic, ..., never Chinese.
TEST(LineEncoding, EveryGbkCharacterThatIsAlsoUtf8IsGbk) {
  int characters = 0;
  for (int lead = 0xC2; lead <= 0xDF; ++lead) {
    for (int trail = 0x80; trail <= 0xBF; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_TRUE(isUtf8(pair));
      if (readGbkAt(pair, 0).kind != GbkUnit::Kind::Character) continue;
      ++characters;
      ASSERT_EQ(lineEncoding(line(pair)), LineEncoding::Gbk) << gbkToUtf8(pair);
      ASSERT_EQ(lineEncoding(line(pair + pair + "!")), LineEncoding::Gbk) << gbkToUtf8(pair);
    }
  }
  EXPECT_EQ(characters, 30 * 64);
}

TEST(LineEncoding, WhatTellsThemApart) {
  // Players see "浣犲ソ" for UTF-8 "你好": rarer characters and a kana.
  const LineOddness hello = lineOddness("7=你好");
  EXPECT_EQ(hello.utf8, 0u);
  EXPECT_EQ(hello.gbk, 3u);
  EXPECT_TRUE(hello.wide);
  EXPECT_EQ(gbkToUtf8("7=你好"), "7=浣犲ソ");
  // A character GBK lacks is UTF-8 all the same: the checker names it.
  EXPECT_EQ(lineEncoding("1=你好😀"), LineEncoding::Utf8);
  // Accented Latin alone reads as common Chinese in GBK: taken as GBK.
  EXPECT_EQ(lineEncoding("1=Café"), LineEncoding::Gbk);
  // Text that is as odd one way as the other.
  const std::string either = "1=\xE4\xA1\xB0\xE4\xA1\xA1";
  EXPECT_EQ(lineEncoding(either), LineEncoding::Unsure) << gbkToUtf8(either);
}

}  // namespace
