#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

class IndexModel;
class Prompter;

// The AutoSave window as its logic sees it.
class AutoSaveSettingsView {
 public:
  virtual ~AutoSaveSettingsView() = default;
  virtual std::string typedText() const = 0;  // Text1
  virtual void setTypedText(const std::string& text) = 0;
  virtual void unload() = 0;
};

// Where the typed interval is kept: section and key "T" of the main library.
inline constexpr const char* kIntervalSection = "T";
inline constexpr const char* kIntervalKey = "T";
inline constexpr const char* kIntervalFallback = "10000";
inline constexpr const char* kIntervalNotStoredText =
    "新的自动保存间隔在本次运行中已经生效，但无法写入Data目录下的Quorra.data，下次启动软件时不会保留。";

// Typed seconds as the auto-save timer's interval in milliseconds: the text
// read as a number, times 1000, rounded half to even; nothing unless that
// lies within the timer's range (0 stops the ticks).
std::optional<int> autoSaveIntervalMs(std::string_view secondsText);

// The window's load: shows the stored text, or the fallback when there is none.
void loadAutoSaveSettings(AutoSaveSettingsView& window, const IndexModel& index, Prompter& prompter);

// The window's confirm: the typed text is stored first, as typed; then, when
// it is a usable interval, the auto-save timer takes it and the window
// closes (also when it could not be stored, which the player is told).
// Otherwise the error box, and the window stays open.
void confirmAutoSaveSettings(AutoSaveSettingsView& window, IndexModel& index, Prompter& prompter);

}  // namespace lumivox
