#include "platform/KeyWatchWin.h"

#include <windows.h>

#include <initializer_list>

namespace lumivox {

bool AsyncKeyStateWatch::pressedSinceLastAsked(int virtualKey) {
  return (GetAsyncKeyState(virtualKey) & 1) != 0;
}

void AsyncKeyStateWatch::forgetPresses() {
  // Asking clears the "pressed since" bit; every key the advance key can be.
  for (int key : {vk::Space, vk::Return, vk::Escape, vk::Shift, vk::Control, vk::Menu, vk::Tab})
    GetAsyncKeyState(key);
}

}  // namespace lumivox
