#include "qt/QtTicker.h"

#include "qt/QtText.h"

namespace lumivox {

QtTicker::QtTicker(QObject* owner, const std::vector<TimerSpec>& timers, std::function<void(TimerId)> onTick)
    : QObject(owner) {
  for (const TimerSpec& spec : timers) {
    if (!spec.ticks) continue;
    // Owned by the window itself, so tools find them among its children.
    auto* timer = new QTimer(owner);
    timer->setObjectName(toQString(spec.name));
    timer->setInterval(spec.intervalMs);
    connect(timer, &QTimer::timeout, this, [onTick, id = spec.id] { onTick(id); });
    timers_[spec.id] = timer;
  }
}

void QtTicker::start(TimerId timer, int intervalMs) {
  if (QTimer* t = timers_[timer]) t->start(intervalMs);
}

void QtTicker::stop(TimerId timer) {
  if (QTimer* t = timers_[timer]) t->stop();
}

}  // namespace lumivox
