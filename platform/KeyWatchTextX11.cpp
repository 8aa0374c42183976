#include "platform/KeyWatchText.h"

namespace lumivox {

const std::array<std::string_view, 4>& keyWatchHelpLines() {
  static constexpr std::array<std::string_view, 4> lines = {
      "它不读取、也不改动游戏，只收听X服务器发出",
      "的原始按键事件，不抢占任何按键。您在游戏中",
      "每切换一句对话，它就显示下一句译文。虽比不",
      "上中文版，剧情和人物表情却一点不会错过。",
  };
  return lines;
}

}  // namespace lumivox
