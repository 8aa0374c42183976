#include "qt/FormWindow.h"

#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/FormBuilder.h"
#include "qt/QtText.h"

namespace lumivox {

FormWindow::FormWindow(const ControlTable& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setUpWindow(this, form);
  controls_ = buildForm(this, form);
  for (const ControlRow& row : form.controls)
    if (row.command == ButtonCommand::Confirm)
      connect(qobject_cast<QPushButton*>(controls_.at(row.name)), &QPushButton::clicked, this, [this] { onConfirm(); });
}

void FormWindow::showModal() {
  setWindowModality(Qt::ApplicationModal);
  centreOnScreen(this);
  show();
}

std::string FormWindow::text(const std::string& control) const {
  const auto found = controls_.find(control);
  if (found != controls_.end())
    if (const auto* keys = qobject_cast<QKeySequenceEdit*>(found->second))
      return keys->keySequence().toString(QKeySequence::PortableText).toStdString();
  const auto* field = found == controls_.end() ? nullptr : qobject_cast<QLineEdit*>(found->second);
  return field ? field->text().toStdString() : std::string();
}

void FormWindow::setText(const std::string& control, const std::string& text) {
  if (const auto found = controls_.find(control); found != controls_.end()) setControlText(found->second, toQString(text));
}

bool FormWindow::isChecked(const std::string& option) const {
  const auto found = controls_.find(option);
  const auto* button = found == controls_.end() ? nullptr : qobject_cast<QRadioButton*>(found->second);
  return button && button->isChecked();
}

}  // namespace lumivox
