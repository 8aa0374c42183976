#pragma once
#include <cstddef>

namespace lumivox {

class Prompter;

// The hotkey window as its apply logic sees it.
class HotkeySetupView {
 public:
  virtual ~HotkeySetupView() = default;
  // Whether the option button of this row of the hotkey table is selected.
  virtual bool isOptionSelected(std::size_t row) const = 0;
  virtual void closeWindow() = 0;
};

inline constexpr const char* kHotkeySavedText = "保存热键设置成功，重新启动软件后生效。";
inline constexpr const char* kHotkeyWriteFailedText =
    "程序发生了严重错误。\r\n请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在HotKeys.opi文件";

// Writes the token of the selected option and a line end to the hotkey file,
// says so and closes the window. A failed write changes nothing on disk (the
// old file stays as it was, no folder is made) and leaves the window open
// with its selection, so the user can try again or cancel.
void applyHotkeySetup(HotkeySetupView& view, Prompter& prompter);

}  // namespace lumivox
