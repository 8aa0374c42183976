#pragma once
#include <string>

#include "platform/KeyWatch.h"

namespace lumivox {

inline constexpr const char* kKeyWatchFailedStatus = "无法监视键盘，按键不会被计数。";
inline constexpr const char* kKeyWatchFailedText =
    "无法监视键盘：当前的显示环境不支持 XInput 2 扩展，Lumivox 得不到按键的消息。\n"
    "按键不会被计数，对话也不会前进。请在支持 XInput 2 的桌面环境中运行 Lumivox。";
inline constexpr const char* kNoXDisplayText =
    "无法监视键盘：Lumivox 要通过 X 显示（Wayland 桌面中是 Xwayland）才能得到游戏的按键，这里却连不上 X 显示。\n"
    "按键不会被计数，对话也不会前进。请在 X11 桌面中运行 Lumivox；Wayland 桌面要开着 Xwayland。";
inline constexpr const char* kNoResourcesText =
    "无法监视键盘：系统资源不够用，Lumivox 得不到按键的消息。\n"
    "按键不会被计数，对话也不会前进。请关掉一些程序后重新启动 Lumivox。";
// Two lines of the status line at most.
inline constexpr const char* kXwaylandOnlyStatus = "Wayland 桌面：只计数 Xwayland 上的游戏。";

// What the player is told about the key watch once the window shows: the
// status line the start-up ends with, and the text of an error box. Either
// is empty when there is nothing to say.
struct KeyWatchNotice {
  std::string status;
  std::string box;
};

// A watch that hears nothing says why in a box; one on a Wayland desktop
// hears only the games running on Xwayland, which the status line says.
KeyWatchNotice keyWatchNotice(KeyWatchProblem problem, bool waylandSession);

}  // namespace lumivox
