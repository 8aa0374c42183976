#pragma once
#include <string>

namespace lumivox {

// What the About logic may do to the About window. Every text is shown
// literally, never as markup.
class AboutView {
 public:
  virtual ~AboutView() = default;

  virtual void setBuildText(const std::string& text) = 0;          // Label4
  virtual void setMainLineCountText(const std::string& text) = 0;  // Label6
  virtual void setDoorLineCountText(const std::string& text) = 0;  // Doortextnumber
  virtual void setContactText(const std::string& text) = 0;        // Label11
  virtual void setThanksText(const std::string& text) = 0;         // SThanks
  virtual std::string thanksText() const = 0;
};

}  // namespace lumivox
