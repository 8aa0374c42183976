#pragma once
#include <QObject>

namespace lumivox {

// A timer that has no action: it keeps its interval and its on/off switch
// like a QTimer, so other windows can switch it with the rest, but it never
// wakes the program (a running 1 ms QTimer would, a thousand times a second).
class InertTimer final : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool active READ isActive)
  Q_PROPERTY(int interval READ interval)
 public:
  InertTimer(int intervalMs, QObject* parent) : QObject(parent), interval_(intervalMs) {}
  int interval() const { return interval_; }
  bool isActive() const { return active_; }
  void start() { active_ = true; }
  void stop() { active_ = false; }

 private:
  int interval_;
  bool active_ = false;
};

}  // namespace lumivox
