#include "dialogue/TrackChoice.h"

#include "dialogue/IndexModel.h"

namespace lumivox {

void collapseTrackChoice(WindowHeight& window, IndexModel& view) {
  window.setOuterHeightTwips(kCollapsedHeightTwips);
  view.setCommandEnabled(CommandId::ShowTrackChoice, true);
}

void expandTrackChoice(WindowHeight& window, IndexModel& view) {
  window.setOuterHeightTwips(kExpandedHeightTwips);
  view.setCommandEnabled(CommandId::ShowTrackChoice, false);
}

}  // namespace lumivox
