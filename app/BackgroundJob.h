#pragma once
#include <functional>
#include <memory>
#include <thread>

namespace lumivox {

// Hands a call to the GUI thread from any thread without waiting; the front
// end runs it among its events.
using PostToGui = std::function<void(std::function<void()>)>;

// The one way work leaves the GUI thread: a job runs on a thread of its own
// over what it owns (its inputs captured by value, its own converter and
// copies), never over the program's state, and its result comes back as a
// call on the GUI thread. One job at a time. Without a post, the job runs
// where it is asked for.
class BackgroundJob {
 public:
  explicit BackgroundJob(PostToGui post) : post_(std::move(post)) {}
  // Waits for a job under way: only when the program ends.
  ~BackgroundJob();
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  // From start until done has been called, on the GUI thread.
  bool running() const { return running_; }

  // Runs job() away from the GUI thread, then done(result) on it.
  template <typename Job, typename Done>
  void start(Job job, Done done) {
    launch([job = std::move(job), done = std::move(done)]() mutable -> std::function<void()> {
      auto result = std::make_shared<decltype(job())>(job());
      return [done = std::move(done), result] { done(*result); };
    });
  }

 private:
  // Runs work on the worker thread; what it gives runs on the GUI thread.
  void launch(std::function<std::function<void()>()> work);

  PostToGui post_;
  std::thread worker_;
  bool running_ = false;
};

}  // namespace lumivox
