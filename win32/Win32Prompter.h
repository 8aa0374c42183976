#pragma once
#include "common/Prompter.h"

namespace lumivox {

// Message boxes through MessageBoxW and the input box of InputBox.h, modal
// to the window active at the time (to all of the program's windows when
// none is).
class Win32Prompter final : public Prompter {
 public:
  void inform(const std::string& text, const std::string& title, Icon icon) override;
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override;
};

}  // namespace lumivox
