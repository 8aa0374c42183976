#include "dialogue/HotkeysForm.h"

#include "dialogue/Hotkeys.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildHotkeysForm() {
  ControlTable form{"HotkeysSetup", "热键设置", 3285, 5175, {}};
  auto& c = form.controls;
  c.push_back({.kind = K::Label, .name = "Label1",
               .caption = "    本系统允许您定义自己的『对话切换热键』。请在定义前三思，因为您定义的按键要在游戏中能切换对话，"
                          "同时又能选择选项。否则，错误的热键会给您的游戏带来不便。",
               .left = 120, .top = 120, .width = 3015, .height = 1095, .wrap = true});
  c.push_back({K::Frame, "Frame1", "", "定义热键项[不允许添加新的]", 120, 1320, 3015, 3135});
  const int tops[] = {360, 720, 1080, 1440, 1800, 2280, 2640};
  const auto& choices = hotkeyChoices();
  for (std::size_t row = 0; row < choices.size(); ++row)
    c.push_back({K::OptionButton, "Option" + std::to_string(row + 1), "Frame1", std::string(choices[row].caption), 120,
                 tops[row], 2775, row == 4 ? 375 : 255});
  c.push_back({K::Button, "Command1", "", "应用新设置", 195, 4680, 1455, 375});
  c.push_back({K::Button, "Command2", "", "取消", 1875, 4680, 1215, 375});
  return form;
}

}  // namespace

const ControlTable& hotkeysForm() {
  static const ControlTable form = buildHotkeysForm();
  return form;
}

}  // namespace lumivox
