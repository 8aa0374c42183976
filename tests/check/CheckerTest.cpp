// The checker on small Data folders, each broken in one way: every finding
// is asserted by file, line, column, severity and code (the messages are the
// checker's own words, not restated here).

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "check/DataFolderCheck.h"
#include "check/ReportFormat.h"
#include "check/TextEncoding.h"
#include "info/About.h"
#include "library/IniDocument.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

const char* severityName(Severity severity) {
  static const char* kNames[] = {"error", "warning", "note"};
  return kNames[static_cast<int>(severity)];
}

std::string lines(std::initializer_list<std::string> all) {
  std::string text;
  for (const std::string& line : all) text += line + "\r\n";
  return text;
}

const std::string kMain = lines({"[Quorra]", "0=第一句", "1=第二句", "2=第三句", "[TextNumber]", "TextNumber=3",
                                 "TextNumberDoor=2", "[Build]", "Build=测试版", "[T]", "T=60"});
const std::string kDoor = lines({"[Door]", "0=门一", "1=门二"});
const std::string kThanks = lines({"[ThanksForYou]", "1=甲", "2=乙"});

// A Data folder that gives no finding, in GBK as the program reads it.
class CheckerTest : public ::testing::Test {
 public:
  TempWorkDir dir{TempWorkDir::Data::None};
  fs::path data = dir.path() / "Data";

  void SetUp() override {
    fs::create_directory(data);
    gbk("Quorra.data", kMain);
    gbk("Door.data", kDoor);
    raw("HotKeys.opi", "A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n");
    gbk("SpecialThanks.ED63rd", kThanks);
    raw("GoUserNumberFiles.ED63rd", "<html><head><meta charset=\"gbk\"></head><body><p>7</p></body></html>\r\n");
  }
  void gbk(const std::string& name, const std::string& utf8) { writeGbk(data / name, utf8); }
  void raw(const std::string& name, const std::string& bytes) { writeBytes(data / name, bytes); }

  // "Quorra.data:3:4 error L010": where and what, without the words.
  static std::vector<std::string> places(const CheckReport& report) {
    std::vector<std::string> found;
    for (const Finding& f : report.findings) {
      std::string place = fs::path(f.file).filename().string();
      if (f.line) place += ":" + std::to_string(f.line);
      if (f.column) place += ":" + std::to_string(f.column);
      found.push_back(place + " " + severityName(f.severity) + " " + f.code);
    }
    return found;
  }
  CheckReport check(Conversion conversion = Conversion::None) {
    return checkDataFolder("Data", Language::English, conversion);
  }
};

