#include "app/BackgroundJob.h"

namespace lumivox {

BackgroundJob::~BackgroundJob() {
  if (worker_.joinable()) worker_.join();
}

void BackgroundJob::launch(std::function<std::function<void()>()> work) {
  running_ = true;
  if (!post_) {
    const auto then = work();
    running_ = false;
    return then();
  }
  // The last worker has posted its result already and is ending.
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this, work = std::move(work)] {
    post_([this, then = work()] {
      running_ = false;
      then();
    });
  });
}

}  // namespace lumivox
