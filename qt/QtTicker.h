#pragma once
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <vector>

#include "common/Ticker.h"
#include "common/TimerSwitches.h"

namespace lumivox {

// A window's timers as QTimers, named as designed; every tick goes to the
// window's controller.
class QtTicker final : public QObject, public Ticker {
 public:
  QtTicker(QObject* owner, const std::vector<TimerRow>& timers, const std::function<void(TimerId)>& onTick);

  void start(TimerId timer, int intervalMs) override;
  void stop(TimerId timer) override;

 private:
  std::map<TimerId, QTimer*> timers_;
};

}  // namespace lumivox
