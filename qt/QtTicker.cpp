#include "qt/QtTicker.h"

#include "qt/QtText.h"

namespace lumivox {

QtTicker::QtTicker(QObject* owner, const std::vector<TimerRow>& timers, const std::function<void(TimerId)>& onTick)
    : QObject(owner) {
  for (const TimerRow& row : timers) {
    if (!row.ticks) continue;
    // Owned by the window itself, so tools find them among its children.
    auto* timer = new QTimer(owner);
    timer->setObjectName(toQString(row.name));
    timer->setInterval(row.intervalMs);
    connect(timer, &QTimer::timeout, this, [onTick, id = row.id] { onTick(id); });
    timers_[row.id] = timer;
  }
}

void QtTicker::start(TimerId timer, int intervalMs) {
  if (QTimer* t = timers_[timer]) t->start(intervalMs);
}

void QtTicker::stop(TimerId timer) {
  if (QTimer* t = timers_[timer]) t->stop();
}

}  // namespace lumivox
