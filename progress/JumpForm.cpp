#include "progress/JumpForm.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildJumpForm() {
  ControlTable form{.name = "TextNO", .title = "对话进度设置", .clientWidth = 2640, .clientHeight = 3360, .controls = {},
                    .firstFocus = "Text1"};
  auto& c = form.controls;
  c.push_back({K::Frame, "Frame1", "", "", 120, 120, 2415, 2655});
  c.push_back(framedText("Label1",
                   "    哦？发生意外了？嗯……别急。只要您还记得对话的句数，在这里您就可以直接还原到错误发生前的对话了。"
                   "所以说，常注意对话进度也是一种良好的行为。(只对主线对话有效)",
                   120, 240, 2175, 1455));
  c.push_back(framedText("Label2", "跳至对话", 240, 1800, 1815, 255));
  c.push_back(framedText("Label4", "第", 120, 2160, 255, 255));
  c.push_back({K::TextField, "Text1", "Frame1", "1", 480, 2160, 1215, 270});
  c.push_back(framedText("Label3", "句", 1800, 2160, 375, 255));
  c.push_back({.kind = K::Button, .name = "Command1", .caption = "确认修改", .left = 653, .top = 2880, .width = 1335,
               .height = 375, .command = ButtonCommand::Confirm});
  return form;
}

}  // namespace

const ControlTable& jumpForm() {
  static const ControlTable form = buildJumpForm();
  return form;
}

}  // namespace lumivox
