#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// The main window Index: its client area as designed.
const ControlTable& indexForm();

inline constexpr const char* kWelcomeText =
    "『欢迎使用“Lumivox”。程序还在更新与完善中，请您能及时提供Bug所在。并希望您喜欢他。如果有事情请联系："
    "帮助菜单中的“发送报告”"
    "  谢谢～』按您设置的键继续～[默认为空格]";

}  // namespace lumivox
