#include "app/WindowLook.h"

#include <algorithm>
#include <string>

#include "app/UserSettings.h"
#include "common/AsciiCase.h"

namespace lumivox {
namespace {

constexpr const char* kSection = "Window";

}  // namespace

WindowLook readWindowLook(UserSettings& settings) {
  WindowLook look;
  if (const auto onTop = settings.text(kSection, "StayOnTop")) {
    if (equalsIgnoringAsciiCase(*onTop, "true")) {
      look.onTop = true;
    } else if (!equalsIgnoringAsciiCase(*onTop, "false")) {
      settings.addProblem("[Window] 中的「StayOnTop=" + UserSettings::excerpt(*onTop) + "」只能是 true 或 false，这次按 false（不总在最前）。");
    }
  }
  if (const auto opacity = settings.text(kSection, "Opacity")) {
    const auto known = std::find_if(kOpacitySteps.begin(), kOpacitySteps.end(),
                                    [&](const OpacityStep& step) { return *opacity == std::to_string(step.percent); });
    if (known != kOpacitySteps.end()) {
      look.opacityPercent = known->percent;
    } else {
      settings.addProblem("[Window] 中的「Opacity=" + UserSettings::excerpt(*opacity) + "」只能是 100、85、70 或 55，这次按 100（不透明）。");
    }
  }
  return look;
}

void storeWindowLook(UserSettings& settings, const WindowLook& look) {
  settings.setText(kSection, "StayOnTop", look.onTop ? "true" : "false");
  settings.setText(kSection, "Opacity", std::to_string(look.opacityPercent));
}

std::int16_t opacityLevel(int percent) {
  percent = std::clamp(percent, 0, 100);
  return static_cast<std::int16_t>((percent * 255 + 50) / 100);
}

}  // namespace lumivox
