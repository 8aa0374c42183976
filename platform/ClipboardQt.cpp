#include "platform/ClipboardQt.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumivox {
namespace {

QClipboard& systemClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw ClipboardError("no clipboard");
  return *clipboard;
}

// The system may turn line ends into its own on the way in or out.
QString withoutCarriageReturns(QString text) { return text.remove(QLatin1Char('\r')); }

}  // namespace

void QtClipboard::clear() { systemClipboard().clear(); }

void QtClipboard::setText(const std::string& utf8Text) {
  QClipboard& clipboard = systemClipboard();
  const QString text = QString::fromStdString(utf8Text);
  clipboard.setText(text);
  // Qt only warns when another program holds the clipboard; reading the text
  // back is the one way to know the letter really is there.
  if (withoutCarriageReturns(clipboard.text()) != withoutCarriageReturns(text))
    throw ClipboardError("the clipboard did not take the text");
}

}  // namespace lumivox
