#include "app/WindowLook.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "app/UserSettings.h"
#include "common/AsciiCase.h"
#include "common/Excerpt.h"

namespace lumivox {
namespace {

constexpr const char* kSection = "Window";

// What a value of the file means; nothing when it is none of the known ones.
std::optional<bool> onTopFrom(std::string_view text) {
  if (equalsIgnoringAsciiCase(text, "true")) return true;
  if (equalsIgnoringAsciiCase(text, "false")) return false;
  return std::nullopt;
}

std::optional<int> opacityFrom(std::string_view text) {
  for (const OpacityStep& step : kOpacitySteps)
    if (text == std::to_string(step.percent)) return step.percent;
  return std::nullopt;
}

}  // namespace

WindowLook readWindowLook(UserSettings& settings) {
  WindowLook look;
  if (const auto onTop = settings.text(kSection, "StayOnTop")) {
    if (const auto value = onTopFrom(*onTop))
      look.onTop = *value;
    else
      settings.addProblem("[Window] 中的「StayOnTop=" + excerpt(*onTop) + "」只能是 true 或 false，这次按 false（不总在最前）。");
  }
  if (const auto opacity = settings.text(kSection, "Opacity")) {
    if (const auto value = opacityFrom(*opacity))
      look.opacityPercent = *value;
    else
      settings.addProblem("[Window] 中的「Opacity=" + excerpt(*opacity) + "」只能是 100、85、70 或 55，这次按 100（不透明）。");
  }
  return look;
}

void storeWindowLook(UserSettings& settings, const WindowLook& look) {
  const WindowLook byDefault;
  const auto onTop = settings.text(kSection, "StayOnTop");
  if ((onTop ? onTopFrom(*onTop) : byDefault.onTop) != look.onTop)
    settings.setText(kSection, "StayOnTop", look.onTop ? "true" : "false");
  const auto opacity = settings.text(kSection, "Opacity");
  if ((opacity ? opacityFrom(*opacity) : byDefault.opacityPercent) != look.opacityPercent)
    settings.setText(kSection, "Opacity", std::to_string(look.opacityPercent));
}

std::int16_t opacityLevel(int percent) {
  percent = std::clamp(percent, 0, 100);
  return static_cast<std::int16_t>((percent * 255 + 50) / 100);
}

}  // namespace lumivox
