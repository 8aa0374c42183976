#pragma once
#include <optional>
#include <string>

#include "common/Prompter.h"

namespace lumivox {

// Whether the keys of the last poll interval answered the program rather than
// the game: true when a window or box of the program held the keyboard focus
// at any moment since the previous tick. Asking afterwards whether the
// program has the focus now is too late: a short tap closes a box and the
// focus is back in the game before the next tick.
class OwnFocusLatch {
 public:
  // The front end, as soon as the platform reports that the focus has entered
  // or left the program's windows.
  void focusChanged(bool ours) {
    oursNow_ = ours;
    if (ours) heldSinceTick_ = true;
  }
  // One of the program's boxes or windows opens or closes: it holds the
  // focus at that moment, whether or not the platform has said so yet.
  void ownWindowMoment() { heldSinceTick_ = true; }

  // At each poll tick: whether the focus was the program's since the last one.
  bool heldSinceLastTick() {
    const bool held = heldSinceTick_ || oursNow_;
    heldSinceTick_ = oursNow_;
    return held;
  }
  bool oursNow() const { return oursNow_; }

 private:
  bool oursNow_ = false;
  bool heldSinceTick_ = false;
};

// The program's boxes, each of which holds the focus as it opens and until
// it has closed.
class LatchingPrompter final : public Prompter {
 public:
  LatchingPrompter(Prompter& boxes, OwnFocusLatch& latch) : boxes_(boxes), latch_(latch) {}

  void inform(const std::string& text, const std::string& title, Icon icon) override {
    latch_.ownWindowMoment();
    boxes_.inform(text, title, icon);
    latch_.ownWindowMoment();
  }
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
    latch_.ownWindowMoment();
    const bool answer = boxes_.ask(text, title, buttons, icon);
    latch_.ownWindowMoment();
    return answer;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override {
    latch_.ownWindowMoment();
    auto answer = boxes_.input(prompt, title, initialText);
    latch_.ownWindowMoment();
    return answer;
  }

 private:
  Prompter& boxes_;
  OwnFocusLatch& latch_;
};

}  // namespace lumivox
