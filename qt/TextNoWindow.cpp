#include "qt/TextNoWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include "progress/JumpForm.h"
#include "qt/FormBuilder.h"

namespace lumivox {

TextNoWindow::TextNoWindow(DialogueState& state, Prompter& prompter) {
  setAttribute(Qt::WA_DeleteOnClose);
  const ControlTable& form = jumpForm();
  setUpWindow(this, form);
  const auto controls = buildForm(this, form);
  fitWrappedLabels(this);
  text1_ = qobject_cast<QLineEdit*>(controls.at("Text1"));
  text1_->setFocus();
  connect(qobject_cast<QPushButton*>(controls.at("Command1")), &QPushButton::clicked, this,
          [this, &state, &prompter] { confirmJump(state, *this, prompter); });
}

void TextNoWindow::showModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
}

std::string TextNoWindow::typedText() const { return text1_->text().toStdString(); }

void TextNoWindow::unload() { close(); }

}  // namespace lumivox
