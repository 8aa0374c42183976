#include "progress/AutoSaveSettings.h"

#include <stdexcept>

#include "common/NumberConversion.h"
#include "common/Prompter.h"
#include "dialogue/IndexModel.h"
#include "library/IniWriter.h"
#include "library/LookupLine.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

std::optional<int> autoSaveIntervalMs(std::string_view secondsText) {
  const auto seconds = toDouble(secondsText);
  if (!seconds) return std::nullopt;
  const double ms = roundHalfEven(*seconds * 1000.0);
  if (!(ms >= 0 && ms <= kMaxTimerInterval)) return std::nullopt;
  return static_cast<int>(ms);
}

void loadAutoSaveSettings(AutoSaveSettingsView& window, const IndexModel& index, Prompter& prompter) {
  try {
    window.setTypedText(LookupLine(index.mainLibraryPath(), kIntervalSection, kIntervalKey, kIntervalFallback));
  } catch (const std::exception&) {
    prompter.inform(kProgramErrorText, kErrorTitle, Prompter::Icon::Critical);
  }
}

void confirmAutoSaveSettings(AutoSaveSettingsView& window, IndexModel& index, Prompter& prompter) {
  const std::string typed = window.typedText();
  // Stored before it is checked: the window shows it again next time, even
  // when it is refused now.
  bool stored = true;
  try {
    writeIniValue(index.mainLibraryPath(), kIntervalSection, kIntervalKey, typed);
  } catch (const std::exception&) {
    stored = false;
  }
  const auto interval = autoSaveIntervalMs(typed);
  if (!interval) {
    prompter.inform(kProgramErrorText, kErrorTitle, Prompter::Icon::Critical);
    return;
  }
  // A library that cannot be written must not cost the player the interval
  // for this run; they are told it will not last.
  index.setTimerInterval(TimerId::Timer3, *interval);
  if (stored) {
    prompter.inform("保存成功～", kSuccessTitle, Prompter::Icon::Information);
  } else {
    prompter.inform(kIntervalNotStoredText, "发生错误", Prompter::Icon::Critical);
  }
  window.unload();
}

}  // namespace lumivox
