#pragma once
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "common/TimerId.h"
#include "dialogue/DialogueLines.h"
#include "dialogue/DialogueState.h"
#include "platform/WindowFocus.h"

namespace lumivox {

class IndexModel;
class IndexWindows;
class LinesView;
class Ticker;

// The lines window's logic: the active track's lines around the one the main
// window shows, that line marked, the choice of another line, search, and
// where the focus goes. It follows the main window's state, which it reads,
// never copies.
class LinesController {
 public:
  // windowGone is told when the window has closed; focus, when given, finds
  // the game's window and gives the focus back to it.
  LinesController(DialogueState& state, IndexModel& index, WindowFocus* focus, std::function<void()> windowGone)
      : state_(state), index_(index), focus_(focus), windowGone_(std::move(windowGone)) {}

  // The window has opened: it is filled, and the line shown is marked and in
  // view. Its ticker runs the search.
  void attach(LinesView& view, Ticker& ticker);
  // The window has closed.
  void detach();
  bool isOpen() const { return view_ != nullptr; }

  // The lines key or 对话列表. Closed or minimized, the window shows without
  // the focus, so the game keeps it and its next press counts; on the screen
  // already, it takes the focus, into 查找.
  void ask(IndexWindows& windows);
  // Whether ask takes the focus now.
  bool askTakesFocus() const;
  // Esc in the window: it closes, and the window that had the focus before
  // it took it has it again.
  void escape();

  // Called after anything that may have moved a counter or the track; the
  // window follows when something did. A compare when nothing changed.
  void follow() noexcept;

  std::int32_t rowCount() const { return rows_; }
  // A row as listed: the mark, the line's number and its text.
  std::string rowText(std::int32_t row) const;
  // A click on a row, or Enter on it: its line becomes the line shown.
  void choose(std::int32_t row);
  // The search field's text changed: the first line from the selected one on
  // that holds it. Next: the first one after the selected one. A search goes
  // a slice at a time, each on a tick of the window's ticker; a new one ends
  // the one before.
  void findTyped(const std::string& text) { find(text, 0); }
  void findNext(const std::string& text) { find(text, 1); }
  void onTimer(TimerId timer);
  // The most lines one slice looks at (besides its time limit).
  void setSearchSlice(std::int32_t lines) { sliceLines_ = lines; }

 private:
  // What the window follows.
  struct Place {
    Track track = Track::Main;
    std::int32_t counter = 0;
    ShownLine shown;
    bool operator==(const Place&) const = default;
  };
  Place place() const;
  TrackLines lines() const;
  void show(const Place& now);
  void find(const std::string& text, std::int32_t after);
  void searchSlice();
  void endSearch();

  DialogueState& state_;
  IndexModel& index_;
  WindowFocus* focus_;
  std::function<void()> windowGone_;
  LinesView* view_ = nullptr;
  Ticker* ticker_ = nullptr;
  Place seen_;
  std::int32_t rows_ = 0;
  std::int32_t marked_ = -1;
  std::string_view markedFallback_;
  std::optional<WindowFocus::WindowId> focusBefore_;
  std::optional<LineSearch> search_;
  std::string searchText_;
  std::int32_t sliceLines_ = std::numeric_limits<std::int32_t>::max();
};

inline constexpr const char* kLineMark = "▶";

}  // namespace lumivox
