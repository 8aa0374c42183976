#include "common/SmallThread.h"

#include <thread>
#include <utility>

#ifndef _WIN32
#include <pthread.h>
#endif

namespace lumivox {

unsigned processorCount() {
  static const unsigned count = std::thread::hardware_concurrency();  // asking reads a file
  return count;
}

#ifdef _WIN32

struct SmallThread::Handle {
  std::thread thread;
};

SmallThread::SmallThread(std::function<void()> work) : work_(std::move(work)) {
  try {
    handle_ = std::make_unique<Handle>();
    handle_->thread = std::thread([this] { work_(); });
  } catch (...) {
    handle_.reset();
    work_();
  }
}

void SmallThread::join() {
  if (handle_ && handle_->thread.joinable()) handle_->thread.join();
}

#else

namespace {
constexpr std::size_t kStackBytes = 256 * 1024;

void* run(void* work) {
  (*static_cast<std::function<void()>*>(work))();
  return nullptr;
}
}  // namespace

struct SmallThread::Handle {
  pthread_t thread;
  bool running = false;
};

SmallThread::SmallThread(std::function<void()> work) : work_(std::move(work)), handle_(std::make_unique<Handle>()) {
  pthread_attr_t attributes;
  bool started = false;
  if (pthread_attr_init(&attributes) == 0) {
    started = pthread_attr_setstacksize(&attributes, kStackBytes) == 0 &&
              pthread_create(&handle_->thread, &attributes, run, &work_) == 0;
    pthread_attr_destroy(&attributes);
  }
  handle_->running = started;
  if (!started) work_();
}

void SmallThread::join() {
  if (!handle_->running) return;
  pthread_join(handle_->thread, nullptr);
  handle_->running = false;
}

#endif

SmallThread::~SmallThread() { join(); }

}  // namespace lumivox
