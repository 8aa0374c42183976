#pragma once
#include <QObject>
#include <bitset>
#include <string>

#include "platform/KeyWatch.h"

class QSocketNotifier;
typedef struct _XDisplay Display;

namespace lumivox {

// Watches raw key presses of the whole X display through XInput2, on a
// connection of its own read within the Qt event loop. It only listens: no
// key is grabbed, so the focused window (the game) still gets every key.
class X11KeyWatch final : public QObject, public KeyWatch {
  Q_OBJECT
 public:
  explicit X11KeyWatch(QObject* parent = nullptr);
  ~X11KeyWatch() override;

  // Empty when watching works; otherwise why it does not.
  const std::string& error() const { return error_; }

  bool pressedSinceLastAsked(int virtualKey) override;
  void forgetPresses() override;

 private:
  void readPendingEvents();
  // Handles events while Xlib reports some in the given XEventsQueued mode.
  void readEvents(int mode);

  Display* display_ = nullptr;
  int xinputOpcode_ = 0;
  QSocketNotifier* notifier_ = nullptr;
  std::bitset<256> pressed_;
  std::string error_;
};

}  // namespace lumivox
