#pragma once
#include "platform/KeyWatch.h"

namespace lumivox {

// Bit 0 of GetAsyncKeyState: pressed since the previous query of that key.
class AsyncKeyStateWatch final : public KeyWatch {
 public:
  bool pressedSinceLastAsked(int virtualKey) override;
  void forgetPresses() override;
};

}  // namespace lumivox
