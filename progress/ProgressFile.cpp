#include "progress/ProgressFile.h"

#include "common/Blanks.h"
#include "common/FieldReader.h"
#include "common/NumberConversion.h"
#include "common/Paths.h"
#include "dialogue/IndexModel.h"
#include "dialogue/ShownLine.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "progress/ProgressTracks.h"

namespace lumivox {

std::string progressFileBytes(std::string_view key) {
  // Keys are decimal numbers: ASCII, the same in the file's code page.
  return std::string(key) + "\r\n";
}

void SaveProgress(DialogueState& state, Track track, std::string_view relativePath) {
  const std::string path = pathInCurrentDirectory(relativePath);
  writeFileAtomically(path, progressFileBytes(state.key(track)));
}

void LoadProgress(DialogueState& state, Track track, std::string_view relativePath, IndexModel& view) {
  // Blanks around the number are no part of it, for the lookup as for the
  // counter: "  9  " is line 9.
  const std::string bytes = readWholeFile(pathInCurrentDirectory(relativePath), kMaxFieldFileBytes);
  const std::string value(trimSpacesAndTabs(gbkToUtf8(lastField(bytes))));
  view.setLoadedText(track, value);
  showLine(state, view, track, value, kLoadFallbackText);
  const auto counter = toInt32(value);
  if (!counter) throw ProgressValueError("no line number in " + std::string(relativePath));
  state.counter(track) = *counter;
  view.setStatusText(kLoadedStatusText);
}

}  // namespace lumivox
