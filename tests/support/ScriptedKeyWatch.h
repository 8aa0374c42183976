#pragma once
#include <map>
#include <set>

#include "platform/KeyWatch.h"

// Key presses planned by a test, in the order they happen: press() records
// one, and the next question about that key answers yes once; hold() also
// keeps the key down until release(), and is no press of a key held
// already. Like the X11 watch it keeps which modifiers were down at each
// press, unless told to sample states only, as the Windows watch does.
class ScriptedKeyWatch final : public lumivox::KeyWatch {
 public:
  bool seesOrder = true;

  void press(int virtualKey) {
    pending_[virtualKey] = true;
    modifiersAtPress_[virtualKey] = {isDown(lumivox::vk::Control), isDown(lumivox::vk::Menu),
                                     isDown(lumivox::vk::Shift)};
  }
  void hold(int virtualKey) {
    if (!isDown(virtualKey)) press(virtualKey);
    down_.insert(virtualKey);
  }
  void release(int virtualKey) { down_.erase(virtualKey); }
  bool isDown(int virtualKey) override { return down_.count(virtualKey) != 0; }
  bool pressedSinceLastAsked(int virtualKey) override {
    ++asked_[virtualKey];
    const bool pressed = pending_[virtualKey];
    pending_[virtualKey] = false;
    return pressed;
  }
  std::optional<lumivox::Modifiers> modifiersAtLastPress(int virtualKey) override {
    if (!seesOrder) return std::nullopt;
    return modifiersAtPress_[virtualKey];
  }
  void forgetPresses() override { pending_.clear(); }
  int timesAsked(int virtualKey) const {
    const auto it = asked_.find(virtualKey);
    return it == asked_.end() ? 0 : it->second;
  }

 private:
  std::map<int, bool> pending_;
  std::set<int> down_;
  std::map<int, lumivox::Modifiers> modifiersAtPress_;
  std::map<int, int> asked_;
};
