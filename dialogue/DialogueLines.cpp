#include "dialogue/DialogueLines.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "dialogue/IndexModel.h"
#include "dialogue/KeyPoll.h"
#include "dialogue/ShownLine.h"
#include "library/IniCache.h"
#include "library/IniDocument.h"
#include "library/IniSectionIndex.h"
#include "library/LookupLine.h"
#include "platform/TextCodec.h"

namespace lumivox {
namespace {

constexpr std::int32_t kMaxRows = std::numeric_limits<std::int32_t>::max();
// Lines looked at between two looks at the clock.
constexpr std::int32_t kLinesPerClockLook = 512;

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

std::string TrackLines::text(std::int32_t number, std::string_view fallback) const {
  return lineText(path_, track_, std::to_string(number), fallback);
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

LineSearch TrackLines::search(std::string_view needle, std::int32_t from, std::int32_t rows) const {
  // Converted once; a needle that GBK cannot hold is in no line.
  std::string bytes = utf8ToGbk(needle);
  if (needle.empty() || rows <= 0 || gbkToUtf8(bytes) != needle) return LineSearch(nullptr, nullptr, "", 0, 0);
  auto document = IniCache::shared().document(path_);
  const IniSectionIndex* section = document ? document->section(trackInfo(track_).section) : nullptr;
  return LineSearch(std::move(document), section, std::move(bytes), from < 0 || from >= rows ? 0 : from, rows);
}

LineSearch::LineSearch(std::shared_ptr<const IniDocument> document, const IniSectionIndex* section,
                       std::string needleGbk, std::int32_t from, std::int32_t rows)
    : document_(std::move(document)), section_(section), needle_(std::move(needleGbk)), from_(from), rows_(rows) {
  over_ = !section_ || rows_ <= 0;
}

bool LineSearch::step(std::int32_t lines, Clock::time_point deadline) {
  char key[16];
  for (std::int32_t looked = 0; !over_ && looked < lines; ++looked, ++looked_) {
    if (looked_ == rows_) {
      over_ = true;
      break;
    }
    if (looked > 0 && looked % kLinesPerClockLook == 0 && Clock::now() >= deadline) break;
    const std::int32_t number = from_ + looked_ < rows_ ? from_ + looked_ : from_ + looked_ - rows_;
    const auto end = std::to_chars(key, key + sizeof key, number).ptr;
    const auto line = section_->find(document_->bytes(), std::string_view(key, static_cast<std::size_t>(end - key)));
    if (line && containsOnCharacterBoundary(shownBytes(line->value), needle_)) {
      found_ = number;
      over_ = true;
    }
  }
  if (looked_ == rows_) over_ = true;
  return over_;
}

void chooseLine(DialogueState& state, IndexModel& view, std::int32_t number) {
  if (number < 0 || number == std::numeric_limits<std::int32_t>::max()) return;
  const Track track = state.track();
  state.key(track) = std::to_string(number);
  state.counter(track) = number + 1;
  view.setStatusText(kChosenLineStatus + state.key(track));
  showLine(state, view, track, state.key(track), kEndOfDialogueText);
}

}  // namespace lumivox
