#include "show/ShowForm.h"

#include "show/ShowFrmSteps.h"

namespace lumivox {
namespace {

using K = ControlKind;

constexpr Rgb kMagenta{255, 0, 255};

ControlTable buildShowForm() {
  ControlTable form{.name = "ShowFrm", .title = "展示窗体", .clientWidth = 4830, .clientHeight = 4170, .controls = {},
                .background = kMagenta};
  auto& c = form.controls;
  c.push_back({K::Picture, "Image1", "", "", 0, 0, 4800, 3600});
  // The bar comes first in the tab order.
  c.push_back({K::XpBar, "Bar", "", "", 15, 3900, 4815, 255});
  c.push_back({.kind = K::Label, .name = "Label1", .caption = kShowFrmStatusText, .left = 960, .top = 3645,
               .width = 3255, .height = 255, .colour = Rgb{0, 0, 0}, .align = Align::CentreTop,
               .background = kMagenta});
  return form;
}

}  // namespace

const ControlTable& showForm() {
  static const ControlTable form = buildShowForm();
  return form;
}

MapPropertyBag showBarProperties() { return MapPropertyBag({{"Style", 1}, {"ProgressLook", 2}}); }

}  // namespace lumivox
