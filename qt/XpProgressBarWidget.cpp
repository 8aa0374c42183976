#include "qt/XpProgressBarWidget.h"

#include <QPainter>
#include <QResizeEvent>

namespace lumivox {

XpProgressBarWidget::XpProgressBarWidget(Prompter& prompter, QWidget* parent)
    : QWidget(parent), bar_(canvas_, prompter) {
  // The back buffer covers every pixel; nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  bar_.propertyChanged = [this](const std::string& name) { emit propertyChanged(QString::fromStdString(name)); };
}

void XpProgressBarWidget::setValue(int New_Value) {
  bar_.setValue(New_Value);
  update();
}

void XpProgressBarWidget::setStyle(int New_Style) { bar_.setStyle(New_Style); }
void XpProgressBarWidget::setProgressLook(int New_ProgressLook) { bar_.setProgressLook(New_ProgressLook); }
void XpProgressBarWidget::setMinimum(int New_Mini) { bar_.setMinimum(New_Mini); }
void XpProgressBarWidget::setMaximum(int New_Maxi) { bar_.setMaximum(New_Maxi); }

void XpProgressBarWidget::readProperties(const PropertyBag& bag) { bar_.readProperties(bag); }
void XpProgressBarWidget::writeProperties(PropertyBag& bag) const { bar_.writeProperties(bag); }

void XpProgressBarWidget::resizeEvent(QResizeEvent* event) {
  canvas_.resize(event->size());
  bar_.resized();
  update();
}

void XpProgressBarWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.image(), event->rect());
}

}  // namespace lumivox
