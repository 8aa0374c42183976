#pragma once
#include <string>
#include <string_view>

#include "dialogue/CommandId.h"
#include "dialogue/TrackChoice.h"

namespace lumivox {

// What the main controller does to the main window. A front end implements
// it over its controls, found by their names in the window's control table;
// it decides nothing.
class IndexView : public WindowHeight {
 public:
  // A control's text, shown literally.
  virtual void setControlText(std::string_view control, const std::string& text) = 0;
  // The progress bar Bar1.
  virtual void setBar(float value, float maximum) = 0;
  // Every menu entry of the command.
  virtual void setCommandEnabled(CommandId command, bool enabled) = 0;
  // The 记忆之门 menu as a popup menu at the mouse pointer.
  virtual void popUpGateMenu() = 0;
};

}  // namespace lumivox
