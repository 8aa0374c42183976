#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "fuzz/IniModel.h"
#include "library/IniDocument.h"

using lumivox::IniDocument;

namespace {

std::string valueOr(const IniDocument& doc, std::string_view section, std::string_view key,
                    const std::string& missing = "<missing>") {
  const auto found = doc.find(section, key);
  return found ? std::string(*found) : missing;
}

}  // namespace

TEST(IniDocument, SectionsOpenOnlyAtTheStartOfALine) {
  // A '[' inside a value, after text, or as the second byte of a GBK
  // character (0x81 0x5B) opens nothing; blanks before it are allowed.
  const IniDocument doc(
      "[A]\r\nk=[B]\r\nx [B]\r\ng=\x81[B]\r\n \t[B]\r\nk=in B\r\n[C\r\n[c]]\r\nk=in c]\r\n");
  EXPECT_EQ(valueOr(doc, "A", "k"), "[B]");
  EXPECT_EQ(valueOr(doc, "A", "g"), "\x81[B]");
  EXPECT_EQ(valueOr(doc, "B", "k"), "in B");
  EXPECT_EQ(valueOr(doc, "c]", "k"), "in c]");  // the name runs to the last ']'
  EXPECT_EQ(valueOr(doc, "C", "k"), "<missing>");
}

TEST(IniDocument, ABracketWithoutItsCloseIsAKeyLineWhenItHasAnEqualsSign) {
  const IniDocument doc("[S]\r\n[a=1\r\n[b\r\nk=2\r\n");
  EXPECT_EQ(valueOr(doc, "S", "[a"), "1");
  EXPECT_EQ(valueOr(doc, "S", "k"), "2");  // "[b" opened no section
  EXPECT_EQ(valueOr(doc, "S", "[b"), "<missing>");
}

TEST(IniDocument, OnlyTheFirstOccurrenceOfASectionCounts) {
  const IniDocument doc("[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\na=2\r\nb=2\r\n");
  // Asked about the later keys first, the first section still decides.
  EXPECT_EQ(valueOr(doc, "S", "b"), "<missing>");
  EXPECT_EQ(valueOr(doc, "S", "a"), "1");
  EXPECT_EQ(valueOr(doc, "T", "t"), "1");
  EXPECT_EQ(valueOr(doc, "U", "a"), "<missing>");
  EXPECT_EQ(valueOr(doc, "U", "a"), "<missing>");  // remembered as missing
}

TEST(IniDocument, LineEnds) {
  // LF and CR LF end lines, so does a CR at the very end; any other CR is
  // part of its line.
  const IniDocument doc("[S]\nlf=1\ncrlf=2\r\nmid=3\rx=4\r\nlast=5\r");
  EXPECT_EQ(valueOr(doc, "S", "lf"), "1");
  EXPECT_EQ(valueOr(doc, "S", "crlf"), "2");
  EXPECT_EQ(valueOr(doc, "S", "mid"), "3\rx=4");
  EXPECT_EQ(valueOr(doc, "S", "x"), "<missing>");
  EXPECT_EQ(valueOr(doc, "S", "last"), "5");
  EXPECT_EQ(valueOr(IniDocument("[S]\r\nk=1\r\r"), "S", "k"), "1\r");
  EXPECT_EQ(valueOr(IniDocument("[S]\r\nk=1"), "S", "k"), "1");
  EXPECT_EQ(valueOr(IniDocument(""), "S", "k"), "<missing>");
}

TEST(IniDocument, LineNumbersFarAheadOfTheirPlaceStillFollowFirstOccurrence) {
  std::string text = "[Q]\r\n9000=early\r\n";
  for (int i = 0; i < 9500; ++i) text += std::to_string(i == 9000 ? 1 : i) + "=line " + std::to_string(i) + "\r\n";
  text += "9000=late\r\n123456789=far\r\n";
  const IniDocument doc(text);
  EXPECT_EQ(valueOr(doc, "Q", "9000"), "early");
  EXPECT_EQ(valueOr(doc, "Q", "1"), "line 1");
  EXPECT_EQ(valueOr(doc, "Q", "9499"), "line 9499");
  EXPECT_EQ(valueOr(doc, "Q", "123456789"), "far");
  EXPECT_EQ(valueOr(doc, "Q", "9500"), "<missing>");
}

