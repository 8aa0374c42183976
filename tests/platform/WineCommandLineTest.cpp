#include <gtest/gtest.h>

#include "platform/WineCommandLine.h"

using lumivox::wineArguments;
using Arguments = std::vector<std::string>;

TEST(WineCommandLine, Rundll32GetsItsEntryAsOneWordAndTheRestWhole) {
  EXPECT_EQ(wineArguments("Rundll32.exe url.dll, FileProtocolHandler C:\\PROGRAM FILES\\FALCOM\\ED_SORA2\\ED6_WIN2.exe"),
            (Arguments{"Rundll32.exe", "url.dll,FileProtocolHandler", "C:\\PROGRAM FILES\\FALCOM\\ED_SORA2\\ED6_WIN2.exe"}));
  // Blanks inside the rest are kept as they are, runs of them too.
  EXPECT_EQ(wineArguments("Rundll32.exe url.dll, FileProtocolHandler D:\\游戏  目录 \\ED6_WIN2.exe"),
            (Arguments{"Rundll32.exe", "url.dll,FileProtocolHandler", "D:\\游戏  目录 \\ED6_WIN2.exe"}));
  EXPECT_EQ(wineArguments("Rundll32.exe url.dll, FileProtocolHandler \\ED6_WIN2.exe"),
            (Arguments{"Rundll32.exe", "url.dll,FileProtocolHandler", "\\ED6_WIN2.exe"}));
}

TEST(WineCommandLine, NoCharacterIsSpecial) {
  EXPECT_EQ(wineArguments("Rundll32.exe url.dll, FileProtocolHandler Z:\\a $HOME `id` 'q' \"d\" ; & | > %PATH%\\x.exe"),
            (Arguments{"Rundll32.exe", "url.dll,FileProtocolHandler", "Z:\\a $HOME `id` 'q' \"d\" ; & | > %PATH%\\x.exe"}));
}

TEST(WineCommandLine, Rundll32Spellings) {
  const Arguments expected{"rundll32", "url.dll,FileProtocolHandler", "x y"};
  EXPECT_EQ(wineArguments("rundll32 url.dll,FileProtocolHandler x y"), expected);
  EXPECT_EQ(wineArguments("  rundll32   url.dll ,  FileProtocolHandler   x y"), expected);
  EXPECT_EQ(wineArguments("rundll32 url.dll FileProtocolHandler x y"), expected);
  EXPECT_EQ(wineArguments("\"C:\\windows\\system32\\RUNDLL32.EXE\" \"C:\\my dir\\a.dll\",Entry"),
            (Arguments{"C:\\windows\\system32\\RUNDLL32.EXE", "C:\\my dir\\a.dll,Entry"}));
  EXPECT_EQ(wineArguments("rundll32 url.dll"), (Arguments{"rundll32", "url.dll"}));
  EXPECT_EQ(wineArguments("rundll32"), (Arguments{"rundll32"}));
}

TEST(WineCommandLine, OtherProgramsGetTheirArgumentsAsWindowsSplitsThem) {
  EXPECT_EQ(wineArguments("C:\\game\\ED6_WIN2.exe"), (Arguments{"C:\\game\\ED6_WIN2.exe"}));
  EXPECT_EQ(wineArguments("\"C:\\Program Files\\game.exe\"  a  \"b c\" d\"e f\"g"),
            (Arguments{"C:\\Program Files\\game.exe", "a", "b c", "de fg"}));
  EXPECT_EQ(wineArguments("x.exe a\\\\b \\\"q\\\" \"e\\\\\" \"\"\"\" \"\""),
            (Arguments{"x.exe", "a\\\\b", "\"q\"", "e\\", "\"", ""}));
}
