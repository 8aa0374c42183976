#include "platform/X11KeyMap.h"

#include <X11/keysym.h>

#include "platform/KeyWatch.h"

namespace lumivox {

std::vector<int> virtualKeysForKeysym(unsigned long keysym) {
  switch (keysym) {
    case XK_space: return {vk::Space};
    case XK_Return:
    case XK_KP_Enter: return {vk::Return};
    case XK_Escape: return {vk::Escape};
    case XK_Tab:
    case XK_ISO_Left_Tab: return {vk::Tab};
    case XK_Shift_L: return {vk::Shift, vk::LeftShift};
    case XK_Shift_R: return {vk::Shift, vk::RightShift};
    case XK_Control_L: return {vk::Control, vk::LeftControl};
    case XK_Control_R: return {vk::Control, vk::RightControl};
    case XK_Alt_L:
    case XK_Meta_L: return {vk::Menu, vk::LeftMenu};
    case XK_Alt_R:
    case XK_Meta_R:
    case XK_ISO_Level3_Shift: return {vk::Menu, vk::RightMenu};
    case XK_BackSpace: return {vk::Backspace};
    case XK_Pause: return {vk::Pause};
    case XK_Print: return {vk::Print};
    case XK_Scroll_Lock: return {vk::ScrollLock};
    case XK_Prior: return {vk::PageUp};
    case XK_Next: return {vk::PageDown};
    case XK_End: return {vk::End};
    case XK_Home: return {vk::Home};
    case XK_Left: return {vk::Left};
    case XK_Up: return {vk::Up};
    case XK_Right: return {vk::Right};
    case XK_Down: return {vk::Down};
    case XK_Insert: return {vk::Insert};
    case XK_Delete: return {vk::Delete};
    // The keypad's keys as its first level names them, whatever Num Lock says.
    case XK_KP_Insert: return {vk::Numpad0};
    case XK_KP_End: return {vk::Numpad0 + 1};
    case XK_KP_Down: return {vk::Numpad0 + 2};
    case XK_KP_Next: return {vk::Numpad0 + 3};
    case XK_KP_Left: return {vk::Numpad0 + 4};
    case XK_KP_Begin: return {vk::Numpad0 + 5};
    case XK_KP_Right: return {vk::Numpad0 + 6};
    case XK_KP_Home: return {vk::Numpad0 + 7};
    case XK_KP_Up: return {vk::Numpad0 + 8};
    case XK_KP_Prior: return {vk::Numpad0 + 9};
    case XK_KP_Multiply: return {vk::Multiply};
    case XK_KP_Add: return {vk::Add};
    case XK_KP_Subtract: return {vk::Subtract};
    case XK_KP_Delete:
    case XK_KP_Decimal: return {vk::Decimal};
    case XK_KP_Divide: return {vk::Divide};
    default: break;
  }
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return {static_cast<int>(vk::Numpad0 + (keysym - XK_KP_0))};
  if (keysym >= XK_F1 && keysym <= XK_F24) return {static_cast<int>(vk::F1 + (keysym - XK_F1))};
  if (keysym >= XK_a && keysym <= XK_z) return {static_cast<int>(keysym - XK_a + 'A')};
  if (keysym >= XK_A && keysym <= XK_Z) return {static_cast<int>(keysym)};
  if (keysym >= XK_0 && keysym <= XK_9) return {static_cast<int>(keysym)};
  return {};
}

}  // namespace lumivox
