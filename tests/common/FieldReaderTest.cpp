#include <gtest/gtest.h>

#include "common/FieldReader.h"

using lumivox::lastField;
using lumivox::splitFields;

TEST(FieldReader, LastFieldOfLinesAndCommasWins) {
  EXPECT_EQ(lastField("12\r\n30\r\n44\r\n"), "44");
  EXPECT_EQ(lastField("12,30\r\n"), "30");
  EXPECT_EQ(lastField("12\n30"), "30");
  EXPECT_EQ(lastField("12\r30\r"), "30");
}

TEST(FieldReader, QuotesAndLeadingBlanks) {
  EXPECT_EQ(lastField("\"44\"\r\n"), "44");
  EXPECT_EQ(lastField("   \t57\r\n"), "57");
  EXPECT_EQ(lastField("\"a,b\" tail,\r\n"), "");  // the comma after the quotes opens an empty field
  EXPECT_EQ(splitFields("\"a,b\" tail\r\nc"), (std::vector<std::string>{"a,b", "c"}));
  EXPECT_EQ(lastField("\"unclosed"), "unclosed");
}

TEST(FieldReader, EmptyContentAndEmptyLines) {
  EXPECT_EQ(lastField(""), "");
  EXPECT_TRUE(splitFields("").empty());
  EXPECT_EQ(splitFields("\r\n"), std::vector<std::string>{""});
  EXPECT_EQ(lastField("12\r\n\r\n"), "");
  EXPECT_EQ(splitFields("A1B2C-3D4E5-F6A7B-8C9D0-E1F2A,more text\r\n"),
            (std::vector<std::string>{"A1B2C-3D4E5-F6A7B-8C9D0-E1F2A", "more text"}));
}
