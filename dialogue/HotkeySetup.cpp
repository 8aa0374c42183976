#include "dialogue/HotkeySetup.h"

#include <string>

#include "common/Paths.h"
#include "common/Prompter.h"
#include "dialogue/DataFiles.h"
#include "dialogue/Hotkeys.h"
#include "platform/AtomicFile.h"

namespace lumivox {

void applyHotkeySetup(HotkeySetupView& view, Prompter& prompter) {
  std::string chosenToken;
  const auto& choices = hotkeyChoices();
  for (std::size_t row = 0; row < choices.size(); ++row)
    if (view.isOptionSelected(row)) chosenToken = std::string(choices[row].token);
  try {
    writeFileAtomically(pathInCurrentDirectory(kHotkeyFile), chosenToken + "\r\n");
  } catch (const std::exception&) {
    prompter.inform(kHotkeyWriteFailedText, "发生错误", Prompter::Icon::Critical);
    return;
  }
  prompter.inform(kHotkeySavedText, "恭喜", Prompter::Icon::Information);
  view.closeWindow();
}

}  // namespace lumivox
