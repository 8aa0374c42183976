#include "progress/SaveCommands.h"

#include <string>

#include "common/Prompter.h"
#include "dialogue/IndexModel.h"
#include "progress/ProgressFile.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

void saveProgressCommand(DialogueState& state, Track track, IndexModel& view, Prompter& prompter) {
  const ProgressFiles& files = progressFiles(track);
  try {
    SaveProgress(state, track, files.saveFile);
  } catch (const std::exception&) {
    prompter.inform("程序发生了严重错误。\r\n" + std::string(files.saveFailureHint), "发生错误",
                    Prompter::Icon::Critical);
    return;
  }
  prompter.inform("保存当前进度成功～", kSuccessTitle, Prompter::Icon::Information);
  view.setStatusText("保存成功！");
}

void loadProgressCommand(DialogueState& state, Track track, std::string_view relativePath, IndexModel& view,
                         Prompter& prompter) {
  try {
    LoadProgress(state, track, relativePath, view);
  } catch (const std::exception&) {
    // What the load showed before it failed stays: the user sees which value was refused.
    prompter.inform(kLoadFailedText, kErrorTitle, Prompter::Icon::Critical);
    view.setStatusText(kErrorStatusText);
  }
}

}  // namespace lumivox
