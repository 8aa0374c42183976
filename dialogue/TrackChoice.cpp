#include "dialogue/TrackChoice.h"

#include "dialogue/IndexView.h"

namespace lumivox {

void collapseTrackChoice(WindowHeight& window, IndexView& view) {
  window.setOuterHeightTwips(kCollapsedHeightTwips);
  view.setMenuItemEnabled(kExpandItem, true);
}

void expandTrackChoice(WindowHeight& window, IndexView& view) {
  window.setOuterHeightTwips(kExpandedHeightTwips);
  view.setMenuItemEnabled(kExpandItem, false);
}

}  // namespace lumivox
