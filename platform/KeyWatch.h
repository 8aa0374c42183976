#pragma once

namespace lumivox {

// Windows virtual-key codes of the keys the advance key can be.
namespace vk {
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;  // Alt
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int LeftShift = 0xA0;
constexpr int RightShift = 0xA1;
constexpr int LeftControl = 0xA2;
constexpr int RightControl = 0xA3;
constexpr int LeftMenu = 0xA4;
constexpr int RightMenu = 0xA5;
}  // namespace vk

// The global keyboard, whichever window has the focus: was this key pressed
// since the last time this key was asked about? Shift, Control and Menu stand
// for either side's key.
class KeyWatch {
 public:
  virtual ~KeyWatch() = default;
  virtual bool pressedSinceLastAsked(int virtualKey) = 0;
  // Drops every press seen so far, so presses made while nobody was asking
  // (the poll paused) are never counted later.
  virtual void forgetPresses() = 0;
};

}  // namespace lumivox
