#pragma once
#include <map>
#include <set>

#include "platform/KeyWatch.h"

// Key presses planned by a test: press() records one, and the next question
// about that key answers yes once; hold() also keeps the key down until
// release().
class ScriptedKeyWatch final : public lumivox::KeyWatch {
 public:
  void press(int virtualKey) { pending_[virtualKey] = true; }
  void hold(int virtualKey) { press(virtualKey), down_.insert(virtualKey); }
  void release(int virtualKey) { down_.erase(virtualKey); }
  bool isDown(int virtualKey) override { return down_.count(virtualKey) != 0; }
  bool pressedSinceLastAsked(int virtualKey) override {
    ++asked_[virtualKey];
    const bool pressed = pending_[virtualKey];
    pending_[virtualKey] = false;
    return pressed;
  }
  void forgetPresses() override { pending_.clear(); }
  int timesAsked(int virtualKey) const {
    const auto it = asked_.find(virtualKey);
    return it == asked_.end() ? 0 : it->second;
  }

 private:
  std::map<int, bool> pending_;
  std::set<int> down_;
  std::map<int, int> asked_;
};
