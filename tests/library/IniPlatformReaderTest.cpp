// The reader against the platform's own profile reader,
// GetPrivateProfileStringA (under Wine when the Windows build runs here):
// generated files of every line form the format knows, and the places where
// the format's rules deliberately differ from that reader, each pinned down.

#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/AsciiCase.h"
#include "library/IniDocument.h"
#include "library/IniLines.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

namespace {

constexpr const char* kMissing = "\x01missing";

class PlatformReader {
 public:
  // The value, or kMissing; `size` is the receive area's size.
  std::string get(const std::string& path, const std::string& section, const std::string& key, DWORD size) {
    std::vector<char> buffer(size + 1, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(), size, path.c_str());
    return std::string(buffer.data(), length);
  }
};

// A file in a fresh name each time, so the platform's cache of profile files
// never answers from an older one.
class Files {
 public:
  std::string write(const std::string& bytes) {
    const std::string path = dir_.file("case" + std::to_string(next_++) + ".ini");
    writeBytes(path, bytes);
    return path;
  }

 private:
  TempWorkDir dir_{TempWorkDir::Data::None};
  int next_ = 0;
};

std::string shown(const std::string& bytes) {
  std::string out;
  for (char c : bytes) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

std::string ours(const lumivox::IniDocument& doc, const std::string& section, const std::string& key) {
  const auto found = doc.find(section, key);
  return found ? std::string(*found) : kMissing;
}

// The platform reader files a line without '=' as a key without a value, which
// hides a later line of the same key; the format says such a line carries
// nothing. True when that decides this lookup.
bool hiddenByALineWithoutValue(const std::string& bytes, const std::string& section, const std::string& key) {
  lumivox::IniLineReader reader(bytes);
  lumivox::IniLine line;
  bool inSection = false, seen = false;
  while (reader.next(line)) {
    if (line.kind == lumivox::IniLine::Kind::Section) {
      if (inSection) return false;
      inSection = !seen && lumivox::equalsIgnoringAsciiCase(line.name, section);
      seen = seen || inSection;
      continue;
    }
    if (!inSection) continue;
    if (line.kind == lumivox::IniLine::Kind::Key) {
      if (lumivox::equalsIgnoringAsciiCase(line.name, key)) return false;
      continue;
    }
    std::string_view text(bytes.data() + line.start, line.contentEnd - line.start);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (lumivox::equalsIgnoringAsciiCase(text, key)) return true;
  }
  return false;
}

// Small deterministic generator (the same files on every run).
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
  template <typename T, std::size_t N>
  const T& pick(const T (&items)[N]) { return items[below(N)]; }

 private:
  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t x = state_;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
  }
  std::uint64_t state_;
};

const char* const kSections[] = {"S", "s", "T", "Quorra", "quorra", "q u", "1", "Build"};
const char* const kKeys[] = {"a", "A", "b", "k", "K", "0", "1", "10", "01", "-1", "a b", ";c", "[q", "T", "x.y"};
const char* const kValues[] = {"",      "v",      "\"q\"",   "'s'",  "\"mixed'", "\"",  "a=b",  "[z]",
                               "in side", "\"\"",  "''",     "x\"y\"", "\" sp \"", "12.5", "=", "'"};
const char* const kBlanks[] = {"", "", "", " ", "\t", "  ", " \t "};
const char* const kEnds[] = {"\r\n", "\r\n", "\r\n", "\n"};
const char* const kLastEnds[] = {"\r\n", "\n", "", "\r"};

std::string generatedFile(Generator& g) {
  std::string out;
  const std::size_t lines = 1 + g.below(14);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t form = g.below(12);
    if (form < 3) {  // a section line, now and then with text after its bracket
      out += g.pick(kBlanks);
      out += "[";
      out += g.pick(kBlanks);
      out += g.pick(kSections);
      out += g.pick(kBlanks);
      out += "]";
      if (g.below(5) == 0) out += "tail";
    } else if (form < 9) {  // a key line
      out += g.pick(kBlanks);
      out += g.pick(kKeys);
      out += g.pick(kBlanks);
      out += "=";
      out += g.pick(kBlanks);
      out += g.pick(kValues);
      out += g.pick(kBlanks);
    } else if (form == 9) {  // a line without '='
      out += g.pick(kBlanks);
      out += g.pick(kKeys);
    } else if (form == 10) {  // an opening bracket without its close
      out += "[";
      out += g.pick(kSections);
      if (g.below(2)) out += std::string("=") + g.pick(kValues);
    }  // else an empty line
    out += i + 1 == lines ? g.pick(kLastEnds) : g.pick(kEnds);
  }
  return out;
}

}  // namespace

