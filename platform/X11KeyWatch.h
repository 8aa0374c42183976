#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "platform/KeyWatch.h"

typedef struct _XDisplay Display;

namespace lumivox {

// Watches raw key presses of the whole X display through XInput2, on a
// connection of its own. It only listens: no key is grabbed, so the focused
// window (the game) still gets every key. A thread of its own waits on that
// connection, so the program's event loop has nothing more to watch and the
// poll's question costs one atomic operation; an idle program wakes no more
// than its timers make it.
class X11KeyWatch final : public KeyWatch {
 public:
  X11KeyWatch();
  ~X11KeyWatch() override;
  X11KeyWatch(const X11KeyWatch&) = delete;
  X11KeyWatch& operator=(const X11KeyWatch&) = delete;

  // Empty when watching works; otherwise why it does not.
  const std::string& error() const { return error_; }
  KeyWatchProblem problem() const { return problem_; }
  // A Wayland desktop: the watch hears the keys typed into X clients
  // (Xwayland's: Wine and Proton games), not those of Wayland's own windows.
  static bool inWaylandSession();

  bool pressedSinceLastAsked(int virtualKey) override;
  bool isDown(int virtualKey) override;
  // Raw events come in the order the keys went down, so this is exact.
  std::optional<Modifiers> modifiersAtLastPress(int virtualKey) override;
  void forgetPresses() override;

 private:
  void waitForEvents();
  // Handles the events Xlib has or can read without waiting; the caller
  // holds displayLock_.
  void readEvents(int mode);
  void press(unsigned long keysym);
  void release(unsigned long keysym);
  bool downNow(int virtualKey) const;

  Display* display_ = nullptr;
  int xinputOpcode_ = 0;
  int stopPipe_[2] = {-1, -1};
  std::mutex displayLock_;  // the display is used by the thread and by forgetPresses
  // A bit for each of 256 virtual keys: pressed since asked, held down now.
  // A generic modifier is down while either side's key is.
  std::array<std::atomic<std::uint64_t>, 4> pressed_{};
  std::array<std::atomic<std::uint64_t>, 4> down_{};
  // Of each virtual key, Ctrl, Alt and Shift (bits 0, 1, 2) as they were down
  // at its last press; stored before its press bit is set.
  std::array<std::atomic<std::uint8_t>, 256> modifiersAtPress_{};
  std::thread reader_;
  std::string error_;
  KeyWatchProblem problem_ = KeyWatchProblem::None;
};

}  // namespace lumivox
