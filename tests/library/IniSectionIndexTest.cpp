// A large section's second half is read ahead on another thread, and its
// other keys are filed in groups; what the index finds must not depend on
// either. Each case indexes the same bytes with the read-ahead forced and
// without, in one group and in many, and asks each for every key.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "library/IniSectionIndex.h"

using lumivox::IniSectionIndex;

namespace {

constexpr std::size_t kAlways = 0;
constexpr std::size_t kNever = static_cast<std::size_t>(-1);

std::string found(const IniSectionIndex& index, const std::string& bytes, const std::string& key) {
  const auto line = index.find(bytes, key);
  return line ? std::to_string(line->start) + ":" + std::string(line->value) : "<missing>";
}

// Also with other keys filed in one group, and in many groups of a few
// slots each, where probes run across groups all the time; and with the
// table filed in two halves at once, where keys whose probe runs out of
// their half wait (or, with no room for them, all is filed again at once).
void expectSameWithAndWithoutReadAhead(const std::string& bytes, std::size_t bodyStart,
                                       const std::vector<std::string>& keys) {
  const IniSectionIndex serial(bytes, bodyStart, {.readAheadFrom = kNever, .slotsPerGroup = kNever});
  const IniSectionIndex ahead(bytes, bodyStart, {.readAheadFrom = kAlways});
  const IniSectionIndex tinyGroups(bytes, bodyStart, {.readAheadFrom = kAlways, .slotsPerGroup = 1});
  const IniSectionIndex halves(bytes, bodyStart, {.readAheadFrom = kNever, .slotsPerGroup = 24, .halvesFrom = 0});
  const IniSectionIndex halvesNoRoom(bytes, bodyStart,
                                     {.readAheadFrom = kAlways, .slotsPerGroup = 2, .halvesFrom = 0, .waitingRoom = 0});
  for (const std::string& key : keys) {
    const std::string expected = found(serial, bytes, key);
    ASSERT_EQ(found(ahead, bytes, key), expected) << key;
    ASSERT_EQ(found(tinyGroups, bytes, key), expected) << key;
    ASSERT_EQ(found(halves, bytes, key), expected) << key;
    ASSERT_EQ(found(halvesNoRoom, bytes, key), expected) << key;
  }
}

// Lines of every kind the reader tells apart, in a random mix: numbers in
// their place and far ahead, repeats of numbers and names (in other case),
// names with blanks and quotes, long lines, lines without '=', blanks, CR
// inside a line, and now and then a section line.
std::string mixedBody(std::uint32_t seed, std::size_t lines, bool sections, std::vector<std::string>& keys) {
  std::mt19937 rng(seed);
  std::string text;
  std::size_t number = 0;
  for (std::size_t i = 0; i < lines; ++i) {
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
      case 8: text += sections && rng() % 8 == 0 ? "[Next]\r\n" : "0" + n + "=leading zero\r\n"; break;
      case 9: text += std::to_string(12345678 + rng() % 1000) + "=eight digits\r\n"; break;
      default: text += n + "=line " + std::to_string(i) + "\r\n"; break;
    }
  }
  for (std::size_t k = 0; k < number + 10; ++k) keys.push_back(std::to_string(k));
  for (int k = 0; k < 300; ++k) keys.push_back("name" + std::to_string(k));
  keys.insert(keys.end(), {"12345678", "12345999", "007", "far", "Next"});
  return text;
}

}  // namespace

TEST(IniSectionIndex, ReadAheadFindsWhatTheSingleThreadFinds) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    std::vector<std::string> keys;
    const std::string body = mixedBody(seed, 3000, seed % 3 == 0, keys);
    const std::string bytes = "[S]\r\n" + body + (seed % 2 ? "[T]\r\n1=after\r\n" : "7=last without an end");
    SCOPED_TRACE(seed);
    expectSameWithAndWithoutReadAhead(bytes, 5, keys);
  }
}

