#include <gtest/gtest.h>

#include "common/NumberConversion.h"

#include <string>

using lumivox::toInt32;
using lumivox::toSingle;

TEST(NumberConversion, AcceptsBlanksSignsAndRoundsHalfToEven) {
  EXPECT_EQ(toInt32("57"), 57);
  EXPECT_EQ(toInt32("  -12\t"), -12);
  EXPECT_EQ(toInt32("+3"), 3);
  EXPECT_EQ(toInt32("2.5"), 2);
  EXPECT_EQ(toInt32("3.5"), 4);
  EXPECT_EQ(toInt32("-2.5"), -2);
  EXPECT_EQ(toInt32("2.51"), 3);
  EXPECT_EQ(toInt32("1e3"), 1000);
  EXPECT_EQ(toInt32(".5"), 0);
}

TEST(NumberConversion, RangeEdges) {
  EXPECT_EQ(toInt32("2147483647"), 2147483647);
  EXPECT_EQ(toInt32("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(toInt32("2147483647.4"), 2147483647);
  EXPECT_FALSE(toInt32("2147483647.5"));  // the even neighbour is out of range
  EXPECT_FALSE(toInt32("2147483648"));
  EXPECT_FALSE(toInt32("-2147483649"));
  EXPECT_FALSE(toInt32("1e400"));
}

// Too small to tell from 0 is 0; only values beyond the range fail.
TEST(NumberConversion, UnderflowIsZero) {
  EXPECT_EQ(toInt32("1e-400"), 0);
  EXPECT_EQ(toInt32("-1e-400"), 0);
  EXPECT_EQ(toInt32("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(toInt32("1e-310"), 0);  // below the normal range of a double
  EXPECT_EQ(toInt32(" 7e-99999999999999999999 "), 0);
  EXPECT_EQ(toInt32("0e99999"), 0);
  EXPECT_EQ(toSingle("1e-400"), 0.0f);
  EXPECT_EQ(toSingle("1e-50"), 0.0f);
  EXPECT_FALSE(toInt32("1e99999999999999999999"));
  EXPECT_FALSE(toInt32("0.1e310"));
  EXPECT_EQ(toInt32("123e-2"), 1);
}

TEST(NumberConversion, RejectsWhatIsNotANumber) {
  for (const char* text : {"", "   ", "abc", "12abc", "1 2", "--1", "0x10", "inf", "nan", "1,000", ".", "e5", "1e"})
    EXPECT_FALSE(toInt32(text)) << text;
}

TEST(NumberConversion, Single) {
  EXPECT_EQ(toSingle("16"), 16.0f);
  EXPECT_EQ(toSingle(" 0.5 "), 0.5f);
  EXPECT_FALSE(toSingle("1e39"));
  EXPECT_FALSE(toSingle("sixteen"));
  EXPECT_FALSE(toSingle(""));
}

TEST(NumberConversion, RoundHalfEven) {
  EXPECT_EQ(lumivox::roundHalfEven(12.5), 12);
  EXPECT_EQ(lumivox::roundHalfEven(37.5), 38);
  EXPECT_EQ(lumivox::roundHalfEven(6.25), 6);
  EXPECT_EQ(lumivox::roundHalfEven(-0.5), 0);
  EXPECT_EQ(lumivox::roundHalfEven(-1.5), -2);
}

TEST(NumberConversion, Double) {
  EXPECT_EQ(lumivox::toDouble(" 1.5 "), 1.5);
  EXPECT_EQ(lumivox::toDouble("65.535"), 65.535);
  EXPECT_EQ(lumivox::toDouble("-2e3"), -2000.0);
  EXPECT_FALSE(lumivox::toDouble("1e400"));
  EXPECT_FALSE(lumivox::toDouble("１"));
  EXPECT_FALSE(lumivox::toDouble(""));
}
