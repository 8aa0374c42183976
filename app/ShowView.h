#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lumivox {

// What the show window's logic may do to the window ShowFrm. The window
// implements it over its widgets; tests implement it with a recording fake.
class ShowView {
 public:
  virtual ~ShowView() = default;

  // A label's text, shown literally.
  virtual void setControlText(std::string_view control, const std::string& text) = 0;

  // The window's bar. An assignment outside its range is refused with the bar's
  // own error box and changes nothing.
  virtual std::int32_t barValue() const = 0;
  virtual void setBarValue(std::int32_t value) = 0;
  virtual void setBarMaximum(std::int32_t maximum) = 0;

  // SetWindowOpacity on this window; gives its result code.
  virtual int setOpacity(std::int16_t level) = 0;

  // Shows the window modally: the main window takes no input meanwhile.
  virtual void showModal() = 0;
  // Closes the window; its controller's unload runs then.
  virtual void unload() = 0;
  // Shows the main window modelessly, which brings it to the front.
  virtual void showMainWindow() = 0;
};

}  // namespace lumivox
