#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "dialogue/HotkeySetup.h"
#include "dialogue/Hotkeys.h"
#include "platform/KeyWatch.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

struct FakeHotkeyWindow final : HotkeySetupView {
  int selected = 0;
  bool closed = false;
  std::array<std::string, kPlayerActionCount> keyTexts;
  bool isOptionSelected(std::size_t row) const override { return static_cast<int>(row) == selected; }
  std::string playerKeyText(std::size_t row) const override { return keyTexts[row]; }
  void setPlayerKeyText(std::size_t row, const std::string& text) override { keyTexts[row] = text; }
  void closeWindow() override { closed = true; }
};

struct FakeKeysHost final : PlayerKeysHost {
  PlayerKeySet keys = defaultPlayerKeys();
  int handedOver = 0;
  int dialogue = vk::Space;
  const PlayerKeySet& playerKeys() const override { return keys; }
  void setPlayerKeys(const PlayerKeySet& set) override { keys = set, ++handedOver; }
  int dialogueKey() const override { return dialogue; }
};

std::vector<fs::path> everything(const TempWorkDir& dir) {
  std::vector<fs::path> paths(fs::recursive_directory_iterator(dir.path()), fs::recursive_directory_iterator());
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace

TEST(HotkeySetup, ApplyWritesTheChosenTokenAndALineEnd) {
  TempWorkDir dir;
  for (int row = 0; row < 7; ++row) {
    FakeHotkeyWindow window;
    window.selected = row;
    ScriptedPrompter prompter;
    FakeKeysHost host;
    applyHotkeySetup(window, host, prompter);
    const std::string written = readBytes(dir.dataDir() / "HotKeys.opi");
    EXPECT_EQ(written.size(), 31u);
    EXPECT_EQ(written, std::string(hotkeyChoices()[static_cast<std::size_t>(row)].token) + "\r\n");
    EXPECT_EQ(readHotkeyToken(dir.file("Data/HotKeys.opi")), hotkeyChoices()[static_cast<std::size_t>(row)].token);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, kHotkeySavedText);
    EXPECT_EQ(prompter.boxes[0].title, "恭喜");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(window.closed);
  }
}

// Every way the file cannot be written: the error box, the window left open,
// and nothing on disk changed or created.
TEST(HotkeySetup, UnwritableFileGivesTheErrorAndKeepsWhatWasThere) {
  struct Case {
    const char* name;
    void (*prepare)(const TempWorkDir&);
    void (*check)(const TempWorkDir&);
  };
  const Case cases[] = {
      {"no Data folder", [](const TempWorkDir& d) { fs::remove_all(d.dataDir()); },
       [](const TempWorkDir& d) { EXPECT_FALSE(fs::exists(d.dataDir())); }},
      {"folder in place of the file",
       [](const TempWorkDir& d) {
         fs::remove(d.dataDir() / "HotKeys.opi");
         fs::create_directory(d.dataDir() / "HotKeys.opi");
       },
       [](const TempWorkDir& d) { EXPECT_TRUE(fs::is_directory(d.dataDir() / "HotKeys.opi")); }},
      {"read-only file",
       [](const TempWorkDir& d) {
         writeBytes(d.dataDir() / "HotKeys.opi", "old content\r\n");
         fs::permissions(d.dataDir() / "HotKeys.opi", fs::perms::owner_read | fs::perms::group_read);
       },
       [](const TempWorkDir& d) {
         EXPECT_EQ(readBytes(d.dataDir() / "HotKeys.opi"), "old content\r\n");
         fs::permissions(d.dataDir() / "HotKeys.opi", fs::perms::owner_all);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempWorkDir dir;
    c.prepare(dir);
    const auto entriesBefore = everything(dir);
    FakeHotkeyWindow window;
    window.selected = 1;
    ScriptedPrompter prompter;
    FakeKeysHost host;
    applyHotkeySetup(window, host, prompter);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, kHotkeyWriteFailedText);
    EXPECT_EQ(prompter.boxes[0].title, "发生错误");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Icon::Critical);
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(host.handedOver, 0);
    EXPECT_EQ(everything(dir), entriesBefore);  // no folder made, no temporary left
    c.check(dir);
  }
}

