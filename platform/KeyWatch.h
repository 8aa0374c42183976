#pragma once
#include <optional>

namespace lumivox {

// Windows virtual-key codes of the keys the program watches: the advance
// key's and those a player key can use.
namespace vk {
constexpr int Backspace = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;  // Alt
constexpr int Pause = 0x13;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Print = 0x2C;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
// '0' to '9' and 'A' to 'Z' are their own codes.
constexpr int Numpad0 = 0x60;  // to Numpad9 = 0x69
constexpr int Multiply = 0x6A;
constexpr int Add = 0x6B;
constexpr int Subtract = 0x6D;
constexpr int Decimal = 0x6E;
constexpr int Divide = 0x6F;
constexpr int F1 = 0x70;  // to F24 = 0x87
constexpr int ScrollLock = 0x91;
constexpr int LeftShift = 0xA0;
constexpr int RightShift = 0xA1;
constexpr int LeftControl = 0xA2;
constexpr int RightControl = 0xA3;
constexpr int LeftMenu = 0xA4;
constexpr int RightMenu = 0xA5;
}  // namespace vk

// Why a key watch hears nothing.
enum class KeyWatchProblem {
  None,
  NoXDisplay,      // no X display to connect to (a Wayland desktop without Xwayland, say)
  NoRawKeyEvents,  // the X server lacks XInput 2.1
  NoResources,     // the system refused what the watch needs
};

// Which of Ctrl, Alt and Shift (either side's key) are held.
struct Modifiers {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool operator==(const Modifiers&) const = default;
};

// The global keyboard, whichever window has the focus: was this key pressed
// since the last time this key was asked about? A key held down is one press,
// however long it is held. Shift, Control and Menu stand for either side's key.
class KeyWatch {
 public:
  virtual ~KeyWatch() = default;
  virtual bool pressedSinceLastAsked(int virtualKey) = 0;
  // Whether the key is held down now, without touching its press.
  virtual bool isDown(int virtualKey) = 0;
  // The modifiers that were down when this key last went down, from a watch
  // that sees the key events in order; nothing from one that samples key
  // states and so cannot tell.
  virtual std::optional<Modifiers> modifiersAtLastPress(int virtualKey) = 0;
  // Drops every press seen so far, so presses made while nobody was asking
  // (the poll paused) are never counted later.
  virtual void forgetPresses() = 0;
};

}  // namespace lumivox
