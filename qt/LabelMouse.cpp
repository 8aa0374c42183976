#include "qt/LabelMouse.h"

#include <QMouseEvent>
#include <QWidget>

namespace lumivox {
namespace {

class ReleaseFilter final : public QObject {
 public:
  ReleaseFilter(QWidget* widget, std::function<void(Qt::MouseButton, QPoint)> handler)
      : QObject(widget), widget_(widget), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_ || event->type() != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!widget_->rect().contains(mouse->position().toPoint())) return false;
    handler_(mouse->button(), mouse->globalPosition().toPoint());
    return true;
  }

 private:
  QWidget* widget_;
  std::function<void(Qt::MouseButton, QPoint)> handler_;
};

}  // namespace

void onMouseReleasedOver(QWidget* widget, std::function<void(Qt::MouseButton, QPoint)> handler) {
  widget->installEventFilter(new ReleaseFilter(widget, std::move(handler)));
}

}  // namespace lumivox
