#pragma once

namespace lumivox {

// A named mutex of the user's session, held for as long as this copy of the
// program runs; a second copy finds it taken.
class WindowsSingleInstance {
 public:
  explicit WindowsSingleInstance(const wchar_t* name = L"Local\\Lumivox.Index");
  ~WindowsSingleInstance();
  WindowsSingleInstance(const WindowsSingleInstance&) = delete;
  WindowsSingleInstance& operator=(const WindowsSingleInstance&) = delete;

  bool anotherInstanceRunning() const { return anotherInstanceRunning_; }

 private:
  void* mutex_ = nullptr;
  bool anotherInstanceRunning_ = false;
};

}  // namespace lumivox
