#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// What the About logic may do to the About window: its labels, by their names
// in the window's table. Every text is shown literally, never as markup.
class AboutView {
 public:
  virtual ~AboutView() = default;

  virtual void setControlText(std::string_view control, const std::string& text) = 0;
  // A text of addresses, which may also go on to the next line after their
  // marks (addressPieces) where the label is too narrow for them.
  virtual void setAddressText(std::string_view control, const std::string& text) = 0;
  virtual std::string controlText(std::string_view control) const = 0;
};

}  // namespace lumivox
