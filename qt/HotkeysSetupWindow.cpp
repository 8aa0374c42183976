#include "qt/HotkeysSetupWindow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "dialogue/HotkeysForm.h"
#include "qt/FormBuilder.h"

namespace lumivox {

HotkeysSetupWindow::HotkeysSetupWindow(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      prompter_(prompter) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  const ControlTable& form = hotkeysForm();
  setUpWindow(this, form);
  const auto controls = buildForm(this, form);
  for (std::size_t row = 0; row < options_.size(); ++row)
    options_[row] = qobject_cast<QRadioButton*>(controls.at("Option" + std::to_string(row + 1)));
  options_[0]->setChecked(true);

  auto* apply = qobject_cast<QPushButton*>(controls.at("Command1"));
  auto* cancel = qobject_cast<QPushButton*>(controls.at("Command2"));
  // A dialog's buttons answer Enter by themselves; these must not.
  for (QPushButton* button : {apply, cancel}) button->setAutoDefault(false);
  connect(apply, &QPushButton::clicked, this, [this] { applyHotkeySetup(*this, prompter_); });
  connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void HotkeysSetupWindow::open() {
  centreOnScreen(this);
  show();
  options_[0]->setFocus();
}

bool HotkeysSetupWindow::isOptionSelected(std::size_t row) const {
  return row < options_.size() && options_[row]->isChecked();
}

void HotkeysSetupWindow::closeWindow() { close(); }

void HotkeysSetupWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return event->ignore();
  QDialog::keyPressEvent(event);
}

}  // namespace lumivox
