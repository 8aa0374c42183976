#include "progress/Stepping.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "common/Prompter.h"
#include "dialogue/DialogueState.h"
#include "dialogue/IndexModel.h"
#include "dialogue/ShownLine.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

const std::array<StepCommand, 4>& stepCommands() {
  static const std::array<StepCommand, 4> commands{{
      {CommandId::StepBack1, -1, "已成功将对话往前一个屏幕。对话数："},
      {CommandId::StepBack10, -10, "已成功将对话往前十个屏幕。对话数："},
      {CommandId::StepForward1, 1, "已成功将对话后移一个屏幕。对话数："},
      {CommandId::StepForward10, 10, "已成功将对话后移十个屏幕。对话数："},
  }};
  return commands;
}

void StepProgress(DialogueState& state, IndexModel& view, Prompter& prompter, std::int32_t step,
                  std::string_view statusPrefix) {
  try {
    const Track track = state.track();
    std::int32_t& counter = state.counter(track);
    std::string& key = state.key(track);
    // The key takes the counter first, so it is set even when the move fails.
    key = std::to_string(counter);
    const std::int64_t moved = std::int64_t{counter} + step;
    if (moved < std::numeric_limits<std::int32_t>::min() || moved > std::numeric_limits<std::int32_t>::max())
      throw std::overflow_error("line counter out of range");
    counter = static_cast<std::int32_t>(moved);
    view.setStatusText(std::string(statusPrefix) + key);
    showLine(state, view, track, key, kStepFallbackText);
  } catch (const std::exception&) {
    prompter.inform(kProgramErrorText, kErrorTitle, Prompter::Icon::Critical);
    view.setStatusText(kErrorStatusText);
  }
}

}  // namespace lumivox
