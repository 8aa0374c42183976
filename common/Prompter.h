#pragma once
#include <optional>
#include <string>

namespace lumivox {

// Every message box and input box goes through this, so that windows and
// logic can be driven by tests with planned answers.
class Prompter {
 public:
  enum class Icon { Information, Question, Critical };
  enum class Buttons { OkCancel, YesNo };

  virtual ~Prompter() = default;

  // A box with a single OK button.
  virtual void inform(const std::string& text, const std::string& title, Icon icon) = 0;
  // A question; true for OK or Yes, false for Cancel or No (or closing the box).
  virtual bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
  // An input box; nothing when the user cancels.
  virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                           const std::string& initialText) = 0;
};

}  // namespace lumivox
