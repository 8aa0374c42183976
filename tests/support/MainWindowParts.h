#pragma once
#include <QAction>
#include <QLabel>
#include <QTimer>
#include <memory>
#include <string_view>

#include "qt/IndexWindow.h"
#include "support/QtText.h"

// A main window and its parts, found by their objectNames.
struct MainWindowParts {
  std::unique_ptr<lumivox::IndexWindow> window;

  lumivox::DialogueState& state() const { return window->controller().state(); }
  QLabel* label(std::string_view name) const { return window->findChild<QLabel*>(u(name)); }
  QString text(std::string_view name) const { return label(name)->text(); }
  QAction* action(std::string_view name) const { return window->findChild<QAction*>(u(name)); }
  QTimer* timer(std::string_view name) const { return window->findChild<QTimer*>(u(name)); }
  // A tick of the key poll now: the first after one of the program's boxes
  // has closed takes keys as the box's, and a player presses later than that.
  void pollTick() const {
    QMetaObject::invokeMethod(window->findChild<QTimer*>(u("Time_Chr"), Qt::FindDirectChildrenOnly), "timeout");
  }
  // Only the main window's own timers: the windows it opens have timers of the same names.
  bool mainTimerOn(std::string_view name) const {
    auto* timer = window->findChild<QTimer*>(u(name), Qt::FindDirectChildrenOnly);
    return timer ? timer->isActive() : window->controller().timerOn(lumivox::TimerId::Timer1);
  }
};
