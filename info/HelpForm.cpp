#include "info/HelpForm.h"

#include "info/HelpText.h"

namespace lumivox {
namespace {

ControlTable buildHelpForm() {
  ControlTable form{.name = "Help", .title = "使用帮助", .clientWidth = 4680, .clientHeight = 5430, .controls = {},
                .defaultButton = "Command1", .cancelButton = "Command1", .firstFocus = "Command1"};
  form.controls.push_back({ControlKind::TextBox, "Text1", "", helpText(), 120, 120, 4335, 4575});
  form.controls.push_back({.kind = ControlKind::Button, .name = "Command1", .caption = "明白了", .left = 1313, .top = 4920,
                           .width = 2055, .height = 375, .command = ButtonCommand::Close});
  return form;
}

}  // namespace

const ControlTable& helpForm() {
  static const ControlTable form = buildHelpForm();
  return form;
}

}  // namespace lumivox
