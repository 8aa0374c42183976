#include "dialogue/DialogueLines.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "dialogue/IndexModel.h"
#include "dialogue/KeyPoll.h"
#include "library/IniCache.h"
#include "library/IniDocument.h"
#include "library/IniSectionIndex.h"
#include "library/LookupLine.h"
#include "platform/TextCodec.h"

namespace lumivox {
namespace {

constexpr std::int32_t kMaxRows = std::numeric_limits<std::int32_t>::max();

// A byte that starts a two-byte GBK character.
bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

std::int32_t TrackLines::count() const {
  const auto document = IniCache::shared().document(path_);
  const IniSectionIndex* index = document ? document->section(trackInfo(track_).section) : nullptr;
  if (!index) return 0;
  const std::size_t lines = index->numberedLines();
  return lines > static_cast<std::size_t>(kMaxRows) ? kMaxRows : static_cast<std::int32_t>(lines);
}

std::string TrackLines::text(std::int32_t number) const {
  return LookupLine(path_, trackInfo(track_).section, std::to_string(number), kEndOfDialogueText);
}

bool containsOnCharacterBoundary(std::string_view text, std::string_view needle) {
  if (needle.empty() || needle.size() > text.size()) return false;
  // Most texts do not hold the bytes anywhere: that is found quickest.
  if (text.find(needle) == std::string_view::npos) return false;
  const std::size_t last = text.size() - needle.size();
  for (std::size_t at = 0; at <= last; at += isLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1)
    if (text[at] == needle[0] && std::memcmp(text.data() + at, needle.data(), needle.size()) == 0) return true;
  return false;
}

std::optional<std::int32_t> TrackLines::find(std::string_view needle, std::int32_t from, std::int32_t rows) const {
  if (needle.empty() || rows <= 0) return std::nullopt;
  // Converted once; a needle that GBK cannot hold is in no line.
  const std::string bytes = utf8ToGbk(needle);
  if (gbkToUtf8(bytes) != needle) return std::nullopt;
  const auto document = IniCache::shared().document(path_);
  const IniSectionIndex* index = document ? document->section(trackInfo(track_).section) : nullptr;
  if (!index) return std::nullopt;
  if (from < 0 || from >= rows) from = 0;

  char key[16];
  for (std::int32_t step = 0; step < rows; ++step) {
    const std::int32_t number = from + step < rows ? from + step : from + step - rows;
    const auto end = std::to_chars(key, key + sizeof key, number).ptr;
    const auto line = index->find(document->bytes(), std::string_view(key, static_cast<std::size_t>(end - key)));
    if (!line) continue;
    if (containsOnCharacterBoundary(shownBytes(line->value), bytes)) return number;
  }
  return std::nullopt;
}

void chooseLine(DialogueState& state, IndexModel& view, std::int32_t number) {
  if (number < 0 || number == std::numeric_limits<std::int32_t>::max()) return;
  const Track track = state.track();
  state.key(track) = std::to_string(number);
  state.counter(track) = number + 1;
  view.setStatusText(kChosenLineStatus + state.key(track));
  const std::string path = track == Track::Main ? view.mainLibraryPath() : view.doorLibraryPath();
  view.setDialogueText(LookupLine(path, trackInfo(track).section, state.key(track), kEndOfDialogueText));
}

}  // namespace lumivox
