#pragma once
#include <cstdint>
#include <string>

namespace lumivox {

// The lines window (对话列表) as its controller sees it: a list of rows it
// asks the controller's text for, one row at a time, only for what shows.
class LinesView {
 public:
  virtual ~LinesView() = default;
  // Every row anew: their number changed, or the track did.
  virtual void resetRows(std::int32_t rows) = 0;
  // One row's text changed (the mark came or went).
  virtual void rowChanged(std::int32_t row) = 0;
  // Selects the row and brings the rows first to last into view, as many of
  // them as fit.
  virtual void selectRow(std::int32_t row, std::int32_t first, std::int32_t last) = 0;
  // The selected row; -1 when none is.
  virtual std::int32_t selectedRow() const = 0;
  // The line below the search field that tells how a search went.
  virtual void setFindResult(const std::string& text) = 0;

  // Shown and not minimized.
  virtual bool onScreen() const = 0;
  // Whether it has the keyboard focus.
  virtual bool active() const = 0;
  // Restored and raised; the focus stays where it is (the game's).
  virtual void showWithoutFocus() = 0;
  // Takes the focus, into the search field with its text selected.
  virtual void focusSearch() = 0;
  // Closes the window, which detaches it.
  virtual void closeWindow() = 0;
  // The window as the system's focus knows it.
  virtual std::uintptr_t windowId() const = 0;
};

// The window's texts and its controls' names, the same in both front ends.
inline constexpr const char* kLinesWindowName = "Lines";
inline constexpr const char* kLinesWindowTitle = "对话列表";
inline constexpr const char* kLinesListName = "LinesList";
inline constexpr const char* kFindLabelName = "FindLabel";
inline constexpr const char* kFindLabelCaption = "查找：";
inline constexpr const char* kFindTextName = "FindText";
inline constexpr const char* kFindNextName = "FindNext";
inline constexpr const char* kFindNextCaption = "下一个(&N)";
inline constexpr const char* kFindResultName = "FindResult";
// What the window asks for on the screen, and no less, in pixels at 96 dots an inch.
inline constexpr int kLinesWindowWidth = 560, kLinesWindowHeight = 460;
inline constexpr int kLinesWindowSmallestWidth = 280, kLinesWindowSmallestHeight = 230;

}  // namespace lumivox