// The player keys as the window shows them go back as they were, a cleared
// one as none; one the watch cannot see, or set twice, is refused before the
// hotkey file is touched.
TEST(HotkeySetup, PlayerKeysAreHandedOverOrRefusedBeforeAnythingIsWritten) {
  TempWorkDir dir;
  FakeKeysHost host;
  FakeHotkeyWindow window;
  loadHotkeySetup(window, host);
  EXPECT_EQ(window.keyTexts[0], "Pause");
  window.keyTexts[3] = "";
  ScriptedPrompter prompter;
  applyHotkeySetup(window, host, prompter);
  EXPECT_TRUE(window.closed);
  EXPECT_EQ(host.handedOver, 1);
  EXPECT_TRUE(host.keys[3].none());
  EXPECT_EQ(host.keys[0], defaultPlayerKeys()[0]);

  for (const char* bad : {"Meta+X", "Pause"}) {
    fs::remove(dir.dataDir() / "HotKeys.opi");
    FakeHotkeyWindow refused;
    loadHotkeySetup(refused, host);
    refused.keyTexts[1] = bad;
    ScriptedPrompter said;
    applyHotkeySetup(refused, host, said);
    ASSERT_EQ(said.boxes.size(), 1u);
    EXPECT_NE(said.boxes[0].text.find(std::string("「") + bad + "」"), std::string::npos) << said.boxes[0].text;
    EXPECT_FALSE(refused.closed);
    EXPECT_EQ(host.handedOver, 1);
    EXPECT_FALSE(fs::exists(dir.dataDir() / "HotKeys.opi"));
  }
}

// A player key that is the dialogue key alone, the one chosen for the next
// start or the one in use until then, is refused as a key set twice is.
TEST(HotkeySetup, APlayerKeyMayNotBeTheDialogueKey) {
  TempWorkDir dir;
  struct Case {
    int inUse, selected;
    const char* stepForward;
    const char* said;  // nothing when accepted
  };
  const Case cases[] = {
      {vk::Space, 0, "Space", "「快进一句」的按键「Space」是选中的切换对话的热键「空格(默认)」"},
      {vk::Space, 1, "Return", "「快进一句」的按键「Return」是选中的切换对话的热键「回车」"},
      {vk::Space, 1, "Space", "「快进一句」的按键「Space」是现在切换对话的热键（新选的热键重新启动软件后才生效）"},
      {vk::Return, 0, "Return", "是现在切换对话的热键"},
      {vk::Space, 0, "Shift+Space", nullptr},
      {vk::Space, 4, "Ctrl+Alt+PgDown", nullptr},  // Ctrl as a modifier is no clash
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stepForward);
    fs::remove(dir.dataDir() / "HotKeys.opi");
    FakeKeysHost host;
    host.dialogue = c.inUse;
    FakeHotkeyWindow window;
    window.selected = c.selected;
    loadHotkeySetup(window, host);
    window.keyTexts[2] = c.stepForward;
    ScriptedPrompter prompter;
    applyHotkeySetup(window, host, prompter);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    if (!c.said) {
      EXPECT_EQ(prompter.boxes[0].text, kHotkeySavedText);
      EXPECT_EQ(formatKeyCombo(host.keys[2]), c.stepForward);
      continue;
    }
    EXPECT_NE(prompter.boxes[0].text.find(c.said), std::string::npos) << prompter.boxes[0].text;
    EXPECT_EQ(prompter.boxes[0].title, "出错了");
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(host.handedOver, 0);
    EXPECT_FALSE(fs::exists(dir.dataDir() / "HotKeys.opi"));
  }
}
