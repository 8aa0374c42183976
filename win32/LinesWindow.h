#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/LinesView.h"
#include "common/ScreenRect.h"
#include "win32/Win32Ticker.h"

namespace lumivox {

class LinesController;

// The lines window (对话列表): a search field over a virtual list view that
// asks the controller for the text of each row it paints, and keeps none.
// Modeless and without an owner; it deletes itself when its window goes and
// detaches from the controller then.
class LinesWindow final : public LinesView {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxLines";
  // The controls' identifiers, for the end-to-end probe.
  enum ControlId { kFindLabelId = 100, kFindTextId, kFindNextId, kListId, kFindResultId };

  // Creates, fills and shows it without taking the focus; null when the
  // system refuses the window. It stands beside the main window, clear of
  // the game's frame when known; onGone is told when it has gone.
  static LinesWindow* open(LinesController& lines, HWND mainWindow, const std::optional<ScreenRect>& game, bool onTop,
                           int opacityPercent, std::function<void()> onGone);
  HWND handle() const { return window_; }
  // Above other windows or not, and how opaque, as the main window is.
  void applyLook(bool onTop, int opacityPercent);
  // Enter, Esc, Tab and F3 in this window; true when the message was taken.
  static bool translateKeys(MSG& message);

  // LinesView
  void resetRows(std::int32_t rows) override;
  void rowChanged(std::int32_t row) override;
  void selectRow(std::int32_t row, std::int32_t first, std::int32_t last) override;
  std::int32_t selectedRow() const override;
  void setFindResult(const std::string& text) override;
  bool onScreen() const override;
  bool active() const override;
  void showWithoutFocus() override;
  void focusSearch() override;
  void closeWindow() override;
  std::uintptr_t windowId() const override;

 private:
  LinesWindow(LinesController& lines, std::function<void()> onGone) : lines_(lines), onGone_(std::move(onGone)) {}
  ~LinesWindow() override;
  bool create();
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT notified(const NMHDR& header);
  void layOut();
  void placeBeside(HWND mainWindow, const std::optional<ScreenRect>& game);
  std::string findText() const;

  LinesController& lines_;
  std::function<void()> onGone_;
  HWND window_ = nullptr;
  HWND findLabel_ = nullptr, find_ = nullptr, next_ = nullptr, list_ = nullptr, result_ = nullptr;
  HFONT font_ = nullptr;
  std::wstring rowText_;  // the row the list view asked for last, while it copies it
  bool attached_ = false;
  std::unique_ptr<Win32Ticker> ticker_;
};

}  // namespace lumivox
