#include "qt/AboutWindow.h"

#include <QLabel>
#include <QWindow>

#include "info/AboutForm.h"
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
  const auto controls = buildForm(this, form);
  const auto label = [&controls](const char* name) { return qobject_cast<QLabel*>(controls.at(name)); };
  build_ = label("Label4");
  mainCount_ = label("Label6");
  doorCount_ = label("Doortextnumber");
  contact_ = label("Label11");
  thanks_ = label("SThanks");

  auto* ticker = new QtTicker(this, {{TimerId::ThanksTimer, "ThanksTimer", 5000, true},
                                     {TimerId::CThanksList, "CThanksList", 10000, true}},
                              [this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<AboutController>(*this, *ticker, prompter);
  controller_->load(mainLibraryPath);
}

void AboutWindow::setBuildText(const std::string& text) { build_->setText(toQString(text)); }
void AboutWindow::setMainLineCountText(const std::string& text) { mainCount_->setText(toQString(text)); }
void AboutWindow::setDoorLineCountText(const std::string& text) { doorCount_->setText(toQString(text)); }

void AboutWindow::setContactText(const std::string& text) { setAddressText(contact_, text); }

void AboutWindow::setThanksText(const std::string& text) { thanks_->setText(toQString(text)); }
std::string AboutWindow::thanksText() const { return thanks_->text().toStdString(); }

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A dialog is kept above whatever window was active when it opened; About
  // has no owner and stands on its own.
  if (QWindow* window = windowHandle()) window->setTransientParent(nullptr);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  controller_->onUnload();
  QDialog::closeEvent(event);
}

}  // namespace lumivox
