#include "qt/WindowLayout.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "common/Twips.h"

namespace lumivox {

void placeInTwips(QWidget* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QGroupBox* twipsFrame(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                      int height) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
  placeInTwips(frame, name, left, top, width, height);
  return frame;
}

QLabel* twipsLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                   int height, bool wrap) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(caption);
  placeInTwips(label, name, left, top, width, height);
  label->setWordWrap(wrap);
  return label;
}

QPushButton* closingButton(QWidget* window, const char* name, const char* caption, int left, int top, int width,
                           int height) {
  auto* button = new QPushButton(QString::fromUtf8(caption), window);
  placeInTwips(button, name, left, top, width, height);
  button->setDefault(true);
  button->setAutoDefault(true);
  // A QDialog closes on Esc by itself; the button closes it the same way.
  if (auto* dialog = qobject_cast<QDialog*>(window)) QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
  return button;
}

void fixWindow(QWidget* window, int widthTwips, int heightTwips) {
  window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
}

}  // namespace lumivox
