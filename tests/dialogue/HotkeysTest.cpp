#include <gtest/gtest.h>

#include "dialogue/Hotkeys.h"
#include "platform/FileRead.h"
#include "platform/KeyWatch.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using lumivox::virtualKeyForToken;
namespace vk = lumivox::vk;

TEST(Hotkeys, EveryTokenNamesItsKeyAndAnythingElseIsSpace) {
  const int expected[] = {vk::Space, vk::Return, vk::Escape, vk::Shift, vk::Control, vk::Menu, vk::Tab};
  for (std::size_t i = 0; i < 7; ++i) {
    const auto& choice = lumivox::hotkeyChoices()[i];
    EXPECT_EQ(choice.token.size(), 29u);
    EXPECT_EQ(virtualKeyForToken(choice.token), expected[i]) << choice.caption;
  }
  EXPECT_EQ(virtualKeyForToken(""), vk::Space);
  EXPECT_EQ(virtualKeyForToken("b2c3d-4e5f6-a7b8c-9d0e1-f2a3b"), vk::Space);  // lower case
  EXPECT_EQ(virtualKeyForToken("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B "), vk::Space);
}

TEST(Hotkeys, FileReadingKeepsTheLastField) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const auto file = dir.path() / "HotKeys.opi";
  auto keyOf = [&](const std::string& bytes) {
    writeBytes(file, bytes);
    return virtualKeyForToken(lumivox::readHotkeyToken(file.string()));
  };
  EXPECT_EQ(keyOf("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n"), vk::Return);
  EXPECT_EQ(keyOf("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\nRWN9P-2KHX5-TGQ4M-8ZVL7-DYC3J\r\n"), vk::Tab);
  EXPECT_EQ(keyOf("\"C3D4E-5F6A7-B8C9D-0E1F2-A3B4C\"\r\n"), vk::Escape);
  EXPECT_EQ(keyOf("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B,more\r\n"), vk::Space);
  EXPECT_EQ(keyOf(""), vk::Space);
  // Larger than any hotkey file can sensibly be.
  writeBytes(file, std::string(2 * 1024 * 1024, '1'));
  EXPECT_THROW(lumivox::readHotkeyToken(file.string()), lumivox::FileError);
}
