#include "qt/FeatureCommands.h"
#include "qt/IndexWindow.h"
#include "info/GameLauncher.h"
#include "platform/ProgramStart.h"

namespace lumivox {
namespace {

// Stands in when the program was given no way to start programs: the launch
// then fails with its message instead of doing nothing.
class NoProgramStarter final : public ProgramStarter {
 public:
  bool start(const std::string&) override { return false; }
};

}  // namespace

void connectLauncherCommands(IndexWindow& window) {
  window.onMenuItem("启动游戏", [&window] {
    NoProgramStarter none;
    ProgramStarter* starter = window.programStarter();
    launchGame(window.state().gamePath, starter ? *starter : none, window.prompter());
  });
}

}  // namespace lumivox
