#include "dialogue/ShownLine.h"

#include "dialogue/IndexModel.h"
#include "library/LookupLine.h"

namespace lumivox {

std::string lineText(const std::string& libraryPath, Track track, std::string_view key, std::string_view fallback) {
  return LookupLine(libraryPath, trackInfo(track).section, key, fallback);
}

void showLine(DialogueState& state, IndexModel& view, Track track, std::string_view key, std::string_view fallback) {
  view.setDialogueText(lineText(libraryPathOf(view, track), track, key, fallback));
  state.shown = {track, std::string(key), fallback};
}

}  // namespace lumivox
