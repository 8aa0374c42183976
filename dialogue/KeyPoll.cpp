#include "dialogue/KeyPoll.h"

#include <cstdint>
#include <limits>

#include "common/NumberConversion.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "dialogue/DialogueState.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/IndexModel.h"
#include "dialogue/ShownLine.h"
#include "library/LookupLine.h"
#include "platform/KeyWatch.h"

namespace lumivox {
namespace {

void advance(DialogueState& state, Track track, IndexModel& view) {
  const TrackInfo& info = trackInfo(track);
  for (CommandId command : {info.save, info.load, info.loadAutoSave, CommandId::DebugMode})
    view.setCommandEnabled(command, true);

  std::int32_t& counter = state.counter(track);
  std::string& key = state.key(track);
  const std::int32_t shown = counter;
  key = std::to_string(shown);
  view.setStatusText("确认用户跳过对话。对话数：" + key);
  if (counter == std::numeric_limits<std::int32_t>::max()) return;
  ++counter;

  showLine(state, view, track, key, kEndOfDialogueText);

  if (!view.setBarValue(static_cast<float>(shown))) return;
  const double percent =
      roundHalfEven(static_cast<double>(view.barValue()) / static_cast<double>(view.barMaximum()) * 100.0);
  if (!(percent >= std::numeric_limits<std::int16_t>::min() && percent <= std::numeric_limits<std::int16_t>::max()))
    return;
  view.setPercentText(std::to_string(static_cast<std::int16_t>(percent)));
}

}  // namespace

void refreshLibraryPaths(DialogueState& state, IndexModel& view) {
  // Between two looks at the current directory the fields keep what they
  // were given: nothing else writes them.
  if (!state.libraryPaths.due()) return;
  const std::vector<std::string>& paths = state.libraryPaths.refresh();
  view.setLibraryPaths(paths[0], paths[1]);
}

void pollTick(DialogueState& state, bool advancePressed, IndexModel& view) {
  try {
    refreshLibraryPaths(state, view);
    const Track track = state.track();
    if (!advancePressed) return;
    advance(state, track, view);
  } catch (const std::exception&) {
    // A tick that fails is simply over; the next one runs as usual.
  }
}

void lineCountTick(DialogueState& state, IndexModel& view) {
  try {
    // The poll may not have filled the path fields yet: this timer fires first.
    refreshLibraryPaths(state, view);
    const auto maximum =
        toSingle(LookupLine(view.mainLibraryPath(), "TextNumber", trackInfo(state.track()).lineCountKey, "1"));
    if (!maximum || !view.setBarMaximum(*maximum)) return;
    view.setTimerEnabled(TimerId::Timer2, false);
  } catch (const std::exception&) {
    // Tried again at the next tick.
  }
}

}  // namespace lumivox
