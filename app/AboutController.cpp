#include "app/AboutController.h"

namespace lumivox {

AboutController::AboutController(AboutView& view, Ticker& ticker, Prompter& prompter)
    : view_(view),
      prompter_(prompter),
      timers_(ticker, aboutTimers()) {}

void AboutController::load(const std::string& mainLibraryPath) {
  rotation_ = loadAbout(mainLibraryPath, view_, prompter_);
  timers_.startAsDesigned();
}

void AboutController::onTimer(TimerId timer) {
  if (timer == TimerId::ThanksTimer) thanksTick(rotation_, view_, prompter_);
  if (timer == TimerId::CThanksList) thanksListTick(rotation_, view_);
}

void AboutController::onUnload() { timers_.stopAll(); }

}  // namespace lumivox
