#include "progress/ProgressFile.h"

#include "common/AtomicFile.h"
#include "common/FieldReader.h"
#include "common/FileRead.h"
#include "common/NumberConversion.h"
#include "common/Paths.h"
#include "dialogue/IndexModel.h"
#include "library/LookupLine.h"
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

namespace {

// Blanks around the number are no part of it, for the lookup as for the
// counter: "  9  " is line 9.
std::string withoutBlanks(std::string text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void LoadProgress(DialogueState& state, Track track, std::string_view relativePath, IndexModel& view) {
  const std::string value = withoutBlanks(gbkToUtf8(readLastField(pathInCurrentDirectory(relativePath))));
  view.setLoadedText(track, value);
  view.setDialogueText(LookupLine(libraryPathOf(view, track), trackInfo(track).section, value, kLoadFallbackText));
  const auto counter = toInt32(value);
  if (!counter) throw ProgressValueError("no line number in " + std::string(relativePath));
  state.counter(track) = *counter;
  view.setStatusText(kLoadedStatusText);
}

}  // namespace lumivox
