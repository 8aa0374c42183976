#pragma once

namespace lumivox {

class IndexModel;
class Prompter;

inline constexpr const char* kKeyWatchFailedStatus = "无法监视键盘，按键不会被计数。";
inline constexpr const char* kKeyWatchFailedText =
    "无法监视键盘：当前的显示环境不支持 XInput 2 扩展，Lumivox 得不到按键的消息。\n"
    "按键不会被计数，对话也不会前进。请在支持 XInput 2 的桌面环境中运行 Lumivox。";

// When the key watch could not start, counting cannot work: the user is told
// in the status line and in one message box, instead of a line on stderr.
void reportKeyWatchFailure(IndexModel& view, Prompter& prompter);

}  // namespace lumivox
