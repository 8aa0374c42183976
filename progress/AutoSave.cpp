#include "progress/AutoSave.h"

#include "dialogue/DialogueState.h"
#include "dialogue/IndexModel.h"
#include "progress/ProgressFile.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

void autoSaveTick(DialogueState& state, IndexModel& view) {
  const Track track = state.track();
  // An empty key would replace the auto-save an earlier run left with a file
  // that can no longer be loaded; until this run shows a line there is
  // nothing newer to keep.
  if (state.key(track).empty()) return;
  try {
    SaveProgress(state, track, progressFiles(track).autoSaveFile);
    view.setStatusText(kAutoSavedText);
  } catch (const std::exception&) {
    view.setStatusText(kAutoSaveFailedText);
  }
}

}  // namespace lumivox
