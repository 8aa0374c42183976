#include "info/HelpText.h"

namespace lumivox {

// Lines are broken by hand so that each fits the help window's text box.
const std::vector<std::string_view>& helpLines() {
  static const std::vector<std::string_view> lines = {
      "您是否已经玩腻了日文版的游戏，看着满屏的",
      "日文对话只能连蒙带猜？是否已经厌倦了一边",
      "玩游戏、一边在旁边翻看译文文本文件？是否",
      "还在苦苦等待中文版的推出？是否想要一款能",
      "跟着游戏自动切换中文对话的软件？",
      "",
      "这款『Lumivox』正好可以满足您的愿望。",
      "",
#ifdef _WIN32
      "它不读取、也不改动游戏，只是定时向Windows",
      "查询切换按键的状态，不拦截任何按键。您在游",
      "戏中每切换一句对话，它就显示下一句译文。虽",
      "比不上中文版，剧情和人物表情却一点不会错过。",
#else
      "它不读取、也不改动游戏，只收听X服务器发出",
      "的原始按键事件，不抢占任何按键。您在游戏中",
      "每切换一句对话，它就显示下一句译文。虽比不",
      "上中文版，剧情和人物表情却一点不会错过。",
#endif
      "",
      "使用方法：",
      "在游戏中用空格或自定义按键代替鼠标进行对话切换、剧情选项。",
      "",
      "注意：",
      "因为程序要留意全局的按键，个别杀毒软件可能",
      "把它误报为病毒。本程序不含任何恶意代码，不",
      "记录您按下的内容，也从不访问网络。遇到误报",
      "时，可以把程序提交给杀毒软件厂商核查。在误",
      "报消除之前，请暂时不要使用本程序；先关闭杀",
      "毒软件的实时监控也能使用，但我们不建议。",
  };
  return lines;
}

std::string helpText() {
  std::string text;
  for (std::string_view line : helpLines()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace lumivox
