#include "dialogue/PlayerKeys.h"

#include "platform/KeyWatch.h"

namespace lumivox {

// Pause and Ctrl+Alt with PgUp, PgDown or Home: no Windows, GNOME or KDE
// default binds them. Ctrl+Alt with an arrow switches workspaces in GNOME
// and turns the screen with Intel's graphics driver on Windows; Ctrl+Alt+L
// locks a KDE session.
const std::array<PlayerKeyRow, kPlayerActionCount>& playerKeyRows() {
  static const std::array<PlayerKeyRow, kPlayerActionCount> rows{{
      {PlayerAction::Pause, "Pause", "暂停计数", "Pause"},
      {PlayerAction::StepBack, "StepBack", "返回一句", "Ctrl+Alt+PgUp"},
      {PlayerAction::StepForward, "StepForward", "快进一句", "Ctrl+Alt+PgDown"},
      {PlayerAction::Lines, "Lines", "对话列表", "Ctrl+Alt+Home"},
  }};
  return rows;
}

PlayerKeySet defaultPlayerKeys() {
  PlayerKeySet keys;
  for (std::size_t i = 0; i < kPlayerActionCount; ++i)
    keys[i] = parseKeyCombo(playerKeyRows()[i].defaultKeys).value_or(KeyCombo{});
  return keys;
}

std::optional<std::size_t> rowWithSameKeysBefore(const PlayerKeySet& keys, std::size_t row) {
  if (keys[row].none()) return std::nullopt;
  for (std::size_t before = 0; before < row; ++before)
    if (keys[before] == keys[row]) return before;
  return std::nullopt;
}

bool takesTheDialogueKey(const KeyCombo& keys, int dialogueKey) {
  return !keys.none() && keys == KeyCombo{dialogueKey};
}

void PlayerKeys::set(const PlayerKeySet& keys) {
  keys_ = keys;
  waiting_ = false;
}

bool PlayerKeys::modifierOfACombination(int dialogueKey) const {
  for (const KeyCombo& combo : keys_) {
    if (combo.none()) continue;
    if ((dialogueKey == vk::Control && combo.ctrl) || (dialogueKey == vk::Menu && combo.alt) ||
        (dialogueKey == vk::Shift && combo.shift))
      return true;
  }
  return false;
}

PlayerKeys::Tick PlayerKeys::tick(KeyWatch& watch, int dialogueKey) {
  Tick tick;
  // Each key's press is asked for once a tick: asking takes it.
  struct Asked {
    int key;
    bool pressed;
  };
  std::array<Asked, kPlayerActionCount + 4> asked{};
  std::size_t askedCount = 0;
  const auto pressedSinceLastTick = [&](int key) {
    for (std::size_t i = 0; i < askedCount; ++i)
      if (asked[i].key == key) return asked[i].pressed;
    asked[askedCount] = {key, watch.pressedSinceLastAsked(key)};
    return asked[askedCount++].pressed;
  };

  const bool dialoguePressed = pressedSinceLastTick(dialogueKey);
  // A combination sent at once (a controller's button, a macro key) is over
  // by the tick. A watch that sees key events in order knows what was held
  // at its key's press; with one that samples states, a modifier counts as
  // held when it is down or went down since the last tick, so its presses
  // are asked every tick.
  const Modifiers pressedModifiers{pressedSinceLastTick(vk::Control), pressedSinceLastTick(vk::Menu),
                                   pressedSinceLastTick(vk::Shift)};
  const auto heldWith = [&](int key) {
    if (const auto exact = watch.modifiersAtLastPress(key)) return *exact;
    return Modifiers{pressedModifiers.ctrl || watch.isDown(vk::Control), pressedModifiers.alt || watch.isDown(vk::Menu),
                     pressedModifiers.shift || watch.isDown(vk::Shift)};
  };
  bool anyActed = false;
  bool actedOnDialogueKey = false;
  for (std::size_t i = 0; i < kPlayerActionCount; ++i) {
    const KeyCombo& combo = keys_[i];
    if (combo.none() || !pressedSinceLastTick(combo.key) ||
        heldWith(combo.key) != Modifiers{combo.ctrl, combo.alt, combo.shift})
      continue;
    tick.acted[i] = true;
    anyActed = true;
    if (combo.key == dialogueKey) actedOnDialogueKey = true;
  }

  if (!modifierOfACombination(dialogueKey)) {
    waiting_ = false;
    tick.advance = dialoguePressed && !actedOnDialogueKey;
    return tick;
  }
  // The dialogue key is a modifier a combination uses: its press counts once
  // it is let go, if no combination acted meanwhile.
  if (dialoguePressed) {
    // A press before this one let go since the last tick ended then.
    if (waiting_ && !actedWhileWaiting_) tick.advance = true;
    waiting_ = true;
    actedWhileWaiting_ = false;
  }
  if (!waiting_) return tick;
  if (anyActed) actedWhileWaiting_ = true;
  if (!watch.isDown(dialogueKey)) {
    waiting_ = false;
    if (!actedWhileWaiting_) tick.advance = true;
  }
  return tick;
}

}  // namespace lumivox
