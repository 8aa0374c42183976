#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

// A key with the modifiers held with it, as a player key is set: one main
// key (a Windows virtual-key code) and exactly these modifiers. No key means
// none is set.
struct KeyCombo {
  int key = 0;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;

  bool none() const { return key == 0; }
  bool operator==(const KeyCombo&) const = default;
};

// The text Qt's key sequences use for themselves ("Ctrl+Alt+Left", "Pause",
// "Num+5"), so that a settings file and both front ends speak alike. Reading
// ignores case and blanks around the parts; the empty text is no key. Text
// naming a key the watch cannot see, a modifier alone or more than one key
// gives nothing.
std::optional<KeyCombo> parseKeyCombo(std::string_view text);
// The canonical text: modifiers as Ctrl+Alt+Shift, then the key; no key
// gives the empty text.
std::string formatKeyCombo(const KeyCombo& combo);

}  // namespace lumivox
