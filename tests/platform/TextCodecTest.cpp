#include <gtest/gtest.h>

#include <cstdint>

#include "platform/TextCodec.h"

using lumivox::gbkToUtf8;
using lumivox::utf8ToGbk;

// Both programs read GBK as Windows' code page 936 does: the same figure for
// every byte and every pair of bytes on Linux and under Wine, and the
// places glibc's GBK leaves empty given the code page's private-use
// characters.
TEST(TextCodec, ReadsEveryByteAndPairAsCodePage936) {
  std::uint64_t hash = 14695981039346656037u;  // FNV-1a over every reading
  auto add = [&](const std::string& bytes) {
    for (const char c : gbkToUtf8(bytes) + '|') hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  };
  for (int first = 0; first < 0x100; ++first) {
    add(std::string(1, static_cast<char>(first)));
    if (first >= 0x80)
      for (int second = 0; second < 0x100; ++second) add({static_cast<char>(first), static_cast<char>(second)});
  }
  EXPECT_EQ(hash, 12231490969817636470u);

  EXPECT_EQ(gbkToUtf8("\x80"), "€");
  EXPECT_EQ(gbkToUtf8("\xAA\xA1\xFE\xFE\xA1\x40\xA7\xA0"), "\uE000\uE4C5\uE4C6\uE765");  // user-defined
  EXPECT_EQ(gbkToUtf8("\xA2\xAB\xD7\xFA\xFE\x50\xFE\xA0"), "\uE766\uE810\uE815\uE864");  // unassigned
  EXPECT_EQ(utf8ToGbk("€\uE000\uE864"), "\x80\xAA\xA1\xFE\xA0");
}

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