TEST_F(CheckerTest, EachKindOfFault) {
  struct Case {
    const char* kind;
    std::function<void(CheckerTest&)> breakIt;
    std::vector<std::string> expected;
  };
  const std::string invitation = kThanksInvitationText;
  const Case cases[] = {
      {"a clean folder", [](CheckerTest&) {}, {}},
      {"bytes that are not GBK",
       [](CheckerTest& t) {
         t.raw("Quorra.data", utf8ToGbk("[Quorra]\r\n0=第一句\r\n1=第") + "\xFF" +
                                  utf8ToGbk("二句\r\n2=第三句\r\n" + kMain.substr(kMain.find("[TextNumber]"))));
       },
       {"Quorra.data:3:4 error L010"}},
      {"saved as UTF-8", [](CheckerTest& t) { t.raw("Quorra.data", kMain); }, {"Quorra.data:2:3 error L011"}},
      {"a UTF-8 byte order mark",
       [](CheckerTest& t) { t.raw("Quorra.data", "\xEF\xBB\xBF" + utf8ToGbk(kMain)); },
       {"Quorra.data:1:1 error L012", "Quorra.data:1:1 warning L023", "Quorra.data:2:1 warning L024",
        "Quorra.data:3:1 warning L024", "Quorra.data:4:1 warning L024", "Quorra.data error L022"}},
      {"UTF-16",
       [](CheckerTest& t) { t.raw("Quorra.data", std::string("\xFF\xFE[\0Q\0", 6)); },
       {"Quorra.data:1:1 error L012"}},
      {"a section and a key given twice (a number far beyond the others too)",
       [](CheckerTest& t) {
         t.gbk("Quorra.data", kMain + lines({"[quorra]", "3=第四句"}));
         t.gbk("Door.data", kDoor + lines({"1=门三", "5000=远", "5000=又远"}));
       },
       {"Quorra.data:12:2 error L020", "Quorra.data:1 note L020", "Quorra.data:7:16 error L031",
        "Door.data:4:1 error L021", "Door.data:3 note L021", "Door.data:6:1 error L021", "Door.data:5 note L021",
        "Door.data:5 error L030"}},
      {"sections missing",
       [](CheckerTest& t) {
         t.gbk("Quorra.data", lines({"[Quorra]", "0=第一句", "1=第二句", "2=第三句", "[T]", "T=60"}));
         t.gbk("Door.data", lines({"[Doors]", "0=门一"}));
       },
       {"Quorra.data error L022", "Quorra.data note L022", "Door.data:1:2 note L026", "Door.data error L022"}},
      {"lines that carry nothing and keys never looked up",
       [](CheckerTest& t) {
         t.gbk("Quorra.data",
               lines({"x=1", "[Quorra]", "0=第一句", "随便写的一行", "; 注释", "1=第二句", "01=多余的零", "2=第三句"}) +
                   kMain.substr(kMain.find("[TextNumber]")));
       },
       {"Quorra.data:1:1 warning L024", "Quorra.data:4:1 warning L023", "Quorra.data:7:1 warning L025"}},
      {"gaps in the numbering",
       [](CheckerTest& t) {
         t.gbk("Quorra.data", lines({"[Quorra]", "0=一", "1=二", "3=四", "4=五", "[TextNumber]", "TextNumber=5",
                                     "TextNumberDoor=2", "[T]", "T=60", "[Build]", "Build=1"}));
         t.gbk("Door.data", lines({"[Door]", "1=门二"}));
       },
       {"Quorra.data:4 error L030", "Door.data:2 error L030"}},
      {"line counts that are wrong",
       [](CheckerTest& t) {
         std::string main = kMain;
         main.replace(main.find("TextNumber=3"), 12, "TextNumber=abc");
         main.replace(main.find("TextNumberDoor=2"), 16, "TextNumberDoor=1");
         t.gbk("Quorra.data", main);
       },
       {"Quorra.data:6:12 error L032", "Quorra.data:7:16 error L031"}},
      {"values",
       [](CheckerTest& t) {
         std::string longLine;
         for (int i = 0; i < 150; ++i) longLine += "啊";
         t.raw("Quorra.data",
               utf8ToGbk(lines({"[Quorra]", "0=第一句", "1=", "2=\"第三句", "3=<b>第四句</b>", "4=" + longLine})) +
                   utf8ToGbk("5=第") + std::string(1, '\0') + utf8ToGbk("六句\r\n") +
                   utf8ToGbk(lines(
                       {"[TextNumber]", "TextNumber=6", "TextNumberDoor=2", "[Build]", "Build=1", "[T]", "T=60"})));
       },
       {"Quorra.data:3:3 warning L042", "Quorra.data:4:3 warning L043", "Quorra.data:5:3 note L044",
        "Quorra.data:6:130 error L040", "Quorra.data:6:3 warning L041", "Quorra.data:7:4 warning L045"}},
      {"the other files",
       [invitation](CheckerTest& t) {
         std::string main = kMain;
         main.replace(main.find("T=60"), 4, "T=100");
         t.gbk("Quorra.data", main);
         t.raw("HotKeys.opi", "a1b2c-3d4e5-f6a7b-8c9d0-e1f2a\r\n");
         t.raw("Save.sav", "abc\r\n");
         t.raw("AutoSaveForDoor.sav", "7\r\n");
         t.gbk("SpecialThanks.ED63rd", lines({"[ThanksForYou]", "1=甲", "2=" + invitation, "4=丁"}));
         t.raw("GoUserNumberFiles.ED63rd", "<html><body><p>第 7 位</p></body></html>");
       },
       {"Quorra.data:11:3 warning L052", "HotKeys.opi:1:1 warning L050", "Save.sav:1:1 error L051",
        "AutoSaveForDoor.sav:1:1 note L051", "SpecialThanks.ED63rd:3:3 warning L053",
        "SpecialThanks.ED63rd:4 warning L033", "GoUserNumberFiles.ED63rd warning L055"}},
      {"GBK whose bytes are well-formed UTF-8 too",
       [](CheckerTest& t) {
         t.gbk("SpecialThanks.ED63rd", lines({"[ThanksForYou]", "1=小谢", "2=谢谢"}));
         t.gbk("Door.data", lines({"[Door]", "0=小谢", "1=谢谢"}));
       },
       {}},
      {"a line saved as UTF-8 in a GBK file",
       [](CheckerTest& t) {
         t.raw("Door.data", utf8ToGbk(lines({"[Door]", "0=门一"})) + "1=你好\r\n");
       },
       {"Door.data:3:3 error L011"}},
      {"bytes of GBK's user-defined area; 0x80 is the euro sign",
       [](CheckerTest& t) {
         t.raw("Door.data", utf8ToGbk("[Door]\r\n0=门") +
                                "\xAA\xA1\r\n1=\x80"
                                "5\r\n");
       },
       {"Door.data:2:4 error L010"}},
      {"numbered sections without a line",
       [](CheckerTest& t) {
         t.gbk("Quorra.data", lines({"[Quorra]", "[TextNumber]", "TextNumber=3", "TextNumberDoor=2", "[Build]",
                                     "Build=1", "[T]", "T=60"}));
         t.gbk("Door.data", lines({"[Door]", "; 还没有"}));
         t.gbk("SpecialThanks.ED63rd", lines({"[ThanksForYou]"}));
       },
       {"Quorra.data:1 error L030", "Door.data:1 error L030", "SpecialThanks.ED63rd:1 warning L033"}},
      {"a lone CR, and lines counted as editors count them",
       [](CheckerTest& t) { t.gbk("Door.data", "[Door]\r\n0=门一\r1=门二\r\n1=又一\r\n1=再一\r\n"); },
       {"Door.data:2:5 error L027", "Door.data:5:1 error L021", "Door.data:4 note L021"}},
      {"values of blanks in quotes",
       [](CheckerTest& t) {
         t.gbk("Door.data", lines({"[Door]", "0=\" \"", "1=\'　\'"}));
       },
       {"Door.data:2:4 warning L042", "Door.data:3:4 warning L042"}},
      {"a progress file that points into a gap",
       [](CheckerTest& t) {
         t.gbk("Quorra.data", lines({"[Quorra]", "0=一", "2=三", "[TextNumber]", "TextNumber=3", "TextNumberDoor=2",
                                     "[Build]", "Build=1", "[T]", "T=60"}));
         t.raw("Save.sav", "1\r\n");
       },
       {"Quorra.data:3 error L030", "Save.sav:1:1 note L051"}},
      {"files missing or unreadable",
       [](CheckerTest& t) {
         fs::remove(t.data / "Door.data");
         fs::create_directory(t.data / "Door.data");
         fs::remove(t.data / "HotKeys.opi");
         t.raw("GoUserNumberFiles.ED63rd", std::string(300 * 1024, ' '));
       },
       {"Door.data error L004", "HotKeys.opi error L002", "GoUserNumberFiles.ED63rd warning L054"}},
  };
  // What --help says of each code: the severities it gives.
  std::map<std::string, std::string> help;
  std::istringstream helpLines(codesHelp(Language::English));
  for (std::string code, severities, rest; helpLines >> code >> severities && std::getline(helpLines, rest);)
    help[code] = "/" + severities + "/";
  for (const Case& c : cases) {
    fs::remove_all(data);
    SetUp();
    c.breakIt(*this);
    const CheckReport report = check();
    EXPECT_EQ(places(report), c.expected) << c.kind;
    for (const Finding& f : report.findings)
      EXPECT_NE(help[f.code].find(std::string("/") + severityName(f.severity) + "/"), std::string::npos)
          << f.code << " gives a " << severityName(f.severity) << " that --help does not name";
  }
}

