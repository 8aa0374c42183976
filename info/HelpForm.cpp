#include "info/HelpForm.h"

#include "info/HelpText.h"

namespace lumivox {
namespace {

ControlTable buildHelpForm() {
  ControlTable form{.name = "Help", .title = "使用帮助", .clientWidth = 4680, .clientHeight = 5430, .controls = {},
                .defaultButton = "Command1", .cancelButton = "Command1"};
  form.controls.push_back({ControlKind::TextBox, "Text1", "", helpText(), 120, 120, 4335, 4575});
  form.controls.push_back({ControlKind::Button, "Command1", "", "明白了", 1313, 4920, 2055, 375});
  return form;
}

}  // namespace

const ControlTable& helpForm() {
  static const ControlTable form = buildHelpForm();
  return form;
}

}  // namespace lumivox