TEST(IniDocument, ManyOtherKeysWithRepeatsAndCase) {
  std::string text = "[K]\r\n";
  for (int i = 0; i < 5000; ++i) text += "Key" + std::to_string(i) + "=first " + std::to_string(i) + "\r\n";
  for (int i = 0; i < 5000; i += 7) text += "KEY" + std::to_string(i) + "=second\r\n";
  text += "-1=negative\r\n007=padded\r\n";
  const IniDocument doc(text);
  for (int i = 0; i < 5000; i += 13) EXPECT_EQ(valueOr(doc, "k", "key" + std::to_string(i)), "first " + std::to_string(i));
  EXPECT_EQ(valueOr(doc, "K", "key5000"), "<missing>");
  EXPECT_EQ(valueOr(doc, "K", "-1"), "negative");
  EXPECT_EQ(valueOr(doc, "K", "007"), "padded");
  EXPECT_EQ(valueOr(doc, "K", "7"), "<missing>");
}

// Large sections of every line form the reader tells apart, in a random mix:
// numbers in their place and far ahead, repeats of numbers and names (in
// other case), names with blanks and quotes, long lines, lines without '=',
// blank lines, CR inside a line, leading zeros, and now and then a section
// line. Every key reads as the reference model reads it.
TEST(IniDocument, RandomMixesReadAsTheModelReadsThem) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    std::string text = "[S]\r\n";
    std::size_t number = 0;
    for (std::size_t i = 0; i < 3000; ++i) {
      const std::string n = std::to_string(rng() % 4 == 0 ? rng() % (number + 1) : number++);
      switch (rng() % 14) {
        case 0: text += std::to_string(number + 5000 + rng() % 100000) + "=far\r\n"; break;
        case 1: text += "Name" + std::to_string(rng() % 300) + "=v" + std::to_string(i) + "\r\n"; break;
        case 2: text += "NAME" + std::to_string(rng() % 300) + " = \"q" + std::to_string(i) + "\"\n"; break;
        case 3: text += "  " + n + "=blank before\r\n"; break;
        case 4: text += n + "=" + std::string(5000 + rng() % 100, 'L') + "\r\n"; break;
        case 5: text += "no equals sign " + n + "\r\n"; break;
        case 6: text += "\r\n"; break;
        case 7: text += n + "=cr\rinside\r\n"; break;
        case 8: text += seed % 3 == 0 && rng() % 8 == 0 ? "[Next]\r\n" : "0" + n + "=leading zero\r\n"; break;
        case 9: text += std::to_string(12345678 + rng() % 1000) + "=eight digits\r\n"; break;
        default: text += n + "=line " + std::to_string(i) + "\r\n"; break;
      }
    }
    text += seed % 2 ? "[T]\r\n1=after\r\n" : "7=last without an end";
    std::vector<std::string> keys{"12345678", "12345999", "007", "far", "Next"};
    for (std::size_t k = 0; k < number + 10; k += 1 + rng() % 8) keys.push_back(std::to_string(k));
    for (int k = 0; k < 300; k += 1 + static_cast<int>(rng() % 4)) keys.push_back("name" + std::to_string(k));

    const IniDocument doc(text);
    const model::Reader reference(text);
    for (const char* section : {"S", "Next", "T"})
      for (const std::string& key : keys)
        ASSERT_EQ(doc.find(section, key), reference.find(section, key)) << "seed " << seed << " [" << section << "] " << key;
  }
}

TEST(IniDocument, NamesOfEveryLengthMatchWithoutRegardToAsciiCaseOnly) {
  // Capitals, '@' and '[' (the bytes around 'A' and 'Z'), and GBK bytes whose
  // low seven bits spell a capital, at every position of names up to 40 bytes.
  const std::string pattern = "Ab@Z[\xC1\xDAyQ\x81";
  auto nameOf = [&](std::size_t length) {
    std::string name;
    for (std::size_t i = 0; i < length; ++i) name += pattern[(i * 7 + length) % pattern.size()];
    return name;
  };
  auto lowerAscii = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  std::string text = "[S]\r\n";
  for (std::size_t length = 1; length <= 40; ++length)
    text += "x" + nameOf(length) + "=" + std::to_string(length) + "\r\n";
  text += "\xC1=upper\r\n\xE1=lower\r\n";  // 0xE1 is no small 0xC1
  for (int filler = 0; filler < 2000; ++filler) text += "f" + std::to_string(filler) + "=\r\n";  // many other keys
  const IniDocument doc(text);
  for (std::size_t length = 1; length <= 40; ++length) {
    EXPECT_EQ(valueOr(doc, "S", "X" + lowerAscii(nameOf(length))), std::to_string(length)) << length;
    EXPECT_EQ(valueOr(doc, "S", "x" + nameOf(length) + "?"), "<missing>") << length;
  }
  EXPECT_EQ(valueOr(doc, "S", "\xC1"), "upper");
  EXPECT_EQ(valueOr(doc, "S", "\xE1"), "lower");
}

