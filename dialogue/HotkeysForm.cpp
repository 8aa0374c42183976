#include "dialogue/HotkeysForm.h"

#include "dialogue/Hotkeys.h"
#include "dialogue/PlayerKeys.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildHotkeysForm() {
  ControlTable form{.name = "HotkeysSetup", .title = "热键设置", .clientWidth = 3285, .clientHeight = 7200,
                    .controls = {}, .firstFocus = "Option1"};
  auto& c = form.controls;
  c.push_back({.kind = K::Label, .name = "Label1",
               .caption = "    本系统允许您定义自己的『对话切换热键』。请在定义前三思，因为您定义的按键要在游戏中能切换对话，"
                          "同时又能选择选项。否则，错误的热键会给您的游戏带来不便。",
               .left = 120, .top = 120, .width = 3015, .height = 1095, .wrap = true});
  c.push_back({K::Frame, "Frame1", "", "定义热键项[不允许添加新的]", 120, 1320, 3015, 3135});
  const int tops[] = {360, 720, 1080, 1440, 1800, 2280, 2640};
  const auto& choices = hotkeyChoices();
  for (std::size_t row = 0; row < choices.size(); ++row)
    c.push_back({.kind = K::OptionButton, .name = "Option" + std::to_string(row + 1), .parent = "Frame1",
                 .caption = std::string(choices[row].caption), .left = 120, .top = tops[row], .width = 2775,
                 .height = row == 4 ? 375 : 255, .checked = row == 0});
  // The player keys: each acts at once, pressed in the game; 无 sets none.
  c.push_back({K::Frame, "Frame2", "", "游戏中的按键[立即生效]", 120, 4560, 3015, 1980});
  const auto& keys = playerKeyRows();
  for (std::size_t row = 0; row < keys.size(); ++row) {
    const int top = 300 + static_cast<int>(row) * 405;
    const std::string n = std::to_string(row + 1);
    c.push_back({.kind = K::Label, .name = playerKeyLabelName(row), .parent = "Frame2",
                 .caption = std::string(keys[row].caption), .left = 120, .top = top + 45, .width = 780, .height = 255});
    c.push_back({.kind = K::KeyField, .name = playerKeyFieldName(row), .parent = "Frame2", .left = 930, .top = top,
                 .width = 1620, .height = 315});
    c.push_back({.kind = K::Button, .name = "KeyNone" + n, .parent = "Frame2", .caption = "无", .left = 2580,
                 .top = top, .width = 315, .height = 315, .command = ButtonCommand::ClearKey,
                 .target = playerKeyFieldName(row)});
  }
  c.push_back({.kind = K::Button, .name = "Command1", .caption = "应用新设置", .left = 195, .top = 6705, .width = 1455,
               .height = 375, .command = ButtonCommand::Confirm});
  c.push_back({.kind = K::Button, .name = "Command2", .caption = "取消", .left = 1875, .top = 6705, .width = 1215,
               .height = 375, .command = ButtonCommand::Close});
  return form;
}

}  // namespace

std::string playerKeyLabelName(std::size_t row) { return "KeyLabel" + std::to_string(row + 1); }
std::string playerKeyFieldName(std::size_t row) { return "Key" + std::to_string(row + 1); }

const ControlTable& hotkeysForm() {
  static const ControlTable form = buildHotkeysForm();
  return form;
}

}  // namespace lumivox
