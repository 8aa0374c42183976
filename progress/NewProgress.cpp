#include "progress/NewProgress.h"

#include <string>

#include "common/Prompter.h"
#include "dialogue/DialogueState.h"

namespace lumivox {

void newProgress(DialogueState& state, Prompter& prompter) {
  if (!prompter.ask("您确定要开始一个新的对话进度吗？", "新建确认", Prompter::Buttons::YesNo, Prompter::Icon::Question))
    return;
  state.mainLineNumber = 0;
  state.mainLineKey = std::to_string(state.mainLineNumber);
}

}  // namespace lumivox
