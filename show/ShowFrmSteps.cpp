#include "show/ShowFrmSteps.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

#include "dialogue/IndexView.h"
#include "show/ShowView.h"

namespace lumivox {
namespace {

constexpr std::int16_t kFadeStep = 5;
constexpr std::int16_t kOpaque = 255;

// The main window's timers that stop while the show window is open.
constexpr const char* kMainTimers[] = {"Time_Chr", "Timer1", "Timer2", "Timer3"};

}  // namespace

float stepTargetFor(float r) {
  // In double, so that no r below 1 can round up to 200.
  return static_cast<float>(std::floor(static_cast<double>(r) * 130.0 + 70.0));
}

float clockSeededRandom() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(static_cast<std::uint64_t>(now) >> 32)};
  std::mt19937 generator(seed);
  // 24 bits fill a float's mantissa exactly: never 1.
  return static_cast<float>(generator() >> 8) / 16777216.0f;
}

void loadShowFrm(ShowFrmMembers& members, ShowView& window, float r) {
  members.stepTarget = stepTargetFor(r);
  window.setBarMaximum(static_cast<std::int32_t>(members.stepTarget + 1));
}

void openShowFrm(const std::function<ShowView&()>& loadWindow, IndexView& main) {
  ShowView& window = loadWindow();
  window.setTimerEnabled("Timer1", false);
  window.setLabelText(kProductName);
  for (const char* timer : kMainTimers) main.setTimerEnabled(timer, false);
  window.showModal();
}

void fadeTick(ShowFrmMembers& members, ShowView& window) {
  // Opaque long before the level could pass the top of its range; stopping
  // there keeps the window opaque instead of ending the program.
  if (members.fadeLevel > std::numeric_limits<std::int16_t>::max() - kFadeStep) {
    window.setTimerEnabled("Timer2", false);
    return;
  }
  members.fadeLevel = static_cast<std::int16_t>(members.fadeLevel + kFadeStep);
  window.setOpacity(members.fadeLevel);  // above 255 it is refused and the window stays opaque
  if (members.fadeLevel >= kOpaque) window.setTimerEnabled("Timer2", false);
}

void progressTick(const ShowFrmMembers& members, ShowView& window) {
  const std::int32_t value = window.barValue();
  // The bar's Max keeps Value far below the top of the range; were it ever
  // there, ending the showing beats wrapping round.
  const bool atTop = value == std::numeric_limits<std::int32_t>::max();
  if (!atTop) window.setBarValue(value + 1);
  if (atTop || window.barValue() >= static_cast<double>(members.stepTarget) - 5) closeShowFrm(window);
}

void closeShowFrm(ShowView& window) {
  window.setTimerEnabled("Timer1", false);
  window.setTimerEnabled("Timer2", false);
  window.unload();
  window.showMainWindow();
}

void queryUnloadShowFrm(IndexView& main) {
  for (const char* timer : kMainTimers) main.setTimerEnabled(timer, true);
}

}  // namespace lumivox
