#pragma once
#include <cstddef>
#include <string>

#include "dialogue/PlayerKeys.h"

namespace lumivox {

class Prompter;

// The hotkey window as its apply logic sees it.
class HotkeySetupView {
 public:
  virtual ~HotkeySetupView() = default;
  // Whether the option button of this row of the hotkey table is selected.
  virtual bool isOptionSelected(std::size_t row) const = 0;
  // The combination in the key field of this row of the player keys, as
  // text (KeyCombo's); empty for none.
  virtual std::string playerKeyText(std::size_t row) const = 0;
  virtual void setPlayerKeyText(std::size_t row, const std::string& text) = 0;
  virtual void closeWindow() = 0;
};

// Where the player keys live while the program runs.
class PlayerKeysHost {
 public:
  virtual ~PlayerKeysHost() = default;
  virtual const PlayerKeySet& playerKeys() const = 0;
  // Acts on them at once and keeps them for the next start.
  virtual void setPlayerKeys(const PlayerKeySet& keys) = 0;
  // The key that advances the dialogue until the next start.
  virtual int dialogueKey() const = 0;
};

inline constexpr const char* kHotkeySavedText = "保存热键设置成功，重新启动软件后生效。";
inline constexpr const char* kHotkeyWriteFailedText =
    "程序发生了严重错误。\r\n请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在HotKeys.opi文件";

// The window's load: the player keys in use in their fields.
void loadHotkeySetup(HotkeySetupView& view, const PlayerKeysHost& keys);

// Checks the player keys, writes the token of the selected option and a line
// end to the hotkey file, hands the player keys over, says so and closes the
// window. A key the watch cannot see, one set twice, or one that is the
// dialogue key alone (the one in use, or the one chosen for the next start)
// is refused before anything is written; a failed write changes nothing on disk (the old file
// stays as it was, no folder is made). Either leaves the window open as it
// is, so the user can try again or cancel.
void applyHotkeySetup(HotkeySetupView& view, PlayerKeysHost& keys, Prompter& prompter);

}  // namespace lumivox
