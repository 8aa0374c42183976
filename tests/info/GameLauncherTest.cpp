#include <gtest/gtest.h>

#include <stdexcept>

#include "common/Prompter.h"
#include "info/GameLauncher.h"
#include "support/ScriptedProgramStarter.h"
#include "support/ScriptedPrompter.h"

using namespace lumivox;

TEST(GameLauncher, StartsTheGameInItsFolderWithoutAMessage) {
  using Start = std::pair<std::string, std::string>;
  for (const Start& start : {Start{"D:\\游戏  目录\\空之轨迹 SC\\ED6_WIN2.exe", "D:\\游戏  目录\\空之轨迹 SC"},
                             Start{"\\ED6_WIN2.exe", ""}}) {
    ScriptedProgramStarter starter;
    ScriptedPrompter prompter;
    launchGame(start.second, starter, prompter);
    EXPECT_EQ(starter.starts, std::vector<Start>{start});
    EXPECT_TRUE(prompter.boxes.empty());
  }
}

TEST(GameLauncher, AStartThatFailsOrThrowsShowsTheMessage) {
  class ThrowingStarter final : public ProgramStarter {
   public:
    bool start(const std::string&, const std::string&) override { throw std::runtime_error("no process"); }
  };
  ScriptedProgramStarter failing;
  failing.succeeds = false;
  ThrowingStarter throwing;
  for (ProgramStarter* starter : {static_cast<ProgramStarter*>(&failing), static_cast<ProgramStarter*>(&throwing)}) {
    ScriptedPrompter prompter;
    launchGame("C:\\PROGRAM FILES\\FALCOM\\ED_SORA2", *starter, prompter);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].kind, ScriptedPrompter::Box::Kind::Inform);
    EXPECT_EQ(prompter.boxes[0].text, "咳咳。。MS无法找到3rd的路径的说。。所以请自行打开了。");
    EXPECT_EQ(prompter.boxes[0].title, "出错了");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Icon::Critical);
  }
}
