#include "qt/DialogueLabel.h"

#include <QPainter>
#include <QTextLayout>

#include "common/LabelFitting.h"

namespace lumivox {
namespace {

QTextOption wrapping() {
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

// Lays the text out in lines of the given width; returns the height taken.
qreal layOut(QTextLayout& layout, qreal width) {
  layout.setTextOption(wrapping());
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLeadingIncluded(true);
    line.setLineWidth(width);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

}  // namespace

DialogueLabel::DialogueLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

qreal DialogueLabel::textHeight(const QFont& font) const {
  QTextLayout layout(text(), font, this);
  return layOut(layout, contentsRect().width());
}

QFont DialogueLabel::shownFont() const {
  if (fit_.text == text() && fit_.size == size() && fit_.base == font()) return fit_.shown;
  QFont shown = font();
  shown.setPointSizeF(dialogueLinePoints(font().pointSizeF(), contentsRect().height(), [this](double points) {
    QFont at = font();
    at.setPointSizeF(points);
    return textHeight(at);
  }));
  fit_ = {text(), size(), font(), shown};
  return shown;
}

void DialogueLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  QTextLayout layout(text(), shownFont(), this);
  layOut(layout, contentsRect().width());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  layout.draw(&painter, contentsRect().topLeft());
}

}  // namespace lumivox
