#include "dialogue/Hotkeys.h"

#include "common/FieldReader.h"
#include "platform/FileRead.h"
#include "platform/KeyWatch.h"

namespace lumivox {

const std::array<HotkeyChoice, 7>& hotkeyChoices() {
  static const std::array<HotkeyChoice, 7> choices{{
      {"空格(默认)", "A1B2C-3D4E5-F6A7B-8C9D0-E1F2A", vk::Space},
      {"回车", "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B", vk::Return},
      {"ESC(不建议使用)", "C3D4E-5F6A7-B8C9D-0E1F2-A3B4C", vk::Escape},
      {"Shift(不建议使用)", "D4E5F-6A7B8-C9D0E-1F2A3-B4C5D", vk::Shift},
      {"Ctrl", "KXQ2M-7TRW4-HPN8V-3GZL6-YJC9B", vk::Control},
      {"Alt", "MZT4R-8WQH2-NVX7K-5PLG3-CJB6Y", vk::Menu},
      {"Tab", "RWN9P-2KHX5-TGQ4M-8ZVL7-DYC3J", vk::Tab},
  }};
  return choices;
}

int virtualKeyForToken(std::string_view token) {
  for (const auto& choice : hotkeyChoices())
    if (choice.token == token) return choice.virtualKey;
  return vk::Space;
}

std::string readHotkeyToken(const std::string& utf8Path) {
  return lastField(readWholeFile(utf8Path, kMaxFieldFileBytes));
}

}  // namespace lumivox
