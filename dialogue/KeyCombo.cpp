#include "dialogue/KeyCombo.h"

#include <array>
#include <vector>

#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "platform/KeyWatch.h"

namespace lumivox {
namespace {

struct NamedKey {
  std::string_view name;
  int key;
};

// The names Qt writes; a few more that people type are read as well.
constexpr NamedKey kNamedKeys[] = {
    {"Backspace", vk::Backspace}, {"Tab", vk::Tab},         {"Return", vk::Return},     {"Pause", vk::Pause},
    {"Esc", vk::Escape},          {"Space", vk::Space},     {"PgUp", vk::PageUp},       {"PgDown", vk::PageDown},
    {"End", vk::End},             {"Home", vk::Home},       {"Left", vk::Left},         {"Up", vk::Up},
    {"Right", vk::Right},         {"Down", vk::Down},       {"Print", vk::Print},       {"Ins", vk::Insert},
    {"Del", vk::Delete},          {"ScrollLock", vk::ScrollLock},
    // Read only: the canonical names above come first.
    {"Enter", vk::Return},        {"Escape", vk::Escape},   {"PageUp", vk::PageUp},     {"PageDown", vk::PageDown},
    {"Insert", vk::Insert},       {"Delete", vk::Delete},
};

constexpr NamedKey kKeypadKeys[] = {
    {"*", vk::Multiply}, {"+", vk::Add}, {"-", vk::Subtract}, {".", vk::Decimal}, {"/", vk::Divide},
};

// The parts between the plus signs; a plus sign that is a part of its own
// (the keypad's "Num++") stays one.
std::vector<std::string_view> partsOf(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '+') continue;
    if (trimSpacesAndTabs(text.substr(start, i - start)).empty() && i + 1 == text.size()) break;
    parts.push_back(trimSpacesAndTabs(text.substr(start, i - start)));
    start = i + 1;
  }
  parts.push_back(trimSpacesAndTabs(text.substr(start)));
  return parts;
}

// The key of a name without modifiers, or 0.
int keyNamed(std::string_view name) {
  if (name.empty()) return 0;
  if (name.size() == 1) {
    const char c = upperAscii(name[0]);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
    int number = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return 0;
      number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= 24 && name[1] != '0' ? vk::F1 + number - 1 : 0;
  }
  for (const NamedKey& named : kNamedKeys)
    if (equalsIgnoringAsciiCase(name, named.name)) return named.key;
  return 0;
}

int keypadKeyNamed(std::string_view name) {
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return vk::Numpad0 + (name[0] - '0');
  for (const NamedKey& named : kKeypadKeys)
    if (name == named.name) return named.key;
  return 0;
}

}  // namespace

std::optional<KeyCombo> parseKeyCombo(std::string_view text) {
  text = trimSpacesAndTabs(text);
  if (text.empty()) return KeyCombo{};
  const std::vector<std::string_view> parts = partsOf(text);
  KeyCombo combo;
  bool keypad = false;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const auto is = [&](std::string_view name) { return equalsIgnoringAsciiCase(parts[i], name); };
    bool* modifier = is("Ctrl") || is("Control") ? &combo.ctrl
                     : is("Alt")                 ? &combo.alt
                     : is("Shift")               ? &combo.shift
                     : is("Num")                 ? &keypad
                                                 : nullptr;
    if (!modifier || *modifier) return std::nullopt;
    *modifier = true;
  }
  combo.key = keypad ? keypadKeyNamed(parts.back()) : keyNamed(parts.back());
  if (combo.none()) return std::nullopt;
  return combo;
}

std::string formatKeyCombo(const KeyCombo& combo) {
  if (combo.none()) return {};
  std::string text;
  if (combo.ctrl) text += "Ctrl+";
  if (combo.alt) text += "Alt+";
  if (combo.shift) text += "Shift+";
  const int key = combo.key;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return text + static_cast<char>(key);
  if (key >= vk::F1 && key < vk::F1 + 24) return text + "F" + std::to_string(key - vk::F1 + 1);
  if (key >= vk::Numpad0 && key <= vk::Numpad0 + 9) return text + "Num+" + static_cast<char>('0' + key - vk::Numpad0);
  for (const NamedKey& named : kKeypadKeys)
    if (named.key == key) return text + "Num+" + std::string(named.name);
  for (const NamedKey& named : kNamedKeys)
    if (named.key == key) return text + std::string(named.name);
  return {};
}

}  // namespace lumivox
