#include "qt/HelpWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "info/HelpText.h"
#include "qt/WindowLayout.h"

namespace lumivox {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Help"));
  setWindowTitle(QStringLiteral("使用帮助"));
  fixWindow(this, 4680, 5430);

  auto* text = new QPlainTextEdit(this);
  placeInTwips(text, "Text1", 120, 120, 4335, 4575);
  QString lines = QString::fromStdString(helpText());
  text->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  text->setReadOnly(true);
  // Enter and Esc belong to the button, whatever has the focus.
  text->setTabChangesFocus(true);

  closingButton(this, "Command1", "明白了", 1313, 4920, 2055, 375)->setFocus();
}

void showHelpWindow(QWidget* mainWindow) {
  HelpWindow help(mainWindow);
  help.exec();
}

}  // namespace lumivox
