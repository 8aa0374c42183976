#pragma once
#include "common/Prompter.h"

class QWidget;

namespace lumivox {

// Message and input boxes as the user sees them: QMessageBox and QInputDialog.
class QtPrompter final : public Prompter {
 public:
  void inform(const std::string& text, const std::string& title, Icon icon) override;
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override;
};

}  // namespace lumivox
