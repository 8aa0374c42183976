#pragma once
#include <QDialog>

namespace lumivox {

// The help window: the fixed help text and one button. Shown modally.
class HelpWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
};

// The menu item 使用帮助: the help window, modal over the main window.
void showHelpWindow(QWidget* mainWindow);

}  // namespace lumivox
