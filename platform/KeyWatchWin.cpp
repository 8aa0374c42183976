#include "platform/KeyWatchWin.h"

#include <windows.h>

#include <utility>

namespace lumivox {
namespace {

constexpr std::int16_t kDownNow = std::int16_t(0x8000);
constexpr std::int16_t kPressedSinceLastQuery = 0x0001;

// The left and right keys of a modifier; none for other keys.
std::array<int, 2> sidesOf(int virtualKey) {
  switch (virtualKey) {
    case vk::Shift: return {vk::LeftShift, vk::RightShift};
    case vk::Control: return {vk::LeftControl, vk::RightControl};
    case vk::Menu: return {vk::LeftMenu, vk::RightMenu};
  }
  return {0, 0};
}

}  // namespace

AsyncKeyStateWatch::AsyncKeyStateWatch()
    : AsyncKeyStateWatch([](int virtualKey) -> std::int16_t { return GetAsyncKeyState(virtualKey); }) {}

AsyncKeyStateWatch::AsyncKeyStateWatch(KeyStateSource source) : source_(std::move(source)) {}

// Wine keeps bit 0 of the generic Shift, Ctrl and Alt keys clear (a tap
// between two asks is lost) and sets it for the left and right keys alone:
// a modifier is asked about on both sides as well.
std::int16_t AsyncKeyStateWatch::stateOf(int virtualKey) {
  std::int16_t state = source_(virtualKey);
  for (int side : sidesOf(virtualKey))
    if (side) state |= source_(side);
  return state;
}

bool AsyncKeyStateWatch::pressedSinceLastAsked(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= 256) return false;
  const std::int16_t state = stateOf(virtualKey);
  const bool down = (state & kDownNow) != 0;
  bool& wasDown = downAtLastAsk_[static_cast<std::size_t>(virtualKey)];
  const bool pressed = !wasDown && (down || (state & kPressedSinceLastQuery) != 0);
  wasDown = down;
  return pressed;
}

bool AsyncKeyStateWatch::isDown(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= 256) return false;
  // Asking clears bit 0 too, but a key's press is asked for before its
  // state within the same tick, so no tap between two ticks is lost.
  return (stateOf(virtualKey) & kDownNow) != 0;
}

void AsyncKeyStateWatch::forgetPresses() {
  // Asking clears bit 0; a key held now counts only once it was let go.
  for (int key = 0; key < 256; ++key)
    downAtLastAsk_[static_cast<std::size_t>(key)] = (stateOf(key) & kDownNow) != 0;
}

}  // namespace lumivox
