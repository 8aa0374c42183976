#include "progress/AutoSaveForm.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildAutoSaveForm() {
  ControlTable form{.name = "AutoSave", .title = "自动保存设置", .clientWidth = 2535, .clientHeight = 2775, .controls = {},
                    .firstFocus = "Text1"};
  auto& c = form.controls;
  c.push_back({K::Frame, "Frame1", "", "", 120, 0, 2295, 2175});
  c.push_back(framedText("Label1", "    呵呵～在此您可以设置自动保存对话进度的时间间隔。让您在意外发生之时，损失降低到最小～", 120,
                   240, 2055, 735));
  c.push_back(framedText("Label2", "对话进度自动保存时间为：(建议大于60)", 240, 1200, 1695, 375));
  c.push_back({K::TextField, "Text1", "Frame1", "60", 240, 1680, 1335, 270});
  c.push_back(framedText("Label3", "秒", 1680, 1680, 375, 255));
  c.push_back({.kind = K::Button, .name = "Command1", .caption = "确定设置", .left = 540, .top = 2280, .width = 1455,
               .height = 375, .command = ButtonCommand::Confirm});
  return form;
}

}  // namespace

const ControlTable& autoSaveForm() {
  static const ControlTable form = buildAutoSaveForm();
  return form;
}

}  // namespace lumivox
