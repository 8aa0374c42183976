#pragma once
#include <QAbstractNativeEventFilter>
#include <QMetaObject>

namespace lumivox {

class MainController;

// Tells the main controller as the keyboard focus enters or leaves the
// program's windows and boxes. On X11 straight from the server's focus
// events: the toolkit's own focus change comes some hundred milliseconds
// later, after the poll tick that needed it. Elsewhere, the toolkit's.
class ProgramFocus final : public QAbstractNativeEventFilter {
 public:
  explicit ProgramFocus(MainController& controller);
  ~ProgramFocus() override;
  ProgramFocus(const ProgramFocus&) = delete;
  ProgramFocus& operator=(const ProgramFocus&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  MainController& controller_;
  QMetaObject::Connection toolkitFocus_;
};

}  // namespace lumivox
