#include <gtest/gtest.h>

#include "platform/TextCodec.h"

using lumivox::gbkToUtf8;
using lumivox::utf8ToGbk;

TEST(TextCodec, RoundTripsChineseAndAscii) {
  const std::string text = "对话数：42 Lumivox";
  const std::string gbk = utf8ToGbk(text);
  EXPECT_EQ(gbk.size(), 4u * 2 + 2 + 1 + 7);  // three characters and a full-width colon, "42", a blank, "Lumivox"
  EXPECT_EQ(gbkToUtf8(gbk), text);
  EXPECT_EQ(utf8ToGbk("你"), "\xC4\xE3");
}

TEST(TextCodec, LoneLeadByteAtTheEndIsDropped) {
  EXPECT_EQ(gbkToUtf8("\xC4\xE3\xBA"), "你");
}

TEST(TextCodec, InvalidBytesBecomeReplacementCharactersAndDecodingGoesOn) {
  EXPECT_EQ(gbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(gbkToUtf8("\x81\x20x"), "\xEF\xBF\xBD x");  // a lead byte followed by a byte that cannot trail
}

TEST(TextCodec, UnencodableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji has no GBK code
  EXPECT_EQ(utf8ToGbk("a\xC3" "b"), "a?b");               // a broken UTF-8 sequence
}
