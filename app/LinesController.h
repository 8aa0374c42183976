#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "dialogue/DialogueLines.h"
#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;
class LinesView;

// The lines window's logic: the active track's lines around the one the main
// window shows, that line marked, the choice of another line, and search. It
// follows the main window's state, which it reads, never copies.
class LinesController {
 public:
  // windowGone is told when the window has closed.
  LinesController(DialogueState& state, IndexModel& index, std::function<void()> windowGone)
      : state_(state), index_(index), windowGone_(std::move(windowGone)) {}

  // The window has opened: it is filled, and the line shown is marked and in view.
  void attach(LinesView& view);
  // The window has closed.
  void detach();
  bool isOpen() const { return view_ != nullptr; }

  // Called after anything that may have moved a counter or the track; the
  // window follows when something did. A compare when nothing changed.
  void follow() noexcept;
  // A load shows the line its counter names and leaves the key alone: that
  // line is the one marked until the key moves.
  void loadShowedTheCounter() noexcept { loadedAt_ = place(); }

  std::int32_t rowCount() const { return rows_; }
  // A row as listed: the mark, the line's number and its text.
  std::string rowText(std::int32_t row) const;
  // A click on a row, or Enter on it: its line becomes the line shown.
  void choose(std::int32_t row);
  // The search field's text changed: the first line from the selected one on
  // that holds it. Next: the first one after the selected one.
  void findTyped(const std::string& text) { find(text, 0); }
  void findNext(const std::string& text) { find(text, 1); }

 private:
  // What the window follows.
  struct Place {
    Track track = Track::Main;
    std::int32_t counter = 0;
    std::string key;
    bool operator==(const Place&) const = default;
  };
  Place place() const;
  TrackLines lines() const;
  void show(const Place& now);
  void find(const std::string& text, std::int32_t after);

  DialogueState& state_;
  IndexModel& index_;
  std::function<void()> windowGone_;
  LinesView* view_ = nullptr;
  Place seen_;
  std::optional<Place> loadedAt_;
  std::int32_t rows_ = 0;
  std::int32_t marked_ = -1;
};

inline constexpr const char* kLineMark = "▶";

}  // namespace lumivox
