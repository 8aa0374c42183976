#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "dialogue/KeyCombo.h"

namespace lumivox {

class KeyWatch;

// What a player key does, pressed in the game.
enum class PlayerAction { Pause, StepBack, StepForward, Lines };
inline constexpr std::size_t kPlayerActionCount = 4;

struct PlayerKeyRow {
  PlayerAction action;
  std::string_view name;         // its name in the [Keys] section of the settings file
  std::string_view caption;      // as the hotkey window labels it
  std::string_view defaultKeys;  // chosen clear of what the common desktops bind
};

// The four player keys in the order of the hotkey window and the settings file.
const std::array<PlayerKeyRow, kPlayerActionCount>& playerKeyRows();

using PlayerKeySet = std::array<KeyCombo, kPlayerActionCount>;
PlayerKeySet defaultPlayerKeys();

// One press must not do two things: the earlier row that has the same keys
// as this row, if any. A row without keys repeats none.
std::optional<std::size_t> rowWithSameKeysBefore(const PlayerKeySet& keys, std::size_t row);
// A player key that is the dialogue key alone would turn every press of it
// into its action, and none would count.
bool takesTheDialogueKey(const KeyCombo& keys, int dialogueKey);

// Decides, tick by tick, which player keys were pressed and whether the
// dialogue key's press counts as an advance. A combination acts once a press
// of its key, with exactly its modifiers held, also when all of them went
// down and up between two ticks. Its own keys never count as a
// dialogue advance: a tick where it acts does not advance on its key, and a
// dialogue key that is one of its modifiers counts when let go, unless a
// combination acted while it was held.
class PlayerKeys {
 public:
  struct Tick {
    std::array<bool, kPlayerActionCount> acted{};
    bool advance = false;
  };

  void set(const PlayerKeySet& keys);
  const PlayerKeySet& keys() const { return keys_; }
  const KeyCombo& key(PlayerAction action) const { return keys_[static_cast<std::size_t>(action)]; }

  Tick tick(KeyWatch& watch, int dialogueKey);
  // A dialogue key held while the poll stood still is no press of its.
  void forgetHeldKey() { waiting_ = false; }

 private:
  bool modifierOfACombination(int dialogueKey) const;

  PlayerKeySet keys_ = defaultPlayerKeys();
  bool waiting_ = false;              // the dialogue key, a modifier, is held
  bool actedWhileWaiting_ = false;
};

}  // namespace lumivox
