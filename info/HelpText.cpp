#include "info/HelpText.h"

#include <string>

#include "dialogue/PlayerKeys.h"
#include "platform/KeyWatchText.h"

namespace lumivox {

namespace {

// The player keys with their defaults, one a line, from the table they are set by.
const std::vector<std::string>& playerKeyLines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> all;
    for (const PlayerKeyRow& row : playerKeyRows())
      all.push_back(std::string(row.defaultKeys) + "：" + std::string(row.caption));
    return all;
  }();
  return lines;
}

}  // namespace

// Lines are broken by hand so that each fits the help window's text box.
const std::vector<std::string_view>& helpLines() {
  static const std::vector<std::string_view> lines = [] {
    std::vector<std::string_view> all = {
        "您是否已经玩腻了日文版的游戏，看着满屏的",
        "日文对话只能连蒙带猜？是否已经厌倦了一边",
        "玩游戏、一边在旁边翻看译文文本文件？是否",
        "还在苦苦等待中文版的推出？是否想要一款能",
        "跟着游戏自动切换中文对话的软件？",
        "",
        "这款『Lumivox』正好可以满足您的愿望。",
        "",
    };
    // Said the way this system's key watch works.
    all.insert(all.end(), keyWatchHelpLines().begin(), keyWatchHelpLines().end());
    all.insert(all.end(), {
        "",
        "使用方法：",
        "在游戏中用空格或自定义按键代替鼠标进行对话切换、剧情选项。",
        "",
        "游戏中另有四个按键（默认如下），可在「切换",
        "按键设置」里更改或设为无，立即生效：",
    });
    all.insert(all.end(), playerKeyLines().begin(), playerKeyLines().end());
    all.insert(all.end(), {
        "",
        "注意：",
        "因为程序要留意全局的按键，个别杀毒软件可能",
        "把它误报为病毒。本程序不含任何恶意代码，不",
        "记录您按下的内容，也从不访问网络。遇到误报",
        "时，可以把程序提交给杀毒软件厂商核查。在误",
        "报消除之前，请暂时不要使用本程序；先关闭杀",
        "毒软件的实时监控也能使用，但我们不建议。",
    });
    return all;
  }();
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