TEST(IniSectionIndex, ReadAheadAcrossTheMiddle) {
  // The first occurrence is in the first half, its repeat in the second; a
  // section line in either half ends the body there.
  std::string firstHalf, secondHalf;
  for (int i = 0; i < 2000; ++i) firstHalf += std::to_string(i) + "=first " + std::to_string(i) + "\r\nkey" + std::to_string(i) + "=first\r\n";
  for (int i = 0; i < 2000; ++i) secondHalf += std::to_string(i) + "=second\r\nKEY" + std::to_string(i) + "=second\r\n" + std::to_string(2000 + i) + "=new\r\n";
  std::vector<std::string> keys;
  for (int i = 0; i < 4100; ++i) keys.push_back(std::to_string(i));
  for (int i = 0; i < 2000; ++i) keys.push_back("key" + std::to_string(i));
  expectSameWithAndWithoutReadAhead(firstHalf + secondHalf, 0, keys);
  expectSameWithAndWithoutReadAhead(firstHalf + "[End]\r\n" + secondHalf, 0, keys);
  expectSameWithAndWithoutReadAhead(firstHalf + secondHalf + "[End]\r\n" + secondHalf, 0, keys);

  const IniSectionIndex ahead(firstHalf + secondHalf, 0, {.readAheadFrom = kAlways});
  const std::string bytes = firstHalf + secondHalf;
  EXPECT_EQ(std::string(ahead.find(bytes, "1999")->value), "first 1999");
  EXPECT_EQ(std::string(ahead.find(bytes, "KEY5")->value), "first");
  EXPECT_EQ(std::string(ahead.find(bytes, "3999")->value), "new");
}

TEST(IniSectionIndex, ManyNamesFiledInGroupsKeepTheirFirstLine) {
  // Thousands of names, each repeated later in other case or after blanks;
  // the first line of each name counts, whatever group it falls in.
  std::mt19937 rng(7);
  std::string bytes = "[S]\r\n";
  std::vector<std::string> keys;
  for (int i = 0; i < 20000; ++i) {
    keys.push_back("name" + std::to_string(i));
    bytes += "name" + std::to_string(i) + "=first\r\n";
    if (rng() % 3 == 0) {
      const int earlier = static_cast<int>(rng() % static_cast<unsigned>(i + 1));
      bytes += (rng() % 2 ? "NAME" : " Name") + std::to_string(earlier) + " =later\r\n";
    }
    if (rng() % 5 == 0) bytes += std::to_string(i) + "=line\r\n";
  }
  expectSameWithAndWithoutReadAhead(bytes, 5, keys);
  const IniSectionIndex grouped(bytes, 5, {.readAheadFrom = kNever, .slotsPerGroup = 16});
  for (const std::string& key : keys) ASSERT_EQ(std::string(grouped.find(bytes, key)->value), "first") << key;
}

TEST(IniSectionIndex, NamesAndLinesLongerThanABlockOfTheScan) {
  // Lines are found 64 bytes at a time; a name or a line that runs past its
  // block is found on by another search, from any place in the block.
  std::string bytes = "[S]\r\n";
  std::vector<std::pair<std::string, std::string>> expected;
  for (std::size_t nameSize : {1, 7, 8, 9, 62, 63, 64, 65, 127, 128, 129, 300}) {
    for (std::size_t valueSize : {0, 1, 63, 64, 65, 1000}) {
      const std::string name = std::string(nameSize, 'n') + std::to_string(valueSize);
      const std::string value(valueSize, 'v');
      bytes += name + "=" + value + (valueSize % 2 ? "\r\n" : "\n");
      expected.emplace_back(name, value);
    }
    bytes += std::string(nameSize, ' ') + "\r\n";  // shifts the next lines within their blocks
  }
  bytes += "last" + std::string(200, 'x') + "=" + std::string(100, 'y');  // no line end at all
  expected.emplace_back("last" + std::string(200, 'x'), std::string(100, 'y'));
  for (const std::size_t readAheadFrom : {kNever, kAlways}) {
    const IniSectionIndex index(bytes, 5, {.readAheadFrom = readAheadFrom});
    for (const auto& [name, value] : expected) {
      const auto line = index.find(bytes, name);
      ASSERT_TRUE(line) << name;
      EXPECT_EQ(std::string(line->value), value) << name;
    }
  }
}