// The names a file mentions, as section and key candidates, and one of each
// it does not: what the questions are made of.
void namesIn(const std::string& bytes, std::vector<std::string>& sections, std::vector<std::string>& keys) {
  sections = {"Absent"};
  keys = {"absent"};
  lumivox::IniLineReader reader(bytes);
  lumivox::IniLine line;
  while (reader.next(line)) {
    auto& names = line.kind == lumivox::IniLine::Kind::Section ? sections : keys;
    if (line.kind != lumivox::IniLine::Kind::Other && !line.name.empty() &&
        std::find(names.begin(), names.end(), line.name) == names.end())
      names.emplace_back(line.name);
  }
}

TEST(PlatformReader, AgreesOnGeneratedFiles) {
  Files files;
  PlatformReader platform;
  Generator g(20240611);
  int compared = 0, found = 0;
  std::vector<std::string> sections, keys;
  for (int n = 0; n < 200; ++n) {
    const std::string bytes = generatedFile(g);
    const std::string path = files.write(bytes);
    const lumivox::IniDocument doc(bytes);
    namesIn(bytes, sections, keys);
    for (const std::string& section : sections) {
      for (const std::string& key : keys) {
        if (hiddenByALineWithoutValue(bytes, section, key)) continue;
        const std::string expected = platform.get(path, section, key, 65536);
        ASSERT_EQ(ours(doc, section, key), expected) << "[" << section << "] " << key << " in: " << shown(bytes);
        // Through LookupLine too, with the platform's 256-byte receive area.
        if (n % 4 == 0) {
          ASSERT_EQ(lumivox::LookupLine(path, section, key, kMissing), platform.get(path, section, key, 256))
              << "[" << section << "] " << key;
        }
        ++compared;
        found += expected != kMissing;
      }
    }
  }
  EXPECT_GT(found, compared / 10);  // the files do answer, not only miss
}

TEST(PlatformReader, AgreesOnLibraryShapedFiles) {
  Files files;
  PlatformReader platform;
  const std::string bytes =
      "[Quorra]\r\n0=\xC4\xE3\xBA\xC3\r\n1=  \"quoted\"  \r\n2=\r\n[TextNumber]\r\nTextNumber=3\r\n"
      "TextNumberDoor=0\r\n[Build]\r\nBuild=2024\r\n[T]\r\nT=60\r\n[quorra]\r\n0=later\r\n";
  const std::string path = files.write(bytes);
  for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{
           {"Quorra", "1"}, {"Quorra", "2"}, {"Quorra", "3"}, {"TextNumber", "TextNumber"},
           {"textnumber", "TEXTNUMBERDOOR"}, {"Build", "Build"}, {"T", "T"}, {"Door", "0"}})
    EXPECT_EQ(ours(lumivox::IniDocument(bytes), section, key), platform.get(path, section, key, 65536))
        << section << " " << key;
  const std::string value(300, 'x');
  const std::string longPath = files.write("[S]\r\nk=" + value + "\r\nq=\"" + value + "\"\r\n");
  EXPECT_EQ(lumivox::LookupLine(longPath, "S", "k", kMissing), platform.get(longPath, "S", "k", 256));
  EXPECT_EQ(lumivox::LookupLine(longPath, "S", "q", kMissing), platform.get(longPath, "S", "q", 256));
}

// Where the format's rules and the platform reader part ways on purpose: what
// each gives, so a change on either side shows.
TEST(PlatformReader, DeliberateDifferences) {
  Files files;
  PlatformReader platform;
  struct Case {
    const char* why;
    std::string bytes, section, key, ours, platform;
  };
  const Case cases[] = {
      {"a line without '=' carries nothing; the platform files it as a key without value", "[S]\r\nx\r\nx=1\r\n",
       "S", "x", "1", kMissing},
      {"a CR alone is no line end: lines end in CR LF (or LF)", "[S]\r\nx=1\ry=2\r\n", "S", "y", kMissing, "2"},
      {"only blanks and tabs surround a value; the platform also trims CR", "[S]\r\nx=1\r\r\n", "S", "x", "1\r", "1"},
      {"only blanks and tabs surround a value; the platform also trims other spaces", "[S]\r\nx=1\v\r\n", "S", "x",
       "1\v", "1"},
      {"the file is in the ANSI code page; the platform reads a UTF-8 mark and drops it",
       "\xEF\xBB\xBF[S]\r\nx=1\r\n", "S", "x", kMissing, "1"},
  };
  for (const Case& c : cases) {
    const std::string path = files.write(c.bytes);
    EXPECT_EQ(ours(lumivox::IniDocument(c.bytes), c.section, c.key), c.ours) << c.why;
    EXPECT_EQ(platform.get(path, c.section, c.key, 65536), c.platform) << c.why;
  }
  // A quoted value of exactly 255 bytes: the format cuts the unquoted value
  // to 255 bytes, the platform cuts first and then loses one more byte.
  const std::string path = files.write("[S]\r\nq=\"" + std::string(255, 'x') + "\"\r\n");
  EXPECT_EQ(lumivox::LookupLine(path, "S", "q", kMissing), std::string(255, 'x'));
  EXPECT_EQ(platform.get(path, "S", "q", 256), std::string(254, 'x'));
}

#endif