// The checker's scan against the reader, over generated door libraries of
// GBK with faults (bytes no GBK, lead bytes cut off, the user-defined area,
// 0x80 before a lead byte, lines saved as UTF-8) some lines apart:
// a line gets L010 exactly when the reader shows something else than its
// bytes mean, at the first such character, and L011 only when it is UTF-8.
TEST_F(CheckerTest, TheScanAndTheReaderAgreeOnEveryByte) {
  const std::string common =
      utf8ToGbk("的一是了我不人在他有这个上们来到时大地为子中你说生国年着就那和要她出也得里后自以会");
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::mt19937 random(seed);
    auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    auto unit = [&]() -> std::string {
      switch (below(40)) {
        case 0: return "\xFF";
        case 1: return {static_cast<char>(0x81 + below(0x7E)), static_cast<char>("0\x7F\xFF"[below(3)])};
        case 2: return {static_cast<char>(0xAA + below(6)), static_cast<char>(0xA1 + below(0x5E))};
        case 3: return "\x80";
        case 4: return {static_cast<char>(0x81 + below(0x7E))};  // a lead byte; at a value's end, cut off
        case 5: return "\xE4\xBD\xA0";                           // UTF-8
        default:
          if (below(3) == 0) return {static_cast<char>('A' + below(26))};
          const std::size_t at = 2 * below(static_cast<unsigned>(common.size() / 2));
          return common.substr(at, 2);
      }
    };
    std::string door = "[Door]\r\n";
    std::vector<std::string> values;
    while (door.size() < 12 * 1024) {
      std::string value;
      if (below(50) == 0) {
        value = "第" + std::to_string(values.size()) + "句你好";  // a line saved as UTF-8
      } else {
        for (unsigned n = 1 + below(60); n > 0; --n) value += below(25) == 0 ? unit() : common.substr(2 * below(40), 2);
        if (value.back() == '\x80' || below(4) == 0) value += 'a';  // mostly no lead byte at the end
      }
      door += std::to_string(values.size()) + "=" + value + "\r\n";
      values.push_back(value);
    }
    raw("Door.data", door);
    std::map<std::size_t, std::string> found;  // line → "L010:column"
    for (const Finding& f : check().findings)
      if (fs::path(f.file).filename() == "Door.data" && (f.code == "L010" || f.code == "L011"))
        found[f.line] = f.code + ":" + std::to_string(f.column);

    const IniDocument reader(door);
    std::map<std::size_t, std::string> expected;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::string key = std::to_string(i);
      const std::string shown = shownText(*reader.find("Door", key));
      const std::size_t line = i + 2;
      if (found[line].starts_with("L011")) {  // the checker says UTF-8: it is, and players see other text
        EXPECT_TRUE(isUtf8(values[i]) && shown != values[i]) << line;
        expected[line] = found[line];
        continue;
      }
      // The first character that does not give its bytes back, or is of
      // the user-defined area; or a byte left over at the end.
      std::size_t byte = 0, column = key.size() + 2;
      for (std::size_t at = 0; at < shown.size(); ++column) {
        const std::size_t start = at;
        const char32_t c = decodeUtf8At(shown, at);
        const std::string bytes = utf8ToGbk(shown.substr(start, at - start));
        if (isGbkPrivateUse(c) || values[i].compare(byte, bytes.size(), bytes) != 0) break;
        byte += bytes.size();
      }
      if (byte < values[i].size()) expected[line] = "L010:" + std::to_string(column);
    }
    std::erase_if(found, [](const auto& entry) { return entry.second.empty(); });
    ASSERT_LT(found.size(), 50u) << "more than the report lists";
    EXPECT_EQ(found, expected) << "seed " << seed;
  }
}

