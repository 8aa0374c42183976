#include "platform/KeyWatchWin.h"

#include <windows.h>

namespace lumivox {

bool AsyncKeyStateWatch::pressedSinceLastAsked(int virtualKey) {
  return (GetAsyncKeyState(virtualKey) & 1) != 0;
}

}  // namespace lumivox
