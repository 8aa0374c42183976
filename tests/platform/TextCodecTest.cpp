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
  for (int twice = 0; twice < 2; ++twice) {  // the second time from what the first one learnt
    EXPECT_EQ(utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");            // an emoji has no GBK code
    EXPECT_EQ(utf8ToGbk("\xEF\xBF\xBD\xE4\xBD\xA0\xEF\xBF\xBD"), "?\xC4\xE3?");  // nor U+FFFD
    EXPECT_EQ(utf8ToGbk("a\xC3" "b"), "a?b");                         // a broken UTF-8 sequence
  }
}

TEST(TextCodec, EveryGbkCharacterComesBackFromItsCode) {
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string character = gbkToUtf8(code);
      if (character.find("\xEF\xBF\xBD") != std::string::npos) continue;  // no character there
      ++characters;
      ASSERT_EQ(gbkToUtf8(utf8ToGbk(character)), character) << std::hex << lead << ' ' << trail;
    }
  }
  EXPECT_GT(characters, 20000);
}

TEST(TextCodec, TheFirstBytesOfAConversionAreThoseOfTheWholeOne) {
  const std::string pieces[] = {"\xE4\xBD\xA0", "a", "\xF0\x9F\x98\x80", "\xEF\xBF\xBD", "\xE4\xBD", "\x80",
                                "\xF3\xA0\x80\x81" /* a tag character */, "\xF8\x88\x80\x80\x80"};
  std::string text;
  for (int i = 0; i < 300; ++i) text += pieces[(i * 7 + i / 5) % std::size(pieces)];
  const std::string whole = utf8ToGbk(text);
  for (std::size_t maxBytes = 0; maxBytes <= whole.size() + 1; ++maxBytes)
    ASSERT_EQ(utf8ToGbk(text, maxBytes), whole.substr(0, maxBytes)) << maxBytes;
}