TEST_F(CheckerTest, SummaryAndAnUnreadableFolder) {
  const CheckReport clean = check();
  EXPECT_EQ(clean.mainLines, 3u);
  EXPECT_EQ(clean.doorLines, 2u);
  EXPECT_EQ(summaryLine(clean, Language::English), "main story 3 lines, doors 2 lines; 0 errors, 0 warnings, 0 notes");

  const CheckReport none = checkDataFolder("Nowhere", Language::English);
  EXPECT_TRUE(none.folderUnreadable);
  EXPECT_EQ(places(none), std::vector<std::string>{"Nowhere error L001"});
}

TEST_F(CheckerTest, FiguresAreWrittenInFull) {
  std::string main = kMain;
  main.replace(main.find("TextNumber=3"), 12, "TextNumber=2147483647");
  gbk("Quorra.data", main);
  const CheckReport report = check();
  ASSERT_EQ(places(report), std::vector<std::string>{"Quorra.data:6:12 error L031"});
  EXPECT_NE(report.findings.front().message.find("TextNumber is 2147483647 but"), std::string::npos)
      << report.findings.front().message;
}

TEST_F(CheckerTest, TheSampleDataHasNoErrorOrWarning) {
  const CheckReport report = checkDataFolder(LUMIVOX_SAMPLE_DATA_DIR, Language::Chinese);
  EXPECT_EQ(report.errors + report.warnings, 0u) << reportText(report, Language::Chinese);
  EXPECT_GT(*report.mainLines, 0u);
  EXPECT_GT(*report.doorLines, 0u);
}

