#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "common/CommandId.h"

namespace lumivox {

class IndexModel;
class Prompter;
struct DialogueState;

inline constexpr const char* kStepFallbackText = "准备开始对话...";

// The four hand corrections of the active track's counter.
struct StepCommand {
  CommandId command;
  std::int32_t step;
  std::string_view statusPrefix;
};

const std::array<StepCommand, 4>& stepCommands();

// Moves the active track's counter by step and shows the line the counter
// named before the move, which is also what the key is set to. A move beyond
// the 32-bit range leaves the counter as it was and reports the failure.
void StepProgress(DialogueState& state, IndexModel& view, Prompter& prompter, std::int32_t step,
                  std::string_view statusPrefix);

}  // namespace lumivox
