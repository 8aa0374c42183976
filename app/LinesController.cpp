#include "app/LinesController.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "app/LinesView.h"
#include "common/NumberConversion.h"
#include "dialogue/IndexModel.h"

namespace lumivox {
namespace {

// Lines in view around the one shown: a few to look back on, more ahead.
constexpr std::int64_t kLinesBefore = 5;
constexpr std::int64_t kLinesAfter = 10;

}  // namespace

LinesController::Place LinesController::place() const {
  DialogueState& state = state_;
  const Track track = state.track();
  return {track, state.counter(track), state.key(track)};
}

TrackLines LinesController::lines() const {
  const Track track = state_.track();
  return TrackLines(track == Track::Main ? index_.mainLibraryPath() : index_.doorLibraryPath(), track);
}

void LinesController::attach(LinesView& view) {
  view_ = &view;
  rows_ = -1;  // filled anew
  seen_ = place();
  show(seen_);
}

void LinesController::detach() {
  view_ = nullptr;
  if (windowGone_) windowGone_();
}

void LinesController::follow() noexcept {
  if (!view_) return;
  try {
    Place now = place();
    if (now == seen_) return;
    const bool trackChanged = now.track != seen_.track;
    seen_ = std::move(now);
    if (trackChanged) rows_ = -1;
    show(seen_);
  } catch (const std::exception&) {
    // The list shows what it showed; the next change tries again.
  }
}

void LinesController::show(const Place& now) {
  // The line shown is the track's key; before the track's first advance
  // there is none, and the view stands at the line the next press shows.
  const bool afterLoad = loadedAt_ && loadedAt_->track == now.track && loadedAt_->key == now.key;
  if (!afterLoad) loadedAt_.reset();
  const auto shown = afterLoad ? std::optional<std::int32_t>(now.counter)
                               : now.key.empty() ? std::nullopt : toInt32(now.key);
  const std::int32_t marked = shown && *shown >= 0 ? *shown : -1;
  const std::int64_t around = marked >= 0 ? marked : std::max<std::int32_t>(now.counter, 0);
  // The lines past the library's last one are listed as far as the view
  // around the line shown reaches, with the fallback the main window shows.
  const std::int64_t wanted =
      std::max<std::int64_t>(lines().count(), std::min<std::int64_t>(around + kLinesAfter + 1,
                                                                     std::numeric_limits<std::int32_t>::max()));
  const auto rows = static_cast<std::int32_t>(wanted);
  if (rows != rows_) {
    rows_ = rows;
    marked_ = marked;
    view_->resetRows(rows_);
  } else if (marked != marked_) {
    const std::int32_t before = marked_;
    marked_ = marked;
    if (before >= 0 && before < rows_) view_->rowChanged(before);
    if (marked_ >= 0 && marked_ < rows_) view_->rowChanged(marked_);
  }
  const auto row = static_cast<std::int32_t>(std::min<std::int64_t>(around, rows_ - 1));
  view_->selectRow(row, static_cast<std::int32_t>(std::max<std::int64_t>(0, around - kLinesBefore)),
                   static_cast<std::int32_t>(std::min<std::int64_t>(rows_ - 1, around + kLinesAfter)));
}

std::string LinesController::rowText(std::int32_t row) const {
  return (row == marked_ ? std::string(kLineMark) + " " : std::string("    ")) + std::to_string(row) + "  " +
         lines().text(row);
}

void LinesController::choose(std::int32_t row) {
  if (row < 0 || row >= rows_) return;
  chooseLine(state_, index_, row);
  follow();
}

void LinesController::find(const std::string& text, std::int32_t after) {
  if (!view_) return;
  if (text.empty()) return view_->setFindResult("");
  const std::int32_t selected = view_->selectedRow();
  const std::int64_t from = (selected >= 0 ? std::int64_t{selected} : 0) + after;
  const std::int32_t start = from >= rows_ ? 0 : static_cast<std::int32_t>(from);
  const auto found = lines().find(text, start, rows_);
  if (!found) return view_->setFindResult("没有找到含有「" + text + "」的对话。");
  view_->selectRow(*found, *found, *found);
  view_->setFindResult("对话数：" + std::to_string(*found) + (*found < start ? "（已从头找起）" : ""));
}

}  // namespace lumivox