TEST_F(CheckerTest, ConvertsUtf8LibrariesAndNothingElse) {
  raw("Quorra.data", kMain);
  const std::string withEmoji = lines({"[Door]", "0=门一😀", "1=门二"});
  raw("Door.data", withEmoji);
  const std::string thanks = readBytes(data / "SpecialThanks.ED63rd");

  EXPECT_EQ(places(check(Conversion::Utf8Libraries)),
            (std::vector<std::string>{"Quorra.data note L060", "Door.data error L061", "Door.data:2:3 error L011",
                                      "Door.data:2:5 error L013"}));
  EXPECT_EQ(readBytes(data / "Quorra.data"), utf8ToGbk(kMain));
  EXPECT_EQ(readBytes(data / "Quorra.data.utf8.bak"), kMain);
  EXPECT_EQ(readBytes(data / "Door.data"), withEmoji);
  EXPECT_FALSE(fs::exists(data / "Door.data.utf8.bak"));
  EXPECT_EQ(readBytes(data / "SpecialThanks.ED63rd"), thanks);
  EXPECT_FALSE(fs::exists(data / "SpecialThanks.ED63rd.utf8.bak"));

  // Converted once, the library is GBK: a second run leaves it alone.
  raw("Door.data", kDoor);
  EXPECT_EQ(places(check(Conversion::Utf8Libraries)), (std::vector<std::string>{"Door.data note L060"}));
}

