#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "platform/KeyWatch.h"

namespace lumivox {

// One press per physical press, from GetAsyncKeyState asked on every tick: a
// press is the key going down since the last ask, seen either as bit 15
// (down now) or as bit 0 (pressed since the last query: a tap shorter than a
// tick) while the key was up at the last ask. A held key counts once: its
// auto-repeat sets bit 0 again, but the key was already down. Bit 0 alone is
// not enough: under Wine it is one for the whole prefix, so a game asking
// about the same key clears it before we see it. Shift, Control and Menu are
// either side's key: pressed when either is.
class AsyncKeyStateWatch final : public KeyWatch {
 public:
  // The key state as GetAsyncKeyState gives it.
  using KeyStateSource = std::function<std::int16_t(int virtualKey)>;

  AsyncKeyStateWatch();
  explicit AsyncKeyStateWatch(KeyStateSource source);

  bool pressedSinceLastAsked(int virtualKey) override;
  bool isDown(int virtualKey) override;
  // Key states tell nothing of the order in which keys went down.
  std::optional<Modifiers> modifiersAtLastPress(int) override { return std::nullopt; }
  void forgetPresses() override;

 private:
  std::int16_t stateOf(int virtualKey);

  KeyStateSource source_;
  std::array<bool, 256> downAtLastAsk_{};
};

}  // namespace lumivox
