#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "app/IndexLayout.h"

namespace lumivox {

// Small helpers for the progress windows, laid out in twips as designed.
inline void placeTwips(QWidget* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

inline QLabel* fixedLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                          int height) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeTwips(label, name, left, top, width, height);
  return label;
}

inline QGroupBox* captionlessFrame(QWidget* parent, int left, int top, int width, int height) {
  auto* frame = new QGroupBox(parent);
  placeTwips(frame, "Frame1", left, top, width, height);
  return frame;
}

}  // namespace lumivox
