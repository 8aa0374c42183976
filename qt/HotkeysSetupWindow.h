#pragma once
#include <QDialog>
#include <array>

#include "dialogue/HotkeySetup.h"

class QRadioButton;

namespace lumivox {

class Prompter;

// The 热键设置 window: the seven keys of the hotkey table as one group of
// option buttons, Option1 selected at every opening, and the buttons to apply
// or cancel. Neither button is the default or cancel button, so Enter and Esc
// press neither. It deletes itself when closed.
class HotkeysSetupWindow final : public QDialog, public HotkeySetupView {
  Q_OBJECT
 public:
  HotkeysSetupWindow(Prompter& prompter, QWidget* parent = nullptr);

  // Opens the window modal to the whole program, centred on the screen;
  // returns at once.
  void open();

  // HotkeySetupView
  bool isOptionSelected(std::size_t row) const override;
  void closeWindow() override;

 protected:
  // Neither button answers Enter or Esc, and Esc does not close the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Prompter& prompter_;
  std::array<QRadioButton*, 7> options_{};
};

}  // namespace lumivox
