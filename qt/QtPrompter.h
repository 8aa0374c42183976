#pragma once
#include <QPointer>
#include <QWidget>

#include "common/Prompter.h"

namespace lumivox {

// Message and input boxes as the user sees them: QMessageBox and QInputDialog.
// Each box belongs to the program's active window, or to the main window when
// none is active (the player is in the game): the window manager keeps a box
// above the window it belongs to, one that stays on top too.
class QtPrompter final : public Prompter {
 public:
  void setMainWindow(QWidget* window) { mainWindow_ = window; }

  void inform(const std::string& text, const std::string& title, Icon icon) override;
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override;

 private:
  QWidget* owner() const;

  QPointer<QWidget> mainWindow_;
};

}  // namespace lumivox
