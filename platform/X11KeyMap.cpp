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
    default: break;
  }
  if (keysym >= XK_a && keysym <= XK_z) return {static_cast<int>(keysym - XK_a + 'A')};
  if (keysym >= XK_A && keysym <= XK_Z) return {static_cast<int>(keysym)};
  if (keysym >= XK_0 && keysym <= XK_9) return {static_cast<int>(keysym)};
  return {};
}

}  // namespace lumivox
