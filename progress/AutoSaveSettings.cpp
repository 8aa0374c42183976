#include "progress/AutoSaveSettings.h"

#include <stdexcept>

#include "common/NumberConversion.h"
#include "common/Prompter.h"
#include "dialogue/IndexView.h"
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

void loadAutoSaveSettings(AutoSaveSettingsView& window, const IndexView& index, Prompter& prompter) {
  try {
    window.setTypedText(LookupLine(index.mainLibraryPath(), kIntervalSection, kIntervalKey, kIntervalFallback));
  } catch (const std::exception&) {
    prompter.inform(kProgramErrorText, kErrorTitle, Prompter::Icon::Critical);
  }
}

void confirmAutoSaveSettings(AutoSaveSettingsView& window, IndexView& index, Prompter& prompter) {
  try {
    const std::string typed = window.typedText();
    // Stored before it is checked: the window shows it again next time, even
    // when it is refused now.
    writeIniValue(index.mainLibraryPath(), kIntervalSection, kIntervalKey, typed);
    const auto interval = autoSaveIntervalMs(typed);
    if (!interval) throw std::invalid_argument("not an auto-save interval: " + typed);
    index.setTimerInterval("Timer3", *interval);
  } catch (const std::exception&) {
    prompter.inform(kProgramErrorText, kErrorTitle, Prompter::Icon::Critical);
    return;
  }
  prompter.inform("保存成功～", kSuccessTitle, Prompter::Icon::Information);
  window.unload();
}

}  // namespace lumivox
