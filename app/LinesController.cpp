#include "app/LinesController.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <limits>

#include "app/IndexWindows.h"
#include "app/LinesView.h"
#include "common/NumberConversion.h"
#include "common/Ticker.h"
#include "dialogue/IndexModel.h"
#include "dialogue/KeyPoll.h"

namespace lumivox {
namespace {

// Lines in view around the one shown: a few to look back on, more ahead.
constexpr std::int64_t kLinesBefore = 5;
constexpr std::int64_t kLinesAfter = 10;
// The longest a slice of a search holds the window up; the window paints and
// takes keys between two.
constexpr auto kSliceTime = std::chrono::milliseconds(15);

// The row of a shown key: only the decimal text of a number names a row.
std::int32_t rowOfKey(const std::string& key) {
  const auto number = key.empty() ? std::nullopt : toInt32(key);
  return number && *number >= 0 && std::to_string(*number) == key ? *number : -1;
}

}  // namespace

LinesController::Place LinesController::place() const {
  DialogueState& state = state_;
  const Track track = state.track();
  return {track, state.counter(track), state.shown};
}

TrackLines LinesController::lines() const {
  const Track track = state_.track();
  return TrackLines(libraryPathOf(index_, track), track);
}

void LinesController::attach(LinesView& view, Ticker& ticker) {
  view_ = &view;
  ticker_ = &ticker;
  rows_ = -1;  // filled anew
  seen_ = place();
  show(seen_);
}

void LinesController::detach() {
  endSearch();
  view_ = nullptr;
  ticker_ = nullptr;
  focusBefore_.reset();
  if (windowGone_) windowGone_();
}

bool LinesController::askTakesFocus() const { return view_ && view_->onScreen(); }

void LinesController::ask(IndexWindows& windows) {
  const auto focused = focus_ ? focus_->focused() : std::nullopt;
  if (!view_) {
    // The game is the focused window when it is not one of ours.
    std::optional<ScreenRect> game;
    if (focused && !focused->ours) game = focused->frame;
    return windows.openLines(*this, game);
  }
  if (!view_->onScreen()) return view_->showWithoutFocus();
  if (!view_->active()) {
    focusBefore_.reset();
    if (focused) focusBefore_ = focused->id;
    // Through the system: a toolkit's own request is refused to a program
    // the player is not in.
    if (focus_) focus_->focus(view_->windowId());
  }
  view_->focusSearch();
}

void LinesController::escape() {
  const auto before = focusBefore_;
  if (view_) view_->closeWindow();
  if (before && focus_) focus_->focus(*before);
}

void LinesController::follow() noexcept {
  if (!view_) return;
  try {
    Place now = place();
    if (now == seen_) return;
    const bool trackChanged = now.track != seen_.track;
    seen_ = std::move(now);
    if (trackChanged) {
      rows_ = -1;
      endSearch();
    }
    show(seen_);
  } catch (const std::exception&) {
    // The list shows what it showed; the next change tries again.
  }
}

void LinesController::show(const Place& now) {
  // The line marked is the one the main window shows, when it shows one of
  // this track's; until then the view stands at the line the next press shows.
  const std::int32_t marked = now.shown.track == now.track ? rowOfKey(now.shown.key) : -1;
  const std::int64_t around = marked >= 0 ? marked : std::max<std::int32_t>(now.counter, 0);
  // The lines past the library's last one are listed as far as the view
  // around the line shown reaches, with the fallback the main window shows.
  const std::int64_t wanted =
      std::max<std::int64_t>(lines().count(), std::min<std::int64_t>(around + kLinesAfter + 1,
                                                                     std::numeric_limits<std::int32_t>::max()));
  const auto rows = static_cast<std::int32_t>(wanted);
  const std::string_view fallback = now.shown.fallback;
  if (rows != rows_) {
    rows_ = rows;
    marked_ = marked;
    markedFallback_ = fallback;
    view_->resetRows(rows_);
  } else if (marked != marked_ || fallback != markedFallback_) {
    const std::int32_t before = marked_;
    marked_ = marked;
    markedFallback_ = fallback;
    if (before >= 0 && before < rows_ && before != marked_) view_->rowChanged(before);
    if (marked_ >= 0 && marked_ < rows_) view_->rowChanged(marked_);
  }
  const auto row = static_cast<std::int32_t>(std::min<std::int64_t>(around, rows_ - 1));
  view_->selectRow(row, static_cast<std::int32_t>(std::max<std::int64_t>(0, around - kLinesBefore)),
                   static_cast<std::int32_t>(std::min<std::int64_t>(rows_ - 1, around + kLinesAfter)));
}

std::string LinesController::rowText(std::int32_t row) const {
  const bool marked = row == marked_;
  return (marked ? std::string(kLineMark) + " " : std::string("    ")) + std::to_string(row) + "  " +
         lines().text(row, marked ? markedFallback_ : std::string_view(kEndOfDialogueText));
}

void LinesController::choose(std::int32_t row) {
  if (row < 0 || row >= rows_) return;
  chooseLine(state_, index_, row);
  follow();
}

void LinesController::find(const std::string& text, std::int32_t after) {
  if (!view_) return;
  endSearch();
  if (text.empty()) return view_->setFindResult("");
  const std::int32_t selected = view_->selectedRow();
  const std::int64_t from = (selected >= 0 ? std::int64_t{selected} : 0) + after;
  search_.emplace(lines().search(text, from >= rows_ ? 0 : static_cast<std::int32_t>(from), rows_));
  searchText_ = text;
  searchSlice();
  if (search_) {
    view_->setFindResult("正在查找「" + text + "」……");
    if (ticker_) ticker_->start(TimerId::LinesSearch, 1);
  }
}

void LinesController::onTimer(TimerId timer) {
  if (timer == TimerId::LinesSearch) searchSlice();
}

void LinesController::searchSlice() {
  if (!search_ || !view_) return;
  if (!search_->step(sliceLines_, LineSearch::Clock::now() + kSliceTime)) return;
  const auto found = search_->found();
  const std::int32_t start = search_->from();
  const std::string text = searchText_;
  endSearch();
  if (!found) return view_->setFindResult("没有找到含有「" + text + "」的对话。");
  view_->selectRow(*found, *found, *found);
  view_->setFindResult("对话数：" + std::to_string(*found) + (*found < start ? "（已从头找起）" : ""));
}

void LinesController::endSearch() {
  if (search_ && ticker_) ticker_->stop(TimerId::LinesSearch);
  search_.reset();
}

}  // namespace lumivox
