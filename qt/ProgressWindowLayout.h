#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "common/Twips.h"
#include "qt/WindowLayout.h"

namespace lumivox {

// Small helpers for the progress windows, laid out in twips as designed.
inline QLabel* fixedLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                          int height) {
  QLabel* label = twipsLabel(parent, name, QString::fromUtf8(text), left, top, width, height, true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// The platform's fonts run taller than the design's: a wrapped label that
// needs more lines grows downwards, and what lies below it, its frame and the
// window grow or move with it, so no text is cut off.
inline void fitWrappedLabel(QLabel* label) {
  const int extra = label->heightForWidth(label->width()) - label->height();
  if (extra <= 0) return;
  QWidget* grown = label;
  int bottom = label->geometry().bottom();
  grown->resize(grown->width(), grown->height() + extra);
  while (QWidget* parent = grown->parentWidget()) {
    for (QObject* child : parent->children()) {
      auto* sibling = qobject_cast<QWidget*>(child);
      if (sibling && sibling != grown && sibling->y() > bottom) sibling->move(sibling->x(), sibling->y() + extra);
    }
    grown = parent;
    bottom = grown->geometry().bottom();
    if (grown->isWindow()) {
      grown->setFixedSize(grown->width(), grown->height() + extra);
      break;
    }
    grown->resize(grown->width(), grown->height() + extra);
  }
}

// Every label of the window, from the top down.
inline void fitWrappedLabels(QWidget* window) {
  QList<QLabel*> labels = window->findChildren<QLabel*>();
  std::sort(labels.begin(), labels.end(), [window](QLabel* a, QLabel* b) {
    return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
  });
  for (QLabel* label : labels) fitWrappedLabel(label);
}

inline QGroupBox* captionlessFrame(QWidget* parent, int left, int top, int width, int height) {
  auto* frame = new QGroupBox(parent);
  placeInTwips(frame, "Frame1", left, top, width, height);
  return frame;
}

// Both progress windows are one typed field and a button that confirms it.
inline QLineEdit* typedField(QWidget* frame, const char* initialText, int left, int top, int width, int height) {
  auto* field = new QLineEdit(QString::fromUtf8(initialText), frame);
  placeInTwips(field, "Text1", left, top, width, height);
  return field;
}

// The last control of such a window: Tab goes from the field to it. Once it
// is in place the labels are fitted, and the field gets the focus.
inline QPushButton* confirmButton(QWidget* window, QLineEdit* field, const char* caption, int left, int top, int width,
                                  int height) {
  auto* confirm = new QPushButton(QString::fromUtf8(caption), window);
  placeInTwips(confirm, "Command1", left, top, width, height);
  QWidget::setTabOrder(field, confirm);
  fitWrappedLabels(window);
  field->setFocus();
  return confirm;
}

}  // namespace lumivox
