#include "progress/Jump.h"

#include "common/NumberConversion.h"
#include "common/Prompter.h"
#include "dialogue/DialogueState.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

void confirmJump(DialogueState& state, JumpView& window, Prompter& prompter) {
  const auto line = toInt32(window.typedText());
  if (!line) {
    prompter.inform(kJumpParseErrorText, kErrorTitle, Prompter::Icon::Critical);
    return;
  }
  state.mainLineNumber = *line;
  prompter.inform("保存成功～按您设置的键跳转对话。[默认空格]", kSuccessTitle, Prompter::Icon::Information);
  window.unload();
}

}  // namespace lumivox
