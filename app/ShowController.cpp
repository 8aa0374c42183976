#include "app/ShowController.h"

#include <limits>

#include "app/ShowView.h"

namespace lumivox {
namespace {

constexpr std::int16_t kFadeStep = 5;
constexpr std::int16_t kOpaque = 255;

}  // namespace

ShowController::ShowController(ShowFrmMembers& members, ShowView& window, Ticker& ticker, ShowHost& host)
    : members_(members),
      window_(window),
      host_(host),
      timers_(ticker, showTimers()) {}

void ShowController::load(float r) {
  timers_.startAsDesigned();
  members_.stepTarget = stepTargetFor(r);
  window_.setBarMaximum(static_cast<std::int32_t>(members_.stepTarget + 1));
}

void ShowController::open() {
  timers_.setOn(TimerId::ShowProgress, false);
  window_.setControlText("Label1", kProductName);
  host_.pauseForShowWindow();
  window_.showModal();
}

void ShowController::onTimer(TimerId timer) {
  if (timer == TimerId::ShowProgress) progressTick();
  if (timer == TimerId::ShowFade) fadeTick();
}

void ShowController::fadeTick() {
  // Opaque long before the level could pass the top of its range; stopping
  // there keeps the window opaque instead of ending the program.
  if (members_.fadeLevel > std::numeric_limits<std::int16_t>::max() - kFadeStep) {
    timers_.setOn(TimerId::ShowFade, false);
    return;
  }
  members_.fadeLevel = static_cast<std::int16_t>(members_.fadeLevel + kFadeStep);
  window_.setOpacity(members_.fadeLevel);  // above 255 it is refused and the window stays opaque
  if (members_.fadeLevel >= kOpaque) timers_.setOn(TimerId::ShowFade, false);
}

void ShowController::progressTick() {
  const std::int32_t value = window_.barValue();
  // The bar's Max keeps Value far below the top of the range; were it ever
  // there, ending the showing beats wrapping round.
  const bool atTop = value == std::numeric_limits<std::int32_t>::max();
  if (!atTop) window_.setBarValue(value + 1);
  if (atTop || window_.barValue() >= static_cast<double>(members_.stepTarget) - 5) onClick();
}

void ShowController::onClick() {
  timers_.setOn(TimerId::ShowProgress, false);
  timers_.setOn(TimerId::ShowFade, false);
  window_.unload();
  window_.showMainWindow();
}

void ShowController::onUnload() {
  // The window may be closed by a click and by the system at once: the
  // main window resumes once.
  if (unloaded_) return;
  unloaded_ = true;
  timers_.stopAll();
  host_.resumeAfterShowWindow();
}

}  // namespace lumivox
