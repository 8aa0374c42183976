#include "qt/QtPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "qt/QtText.h"

namespace lumivox {
namespace {

QMessageBox::Icon toQtIcon(Prompter::Icon icon) {
  switch (icon) {
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::Information: break;
  }
  return QMessageBox::Information;
}


// Boxes are modal to the whole program and centred over their window.
// Their texts are shown literally: some carry what a file or the user wrote.
int runBox(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec();
}

}  // namespace

QWidget* QtPrompter::owner() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return mainWindow_ && mainWindow_->isVisible() ? mainWindow_.data() : nullptr;
}

void QtPrompter::inform(const std::string& text, const std::string& title, Icon icon) {
  QMessageBox box(toQtIcon(icon), toQString(title), toQString(text), QMessageBox::Ok, owner());
  runBox(box);
}

bool QtPrompter::ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  const auto yes = buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
  const auto no = buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
  QMessageBox box(toQtIcon(icon), toQString(title), toQString(text), yes | no, owner());
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  return runBox(box) == yes;
}

std::optional<std::string> QtPrompter::input(const std::string& prompt, const std::string& title,
                                             const std::string& initialText) {
  bool accepted = false;
  const QString text = QInputDialog::getText(owner(), toQString(title), toQString(prompt),
                                             QLineEdit::Normal, toQString(initialText), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

}  // namespace lumivox
