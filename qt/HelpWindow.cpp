#include "qt/HelpWindow.h"

#include <QPlainTextEdit>

#include "info/HelpForm.h"
#include "qt/FormBuilder.h"

namespace lumivox {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  const ControlTable& form = helpForm();
  setUpWindow(this, form);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  centreOnScreen(this);
  const auto controls = buildForm(this, form);
  // Enter and Esc belong to the button, whatever has the focus.
  qobject_cast<QPlainTextEdit*>(controls.at("Text1"))->setTabChangesFocus(true);
  controls.at("Command1")->setFocus();
}

void showHelpWindow(QWidget* mainWindow) {
  HelpWindow help(mainWindow);
  help.exec();
}

}  // namespace lumivox
