#include "platform/KeyWatchWin.h"

#include <windows.h>

#include <utility>

namespace lumivox {
namespace {

constexpr std::int16_t kDownNow = std::int16_t(0x8000);
constexpr std::int16_t kPressedSinceLastQuery = 0x0001;

}  // namespace

AsyncKeyStateWatch::AsyncKeyStateWatch()
    : AsyncKeyStateWatch([](int virtualKey) -> std::int16_t { return GetAsyncKeyState(virtualKey); }) {}

AsyncKeyStateWatch::AsyncKeyStateWatch(KeyStateSource source) : source_(std::move(source)) {}

bool AsyncKeyStateWatch::pressedSinceLastAsked(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= 256) return false;
  const std::int16_t state = source_(virtualKey);
  const bool down = (state & kDownNow) != 0;
  bool& wasDown = downAtLastAsk_[static_cast<std::size_t>(virtualKey)];
  const bool pressed = !wasDown && (down || (state & kPressedSinceLastQuery) != 0);
  wasDown = down;
  return pressed;
}

void AsyncKeyStateWatch::forgetPresses() {
  // Asking clears bit 0; a key held now counts only once it was let go.
  for (int key = 0; key < 256; ++key)
    downAtLastAsk_[static_cast<std::size_t>(key)] = (source_(key) & kDownNow) != 0;
}

}  // namespace lumivox
