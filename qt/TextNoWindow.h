#pragma once
#include <QDialog>

#include "progress/Jump.h"

class QLineEdit;

namespace lumivox {

class Prompter;
struct DialogueState;

// TextNO: the jump of the main story to a typed line number.
class TextNoWindow final : public QDialog, public JumpView {
  Q_OBJECT
 public:
  TextNoWindow(DialogueState& state, Prompter& prompter);

  // Shows the window modal to the whole program; it deletes itself when it
  // unloads or is closed.
  void showModal();

  std::string typedText() const override;
  void unload() override;

 private:
  QLineEdit* text1_ = nullptr;
};

}  // namespace lumivox
