#pragma once
#include <QLockFile>
#include <memory>

namespace lumivox {

// Holds a lock in the user's runtime folder for as long as this copy of the
// program runs; a second copy finds the lock taken.
class QtSingleInstance {
 public:
  QtSingleInstance();
  bool anotherInstanceRunning() const { return !ownsLock_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool ownsLock_ = false;
};

}  // namespace lumivox
