#pragma once
#include <QAbstractNativeEventFilter>
#include <QMetaObject>
#include <functional>

namespace lumivox {

// Says whether the keyboard focus is in the program's windows and boxes, each
// time it enters or leaves them. On X11 straight from the server's focus
// events: the toolkit's own focus change comes some hundred milliseconds
// later, after the poll tick that needed it. Elsewhere, the toolkit's.
class QtProgramFocus final : public QAbstractNativeEventFilter {
 public:
  explicit QtProgramFocus(std::function<void(bool ours)> focusChanged);
  ~QtProgramFocus() override;
  QtProgramFocus(const QtProgramFocus&) = delete;
  QtProgramFocus& operator=(const QtProgramFocus&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  std::function<void(bool ours)> focusChanged_;
  QMetaObject::Connection toolkitFocus_;
};

}  // namespace lumivox