// Lines, not files: a GBK file's UTF-8 line is converted alone, GBK that
// reads as UTF-8 too is never touched, and a file with lines that could be
// either is left as it is, as is a read-only one, without a backup that
// would stop the next run.
TEST_F(CheckerTest, ConvertsOnlyTheLinesItIsSureOf) {
  const std::string mixed = utf8ToGbk(lines({"[Door]", "0=门一"})) + "1=你好\r\n";
  raw("Door.data", mixed);
  gbk("SpecialThanks.ED63rd", lines({"[ThanksForYou]", "1=小谢", "2=谢谢"}));
  const std::string thanks = readBytes(data / "SpecialThanks.ED63rd");
  const std::string either = lines({"[Quorra]", "0=第一句", "1=\xE4\xA1\xB0\xE4\xA1\xA1", "2=第三句"});
  raw("Quorra.data", either);

  const CheckReport report = check(Conversion::Utf8Libraries);
  EXPECT_EQ(places(report).front(), "Quorra.data error L061");
  EXPECT_NE(report.findings.front().message.find("line 3 reads as text both"), std::string::npos);
  EXPECT_EQ(readBytes(data / "Quorra.data"), either);
  EXPECT_FALSE(fs::exists(data / "Quorra.data.utf8.bak"));
  EXPECT_EQ(readBytes(data / "Door.data"), utf8ToGbk(lines({"[Door]", "0=门一", "1=你好"})));
  EXPECT_EQ(readBytes(data / "Door.data.utf8.bak"), mixed);
  EXPECT_EQ(readBytes(data / "SpecialThanks.ED63rd"), thanks);

  raw("Quorra.data", kMain);
  fs::permissions(data / "Quorra.data", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  for (int run = 0; run < 2; ++run) {
    const CheckReport readOnly = check(Conversion::Utf8Libraries);
    EXPECT_EQ(places(readOnly).front(), "Quorra.data error L061");
    EXPECT_NE(readOnly.findings.front().message.find("read-only"), std::string::npos) << run;
    EXPECT_FALSE(fs::exists(data / "Quorra.data.utf8.bak"));
  }
  fs::permissions(data / "Quorra.data", fs::perms::owner_write, fs::perm_options::add);
}

// --- the JSON report read back ---

using JsonObject = std::map<std::string, std::string>;  // null as "null", strings unquoted

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}
  std::vector<JsonObject> array() {
    std::vector<JsonObject> objects;
    expect('[');
    while (skipBlanks() != ']') {
      if (!objects.empty()) expect(',');
      objects.push_back(object());
    }
    expect(']');
    EXPECT_EQ(skipBlanks(), '\0') << "text after the array";
    return objects;
  }

 private:
  char skipBlanks() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  void expect(char c) {
    ASSERT_EQ(skipBlanks(), c) << "at " << at_;
    ++at_;
  }
  JsonObject object() {
    JsonObject fields;
    expect('{');
    while (skipBlanks() != '}') {
      if (!fields.empty()) expect(',');
      skipBlanks();
      const std::string name = string();
      expect(':');
      fields[name] = skipBlanks() == '"' ? string() : bare();
    }
    expect('}');
    return fields;
  }
  std::string bare() {
    const std::size_t start = at_;
    while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])))) ++at_;
    return std::string(text_.substr(start, at_ - start));
  }
  std::string string() {
    std::string out;
    ++at_;  // the opening quote
    while (at_ < text_.size() && text_[at_] != '"') {
      const char c = text_[at_++];
      EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "a raw control character";
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = text_[at_++];
      if (e == 'u') {
        const unsigned code = static_cast<unsigned>(std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16));
        at_ += 4;
        out += code == 0xFFFD ? "\xEF\xBF\xBD" : std::string(1, static_cast<char>(code));
      } else {
        out += e == 'n' ? '\n' : e;
      }
    }
    ++at_;
    return out;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

TEST_F(CheckerTest, JsonReadsBackAsTheFindings) {
  raw("HotKeys.opi", "\"K\\\"\x01\"\r\n");
  gbk("Door.data", lines({"[Door]", "0=门一", "0=again"}));
  CheckReport report = check();
  report.findings.push_back({"Data\\odd \"name\"", 2, 0, Severity::Note, "L999", "tab\tnewline\nbroken \xFF end"});
  const std::vector<JsonObject> objects = JsonReader(reportJson(report)).array();
  ASSERT_EQ(objects.size(), report.findings.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const Finding& f = report.findings[i];
    EXPECT_EQ(objects[i].at("file"), f.file);
    EXPECT_EQ(objects[i].at("line"), f.line ? std::to_string(f.line) : "null");
    EXPECT_EQ(objects[i].at("column"), f.column ? std::to_string(f.column) : "null");
    EXPECT_EQ(objects[i].at("severity"), severityName(f.severity));
    EXPECT_EQ(objects[i].at("code"), f.code);
    const std::string broken = "\xFF";
    std::string message = f.message;
    if (const auto at = message.find(broken); at != std::string::npos) message.replace(at, 1, "\xEF\xBF\xBD");
    EXPECT_EQ(objects[i].at("message"), message);
  }
  EXPECT_EQ(JsonReader(reportJson(CheckReport{})).array().size(), 0u);
}

}  // namespace
