#pragma once
#include <string>
#include <string_view>

#include "common/CommandId.h"
#include "dialogue/TrackChoice.h"

namespace lumivox {

// What the main controller does to the main window. A front end implements
// it over its controls, found by their names in the window's control table;
// it decides nothing.
class IndexView : public WindowHeight {
 public:
  // A control's text, shown literally.
  virtual void setControlText(std::string_view control, const std::string& text) = 0;
  // A progress bar, filled position steps of steps.
  virtual void setBar(std::string_view control, int position, int steps) = 0;
  // Every menu entry of the command.
  virtual void setCommandEnabled(CommandId command, bool enabled) = 0;
  // The check mark of the command's checkable entries.
  virtual void setCommandChecked(CommandId command, bool checked) = 0;
  // The submenu whose row pops up, as a popup menu where a mouse button was
  // last released over a label.
  virtual void popUpGateMenu() = 0;
  // Above every other window or not; shown and in its place either way.
  virtual void setStayOnTop(bool onTop) = 0;
  // 100 is opaque.
  virtual void setOpacityPercent(int percent) = 0;
};

}  // namespace lumivox
