#include "dialogue/HotkeySetup.h"

#include <optional>
#include <string>

#include "common/Paths.h"
#include "common/Prompter.h"
#include "dialogue/DataFiles.h"
#include "dialogue/Hotkeys.h"
#include "platform/AtomicFile.h"

namespace lumivox {

namespace {

// The keys as the fields hold them, or nothing once the first that cannot be
// used was said. The dialogue key chosen counts from the next start; until
// then the one in use does.
std::optional<PlayerKeySet> checkedPlayerKeys(const HotkeySetupView& view, const HotkeyChoice& chosen,
                                              int dialogueKeyInUse, Prompter& prompter) {
  PlayerKeySet keys;
  const auto& rows = playerKeyRows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const std::string text = view.playerKeyText(row);
    const std::optional<KeyCombo> combo = parseKeyCombo(text);
    std::string problem;
    if (!combo) {
      problem = "「" + text + "」不能在游戏中使用：请用一个键，可以再加 Ctrl、Alt、Shift。";
    } else {
      keys[row] = *combo;
      if (const auto before = rowWithSameKeysBefore(keys, row))
        problem = "「" + text + "」已经是「" + std::string(rows[*before].caption) + "」的按键了：每个按键只能做一件事。";
      else if (takesTheDialogueKey(*combo, chosen.virtualKey))
        problem = "「" + text + "」是选中的切换对话的热键「" + std::string(chosen.caption) + "」：每个按键只能做一件事。";
      else if (takesTheDialogueKey(*combo, dialogueKeyInUse))
        problem = "「" + text + "」是现在切换对话的热键（新选的热键重新启动软件后才生效）：每个按键只能做一件事。";
    }
    if (!problem.empty()) {
      prompter.inform("「" + std::string(rows[row].caption) + "」的按键" + problem, "出错了", Prompter::Icon::Critical);
      return std::nullopt;
    }
  }
  return keys;
}

}  // namespace

void loadHotkeySetup(HotkeySetupView& view, const PlayerKeysHost& keys) {
  for (std::size_t row = 0; row < kPlayerActionCount; ++row)
    view.setPlayerKeyText(row, formatKeyCombo(keys.playerKeys()[row]));
}

void applyHotkeySetup(HotkeySetupView& view, PlayerKeysHost& keys, Prompter& prompter) {
  std::optional<std::size_t> chosenRow;
  const auto& choices = hotkeyChoices();
  for (std::size_t row = 0; row < choices.size(); ++row)
    if (view.isOptionSelected(row)) chosenRow = row;
  // With none selected the empty token is written, which names Space as the first row does.
  const HotkeyChoice& chosen = choices[chosenRow.value_or(0)];
  const std::string chosenToken = chosenRow ? std::string(chosen.token) : std::string();
  const std::optional<PlayerKeySet> playerKeys = checkedPlayerKeys(view, chosen, keys.dialogueKey(), prompter);
  if (!playerKeys) return;
  try {
    writeFileAtomically(pathInCurrentDirectory(kHotkeyFile), chosenToken + "\r\n");
  } catch (const std::exception&) {
    prompter.inform(kHotkeyWriteFailedText, "发生错误", Prompter::Icon::Critical);
    return;
  }
  keys.setPlayerKeys(*playerKeys);
  prompter.inform(kHotkeySavedText, "恭喜", Prompter::Icon::Information);
  view.closeWindow();
}

}  // namespace lumivox
