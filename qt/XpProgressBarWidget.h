#pragma once
#include <QWidget>

#include "common/Prompter.h"
#include "qt/BackBufferCanvas.h"
#include "show/PropertyBag.h"
#include "show/XpProgressBar.h"

namespace lumivox {

// The control Xp_ProgressBar, to be placed on any window. It draws into a
// back buffer only when resized and when Value is assigned, and paints that
// buffer whenever asked. Error boxes of rejected assignments go through the
// prompter. Hosts name it with setObjectName and keep its properties with
// readProperties / writeProperties; read them before the control is first
// shown so that the look is in place when the frame is drawn.
class XpProgressBarWidget : public QWidget {
  Q_OBJECT
  Q_CLASSINFO("PersistentClassName", "Lumivox.Xp_ProgressBar")
  Q_PROPERTY(int Value READ value WRITE setValue)
  Q_PROPERTY(int Style READ style WRITE setStyle)
  Q_PROPERTY(int ProgressLook READ progressLook WRITE setProgressLook)
  Q_PROPERTY(int Min READ minimum WRITE setMinimum)
  Q_PROPERTY(int Max READ maximum WRITE setMaximum)

 public:
  explicit XpProgressBarWidget(Prompter& prompter, QWidget* parent = nullptr);

  int value() const { return bar_.value(); }
  int style() const { return bar_.style(); }
  int progressLook() const { return bar_.progressLook(); }
  int minimum() const { return bar_.minimum(); }
  int maximum() const { return bar_.maximum(); }

  void setValue(int New_Value);
  void setStyle(int New_Style);
  void setProgressLook(int New_ProgressLook);
  void setMinimum(int New_Mini);
  void setMaximum(int New_Maxi);

  void readProperties(const PropertyBag& bag);
  void writeProperties(PropertyBag& bag) const;

  // What the control shows, pixel for pixel.
  const QImage& backBuffer() const { return canvas_.image(); }

  QSize sizeHint() const override { return {321, 17}; }

 signals:
  // After each accepted assignment (and the look read with the properties).
  void propertyChanged(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  BackBufferCanvas canvas_;
  XpProgressBar bar_;
};

}  // namespace lumivox
