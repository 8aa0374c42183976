#include "dialogue/Startup.h"

#include "common/Paths.h"
#include "common/Prompter.h"
#include "dialogue/DataFiles.h"
#include "dialogue/DialogueState.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/IndexModel.h"

namespace lumivox {

bool runStartup(DialogueState& state, IndexModel& view, const StartupServices& services) {
  state.activeTrack = std::string(kMainTrackName);
  if (services.anotherInstanceRunning && services.anotherInstanceRunning() &&
      services.prompter->ask("老实说，我并不希望被装载多次，因为装载多次可以导致我发生严重的错误。"
                             "如果你一定要我装载多次，那么，请单击取消，否则请单击确定",
                             "我想对你说", Prompter::Buttons::OkCancel, Prompter::Icon::Information)) {
    services.endProgram();
    return false;
  }
  if (services.startRunning) services.startRunning();
  try {
    if (services.readGameFolder) state.gamePath = services.readGameFolder(kDefaultGameFolder);
    state.counterPagePath = pathInCurrentDirectory(kCounterPageFile);
    state.hotkeyToken = readHotkeyToken(pathInCurrentDirectory(kHotkeyFile));
    view.setStatusText(kReadyText);
    if (services.startCounterPage) services.startCounterPage(state.counterPagePath);
  } catch (const std::exception&) {
    services.prompter->inform(kStartupErrorText, "出错了", Prompter::Icon::Critical);
  }
  return true;
}

}  // namespace lumivox
