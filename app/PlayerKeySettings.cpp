#include "app/PlayerKeySettings.h"

#include <string>

#include "app/UserSettings.h"

namespace lumivox {
namespace {

constexpr const char* kSection = "Keys";

}  // namespace

PlayerKeySet readPlayerKeys(UserSettings& settings) {
  PlayerKeySet keys = defaultPlayerKeys();
  for (std::size_t i = 0; i < kPlayerActionCount; ++i) {
    const PlayerKeyRow& row = playerKeyRows()[i];
    const auto text = settings.text(kSection, row.name);
    if (!text) continue;
    if (const auto combo = parseKeyCombo(*text)) {
      keys[i] = *combo;
      continue;
    }
    settings.addProblem("[Keys] 中的「" + std::string(row.name) + "=" + UserSettings::excerpt(*text) +
                        "」不是能用的按键（一个键，可以再加 Ctrl、Alt、Shift），这次按默认的 " +
                        std::string(row.defaultKeys) + "。");
  }
  return keys;
}

void storePlayerKeys(UserSettings& settings, const PlayerKeySet& keys) {
  for (std::size_t i = 0; i < kPlayerActionCount; ++i)
    settings.setText(kSection, playerKeyRows()[i].name, formatKeyCombo(keys[i]));
}

}  // namespace lumivox
