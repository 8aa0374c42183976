#include "platform/KeyWatchText.h"

namespace lumivox {

const std::array<std::string_view, 4>& keyWatchHelpLines() {
  static constexpr std::array<std::string_view, 4> lines = {
      "它不读取、也不改动游戏，只是定时向Windows",
      "查询切换按键的状态，不拦截任何按键。您在游",
      "戏中每切换一句对话，它就显示下一句译文。虽",
      "比不上中文版，剧情和人物表情却一点不会错过。",
  };
  return lines;
}

}  // namespace lumivox