TEST(IniDocument, LineNumbersOfEveryWidthAndAtTheVeryEnd) {
  std::string text = "[S]\r\n";
  for (std::size_t n = 1; n <= 999999999; n = n * 10 + 1) text += std::to_string(n) + "=w" + std::to_string(n) + "\r\n";
  text += "00=zeros\r\n0=zero\r\n 2=blank before\r\n3 =blank after\r\n";
  const IniDocument doc(text + "4=end");
  for (std::size_t n = 1; n <= 999999999; n = n * 10 + 1) EXPECT_EQ(valueOr(doc, "S", std::to_string(n)), "w" + std::to_string(n));
  EXPECT_EQ(valueOr(doc, "S", "00"), "zeros");
  EXPECT_EQ(valueOr(doc, "S", "0"), "zero");
  EXPECT_EQ(valueOr(doc, "S", "2"), "blank before");
  EXPECT_EQ(valueOr(doc, "S", "3"), "blank after");
  EXPECT_EQ(valueOr(doc, "S", "4"), "end");  // the last line, without a line end
  EXPECT_EQ(valueOr(IniDocument("[S]\n12345=a\n"), "S", "12345"), "a");
}

TEST(IniDocument, LongLinesAndNoLineEnds) {
  const std::string longValue(100000, 'v');
  const std::string longName = "n" + std::string(50000, ' ') + "x";
  const IniDocument doc("[S]\r\n0=" + longValue + "\r\n" + longName + " = \"" + longValue + "\"\r\n1=after\r\n" +
                        std::string(70000, ' ') + "[T]\r\nt=" + longValue);
  EXPECT_EQ(valueOr(doc, "S", "0"), longValue);
  EXPECT_EQ(valueOr(doc, "S", longName), longValue);
  EXPECT_EQ(valueOr(doc, "S", "1"), "after");
  EXPECT_EQ(valueOr(doc, "T", "t"), longValue);
}

// The index of a section costs four bytes a key line: about half the file at
// most for these shapes, whose key lines are some eight bytes long. Real
// libraries, at some 50 bytes a line, need a tenth.
struct Shape {
  const char* name;
  std::string (*line)(std::size_t i);
  std::string (*key)(std::size_t i);  // a key asked about, in section Quorra
  const char* value;                  // what it gives
};
void PrintTo(const Shape& shape, std::ostream* out) { *out << shape.name; }

class IndexMemory : public ::testing::TestWithParam<Shape> {};

TEST_P(IndexMemory, StaysAboutHalfTheFileSizeAtMost) {
  const Shape& shape = GetParam();
  std::string text = "[Quorra]\r\n";
  std::size_t lines = 0;
  while (text.size() < 4 * 1024 * 1024) text += shape.line(lines++);
  const IniDocument doc(text);
  EXPECT_EQ(valueOr(doc, "Quorra", shape.key(lines / 2)), shape.value) << shape.name;
  EXPECT_EQ(valueOr(doc, "Quorra", shape.key(lines + 1)), "<missing>") << shape.name;
  EXPECT_EQ(valueOr(doc, "Door", "0"), "<missing>");
  EXPECT_LE(doc.indexMemoryBytes(), text.size() * 55 / 100) << shape.name << ": " << lines << " lines";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, IndexMemory,
    ::testing::Values(
        Shape{"one-line sections", [](std::size_t i) { return "[" + std::to_string(i) + "]\r\n"; },
              [](std::size_t) { return std::string("0"); }, "<missing>"},
        Shape{"distinct named keys", [](std::size_t i) { return "k" + std::to_string(i) + "=v\r\n"; },
              [](std::size_t i) { return "k" + std::to_string(i); }, "v"},
        Shape{"line numbers, short lines", [](std::size_t i) { return std::to_string(i) + "=v\r\n"; },
              [](std::size_t i) { return std::to_string(i); }, "v"},
        Shape{"sparse line numbers", [](std::size_t i) { return std::to_string(3 * i) + "=v\r\n"; },
              [](std::size_t i) { return std::to_string(3 * i); }, "v"},
        Shape{"key lines without values", [](std::size_t i) { return std::to_string(i) + "=\n"; },
              [](std::size_t i) { return std::to_string(i); }, ""}),
    [](const ::testing::TestParamInfo<Shape>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });
