#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "info/GameLauncher.h"
#include "info/RegistryValue.h"
#include "platform/WineRegistry.h"
#include "support/Files.h"
#include "support/ScriptedRegistry.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

constexpr const char* kDefault = "C:\\PROGRAM FILES\\FALCOM\\ED_SORA2";

// The start of a user.reg as Wine writes it.
const std::string kHeader =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n";
const std::string kGameKey = "[Software\\\\Falcom\\\\Fsetup] 1796680818\n#time=1dd869658df9bda\n";

// A Wine prefix of its own holding the given user.reg.
struct Prefix {
  TempWorkDir dir{TempWorkDir::Data::None};
  std::string folder = (dir.path() / "prefix").string();
  WineRegistry registry{folder};

  explicit Prefix(const std::optional<std::string>& userReg) {
    std::filesystem::create_directory(folder);
    if (userReg) writeBytes(std::filesystem::path(folder) / "user.reg", *userReg);
  }
  std::string read(const std::string& key = kGameFolderKey, const std::string& value = kGameFolderValue) {
    return ReadRegistryValue(registry, kHkeyCurrentUser, key, value, kDefault);
  }
};

std::string gameFolderIn(const std::string& userReg) { return Prefix(userReg).read(); }

struct Row {
  const char* behaviour;
  std::string body;  // below the header
  std::string expected;
};

}  // namespace

TEST(RegistryValue, GameFolderFromUserRegSnippets) {
  const Row rows[] = {
      {"a plain string keeps its escaped backslashes and blanks",
       kGameKey + "\"ED_SORA2\"=\"C:\\\\Program Files\\\\Falcom\\\\ED_SORA2\"\n",
       "C:\\Program Files\\Falcom\\ED_SORA2"},
      {"Chinese written as Wine's \\x escapes", kGameKey + "\"ED_SORA2\"=\"D:\\\\\\x6e38\\x620f \\x76ee\\x5f55\"\n",
       "D:\\游戏 目录"},
      {"Chinese written as raw UTF-8", kGameKey + "\"ED_SORA2\"=\"D:\\\\游戏 目录\"\n", "D:\\游戏 目录"},
      {"no such key: the default", "[Software\\\\Falcom\\\\Other] 1\n\"ED_SORA2\"=\"x\"\n", kDefault},
      {"the key without the value: empty", kGameKey + "\"Other\"=\"x\"\n", ""},
      {"a key that only has subkeys still opens", "[Software\\\\Falcom\\\\Fsetup\\\\Sub] 1\n\"ED_SORA2\"=\"x\"\n", ""},
      {"key names ignore case", "[software\\\\FALCOM\\\\fSETUP] 1\n\"ED_SORA2\"=\"x\"\n", "x"},
      {"value names ignore case", kGameKey + "\"ed_Sora2\"=\"x\"\n", "x"},
      {"text ends at its first NUL", kGameKey + "\"ED_SORA2\"=\"C:\\\\a\\0b\"\n", "C:\\a"},
      {"str: is a plain string", kGameKey + "\"ED_SORA2\"=str:\"x\"\n", "x"},
      {"a string stored as hex with its terminator", kGameKey + "\"ED_SORA2\"=hex(1):43,00,3a,00,00,00\n", "C:"},
      {"a string stored without a NUL: empty", kGameKey + "\"ED_SORA2\"=hex(1):43,00,3a,00\n", ""},
      {"an odd last byte is half a character", kGameKey + "\"ED_SORA2\"=hex(1):43,00,00,00,3a\n", "C"},
      {"hex continued on following lines",
       kGameKey + "\"ED_SORA2\"=hex(1):43,00,3a,00,\\\n  5c,00,\\\n  00,00\n", "C:\\"},
      {"a DWORD as decimal text", kGameKey + "\"ED_SORA2\"=dword:00000001\n", "1"},
      {"a DWORD is signed", kGameKey + "\"ED_SORA2\"=dword:ffffffff\n", "-1"},
      {"binary data of up to four bytes is a little-endian integer", kGameKey + "\"ED_SORA2\"=hex:01,02\n", "513"},
      {"binary data of four bytes with the sign bit", kGameKey + "\"ED_SORA2\"=hex:00,00,00,80\n", "-2147483648"},
      {"empty binary data is zero", kGameKey + "\"ED_SORA2\"=hex:\n", "0"},
      {"binary data longer than four bytes is not read", kGameKey + "\"ED_SORA2\"=hex:01,02,03,04,05\n", ""},
      {"a QWORD is longer than four bytes", kGameKey + "\"ED_SORA2\"=hex(b):05,00,00,00,00,00,00,00\n", ""},
      {"an expandable string longer than four bytes", kGameKey + "\"ED_SORA2\"=str(2):\"%ProgramFiles%\\\\x\"\n", ""},
      {"a short expandable string is read as an integer of its ANSI bytes",
       kGameKey + "\"ED_SORA2\"=str(2):\"ab\"\n", "25185"},
      {"a short multi-string likewise", kGameKey + "\"ED_SORA2\"=str(7):\"a\"\n", "97"},
      {"a malformed value exists without type or data", kGameKey + "\"ED_SORA2\"=\"unterminated\n", "0"},
      {"hex data of another value takes the line it continues on",
       kGameKey + "\"Other\"=hex:00,\\\n\"ED_SORA2\"=\"x\"\n", ""},
      {"a value given twice: the later counts", kGameKey + "\"ED_SORA2\"=\"one\"\n\"ED_SORA2\"=\"two\"\n", "two"},
      {"the same key twice: its values merge",
       kGameKey + "\"ED_SORA2\"=\"one\"\n\n[Software\\\\Falcom] 1\n\"ED_SORA2\"=\"parent\"\n" + kGameKey +
           "\"Other\"=\"x\"\n",
       "one"},
      {"a broken section header drops its values", "[Software\\\\Falcom\\\\Fsetup 1\n\"ED_SORA2\"=\"x\"\n", kDefault},
      {"escaped quotes and odd escapes", kGameKey + "\"ED_SORA2\"=\"a\\\"b\\zc\\x\\101\\x41g\\t.\"\n", "a\"bzcxAAg\t."},
      {"blanks around = and text after the closing quote", kGameKey + "  \"ED_SORA2\" =  \"x\" trailing\n", "x"},
      {"Windows line ends", "[Software\\\\Falcom\\\\Fsetup] 1\r\n\"ED_SORA2\"=\"x\"\r\n", "x"},
      {"characters GBK cannot hold become question marks", kGameKey + "\"ED_SORA2\"=\"a\\xd83d\\xde00\\xd800b\"\n",
       "a??b"},
  };
  for (const Row& row : rows) EXPECT_EQ(gameFolderIn(kHeader + row.body), row.expected) << row.behaviour;
}

TEST(RegistryValue, KeyPathsAndTheDefaultValue) {
  Prefix prefix(kHeader + kGameKey + "@=\"default value\"\n\"ED_SORA2\"=\"x\"\n");
  EXPECT_EQ(prefix.read("Software\\Falcom\\Fsetup\\", "ED_SORA2"), "x");
  EXPECT_EQ(prefix.read("Software\\\\Falcom\\Fsetup", "ED_SORA2"), "x");
  EXPECT_EQ(prefix.read("\\Software\\Falcom\\Fsetup", "ED_SORA2"), kDefault);  // not a valid path
  EXPECT_EQ(prefix.read("Software\\Falcom\\Fsetup", ""), "default value");
  EXPECT_EQ(prefix.read("Software\\Falcom", "ED_SORA2"), "");
  EXPECT_EQ(prefix.read("Software\\Falc", "ED_SORA2"), kDefault);  // a name's beginning is not a key
  EXPECT_EQ(ReadRegistryValue(prefix.registry, 0x80000002, kGameFolderKey, kGameFolderValue, kDefault), kDefault);
}

TEST(RegistryValue, NoPrefixNoFileOrNotARegistryFileMeansTheKeyCannotBeOpened) {
  EXPECT_EQ(Prefix(std::nullopt).read(), kDefault);
  EXPECT_EQ(gameFolderIn(""), kDefault);
  EXPECT_EQ(gameFolderIn(kGameKey + "\"ED_SORA2\"=\"x\"\n"), kDefault);  // no header: Wine ignores the file
  EXPECT_EQ(gameFolderIn("\xEF\xBB\xBF" + kHeader + kGameKey + "\"ED_SORA2\"=\"x\"\n"), kDefault);

  TempWorkDir dir(TempWorkDir::Data::None);
  WineRegistry nowhere((dir.path() / "missing").string());
  EXPECT_EQ(ReadRegistryValue(nowhere, kHkeyCurrentUser, kGameFolderKey, kGameFolderValue, kDefault), kDefault);
  std::filesystem::create_directories(dir.path() / "folder" / "user.reg");
  WineRegistry folderForFile((dir.path() / "folder").string());
  EXPECT_EQ(ReadRegistryValue(folderForFile, kHkeyCurrentUser, kGameFolderKey, kGameFolderValue, kDefault), kDefault);
}

TEST(RegistryValue, TruncatedFilesGiveTheValueTheDefaultOrEmptyText) {
  const std::string file = kHeader + kGameKey + "\"ED_SORA2\"=\"D:\\\\Games\\\\\\x6e38\\x620f\"\n\"Next\"=dword:1\n";
  for (std::size_t length = 0; length <= file.size(); ++length) {
    const std::string result = gameFolderIn(file.substr(0, length));
    EXPECT_TRUE(result == kDefault || result.empty() || result == "0" || result == "D:\\Games\\游戏")
        << "cut at " << length << ": " << result;
  }
  EXPECT_EQ(gameFolderIn(kHeader + kGameKey + "\"ED_SORA2\"=hex(1):43,00,\\\n"), "0");  // continued into nothing
}

TEST(RegistryValue, BinaryAndRandomFilesNeverBreakTheReader) {
  std::mt19937 random(8);
  const std::string pieces[] = {"[", "]", "\\", "\"", "=", "@", "hex(", "):", "hex:", "dword:", "str(2):\"", ",",
                                "\\\n", "\n", "\\x", "\\0", "Software\\\\Falcom\\\\Fsetup", "ED_SORA2", "ff", " "};
  for (int round = 0; round < 300; ++round) {
    std::string body = kGameKey;
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      if (random() % 3 == 0) body += static_cast<char>(random() % 256);
      else body += pieces[random() % std::size(pieces)];
    }
    const std::string result = gameFolderIn(kHeader + body);
    EXPECT_NE(result, kDefault) << "the key exists in round " << round;
  }
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random() % 256);
  EXPECT_EQ(gameFolderIn(binary), kDefault);
  EXPECT_EQ(gameFolderIn(kHeader + binary + "\n" + kGameKey + "\"ED_SORA2\"=\"x\"\n"), "x");
}

TEST(RegistryValue, HugeFiles) {
  // Many keys before the one wanted: read through in one pass.
  std::string many = kHeader;
  for (int i = 0; i < 100000; ++i)
    many += "[Software\\\\Vendor" + std::to_string(i) + "] 1\n\"Path\"=\"C:\\\\Program Files\\\\Vendor\"\n";
  EXPECT_EQ(gameFolderIn(many + kGameKey + "\"ED_SORA2\"=\"x\"\n"), "x");

  // A text as long as the longest path is read; a longer one reads as empty.
  const std::string longest(32767, 'a');
  EXPECT_EQ(gameFolderIn(kHeader + kGameKey + "\"ED_SORA2\"=\"" + longest + "\"\n"), longest);
  EXPECT_EQ(gameFolderIn(kHeader + kGameKey + "\"ED_SORA2\"=\"" + longest + "a\"\n"), "");
  EXPECT_EQ(gameFolderIn(kHeader + kGameKey + "\"ED_SORA2\"=\"" + longest + "ab"), "");

  // Beyond the size limit the file is not read at all.
  Prefix prefix(kHeader + kGameKey + "\"ED_SORA2\"=\"x\"\n");
  std::filesystem::resize_file(std::filesystem::path(prefix.folder) / "user.reg", WineRegistry::kMaxFileBytes + 1);
  EXPECT_EQ(prefix.read(), kDefault);
}

TEST(RegistryValue, KeysAreClosedAndTheDataReadIsNeverLongerThanItsBuffer) {
  ScriptedRegistry registry;
  registry.keys["Software\\Falcom\\Fsetup"] = {{"ED_SORA2", {kRegSz, std::string("C:\\x\0", 5)}},
                                                {"Grows", {kRegSz, std::string("C:\\\0", 4)}},
                                                {"Long", {kRegBinary, std::string(16, '\x7f')}}};
  registry.changeBeforeRead["Grows"] = std::string("C:\\longer\0", 10);
  auto read = [&](const char* value) {
    return ReadRegistryValue(registry, kHkeyCurrentUser, kGameFolderKey, value, kDefault);
  };
  EXPECT_EQ(read("ED_SORA2"), "C:\\x");
  EXPECT_EQ(read("Grows"), "");  // grew between the two queries: the second one fails
  EXPECT_EQ(read("Long"), "");
  EXPECT_EQ(read("Missing"), "");
  EXPECT_EQ(ReadRegistryValue(registry, kHkeyCurrentUser, "Software\\Nope", "x", kDefault), kDefault);
  EXPECT_EQ(registry.opened, 4);
  EXPECT_EQ(registry.closed, 4);
}

TEST(RegistryValue, GbkTextBecomesUtf8) {
  ScriptedRegistry registry;
  registry.keys["Software\\Falcom\\Fsetup"] = {{"ED_SORA2", {kRegSz, std::string("D:\\\xD3\xCE\xCF\xB7\0", 8)}}};
  EXPECT_EQ(readGameFolder(registry, kDefault), "D:\\游戏");
}
