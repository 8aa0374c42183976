#include "app/PlayerKeySettings.h"

#include <string>

#include "app/UserSettings.h"
#include "common/Excerpt.h"

namespace lumivox {
namespace {

constexpr const char* kSection = "Keys";

}  // namespace

PlayerKeySet readPlayerKeys(UserSettings& settings, int dialogueKey) {
  PlayerKeySet keys = defaultPlayerKeys();
  const auto& rows = playerKeyRows();
  for (std::size_t i = 0; i < kPlayerActionCount; ++i) {
    const PlayerKeyRow& row = rows[i];
    if (const auto text = settings.text(kSection, row.name)) {
      if (const auto combo = parseKeyCombo(*text))
        keys[i] = *combo;
      else
        settings.addProblem("[Keys] 中的「" + std::string(row.name) + "=" + excerpt(*text) +
                            "」不是能用的按键（一个键，可以再加 Ctrl、Alt、Shift），这次按默认的 " +
                            std::string(row.defaultKeys) + "。");
    }
    // An edited file may give an earlier row's keys again, or a default
    // another row now uses.
    if (const auto before = rowWithSameKeysBefore(keys, i)) {
      settings.addProblem("「" + std::string(row.caption) + "」的按键 " + formatKeyCombo(keys[i]) + " 已经是「" +
                          std::string(rows[*before].caption) + "」的按键了，每个按键只能做一件事：这次「" +
                          std::string(row.caption) + "」没有按键，请在「热键设置」中另选。");
      keys[i] = KeyCombo{};
    }
    if (takesTheDialogueKey(keys[i], dialogueKey)) {
      settings.addProblem("「" + std::string(row.caption) + "」的按键 " + formatKeyCombo(keys[i]) +
                          " 是切换对话的热键，每个按键只能做一件事：这次「" + std::string(row.caption) +
                          "」没有按键，请在「热键设置」中另选。");
      keys[i] = KeyCombo{};
    }
  }
  return keys;
}

void storePlayerKeys(UserSettings& settings, const PlayerKeySet& keys) {
  for (std::size_t i = 0; i < kPlayerActionCount; ++i) {
    const PlayerKeyRow& row = playerKeyRows()[i];
    const auto text = settings.text(kSection, row.name);
    if (parseKeyCombo(text ? *text : row.defaultKeys) != keys[i])
      settings.setText(kSection, row.name, formatKeyCombo(keys[i]));
  }
}

}  // namespace lumivox
