#include "qt/AboutWindow.h"

#include <QLabel>

#include "info/AboutForm.h"
#include "qt/ApplyWindowLook.h"
#include "qt/FormBuilder.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"

namespace lumivox {

AboutWindow::AboutWindow(const std::string& mainLibraryPath, Prompter& prompter) {
  setAttribute(Qt::WA_DeleteOnClose);
  const ControlTable& form = aboutForm();
  setUpWindow(this, form);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  centreOnScreen(this);
  controls_ = buildForm(this, form);

  auto* ticker = new QtTicker(this, aboutTimers(), [this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<AboutController>(*this, *ticker, prompter);
  controller_->load(mainLibraryPath);
}

QLabel* AboutWindow::label(std::string_view name) const {
  const auto found = controls_.find(std::string(name));
  return found == controls_.end() ? nullptr : qobject_cast<QLabel*>(found->second);
}

void AboutWindow::setControlText(std::string_view control, const std::string& text) {
  label(control)->setText(toQString(text));
}

void AboutWindow::setAddressText(std::string_view control, const std::string& text) {
  lumivox::setAddressText(label(control), text);
}

std::string AboutWindow::controlText(std::string_view control) const { return label(control)->text().toStdString(); }

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  keepToItsOwner(*this);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  controller_->onUnload();
  QDialog::closeEvent(event);
}

}  // namespace lumivox
