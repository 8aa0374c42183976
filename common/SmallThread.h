#pragma once
#include <functional>
#include <memory>

namespace lumivox {

// A thread for a short piece of work that needs little stack and allocates
// nothing itself: it reserves a small stack instead of the system's default
// (megabytes of address space the C library keeps after the thread ends),
// and is joined when it goes out of scope. If no thread can be started, the
// work runs at once on the calling thread.
class SmallThread {
 public:
  explicit SmallThread(std::function<void()> work);
  ~SmallThread();
  SmallThread(const SmallThread&) = delete;
  SmallThread& operator=(const SmallThread&) = delete;

  // Waits for the work to be done (at once if it is).
  void join();

 private:
  struct Handle;
  std::function<void()> work_;
  std::unique_ptr<Handle> handle_;
};

// The processors the system offers (0 when it cannot tell): a second thread
// only pays where there are two. Asked of the system once.
unsigned processorCount();

}  // namespace lumivox
