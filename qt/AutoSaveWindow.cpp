#include "qt/AutoSaveWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include "progress/AutoSaveForm.h"
#include "qt/FormBuilder.h"

namespace lumivox {

AutoSaveWindow::AutoSaveWindow(IndexModel& index, Prompter& prompter) : index_(index), prompter_(prompter) {
  setAttribute(Qt::WA_DeleteOnClose);
  const ControlTable& form = autoSaveForm();
  setUpWindow(this, form);
  const auto controls = buildForm(this, form);
  fitWrappedLabels(this);
  text1_ = qobject_cast<QLineEdit*>(controls.at("Text1"));
  text1_->setFocus();
  connect(qobject_cast<QPushButton*>(controls.at("Command1")), &QPushButton::clicked, this,
          [this] { confirmAutoSaveSettings(*this, index_, prompter_); });
}

void AutoSaveWindow::loadAndShowModal() {
  loadAutoSaveSettings(*this, index_, prompter_);
  setWindowModality(Qt::ApplicationModal);
  show();
}

std::string AutoSaveWindow::typedText() const { return text1_->text().toStdString(); }
void AutoSaveWindow::setTypedText(const std::string& text) { text1_->setText(QString::fromStdString(text)); }
void AutoSaveWindow::unload() { close(); }

}  // namespace lumivox
