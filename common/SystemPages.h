#pragma once
#include <cstddef>

namespace lumivox {

// Scratch memory of megabytes, taken from the system and given back to it
// when let go. From the allocator, a large block that is freed may stay in
// the process among others, and the next large file read would need room
// beside it. Its pages read as zero.
class SystemPages {
 public:
  SystemPages() = default;
  explicit SystemPages(std::size_t bytes);  // throws std::bad_alloc
  ~SystemPages();
  SystemPages(SystemPages&& other) noexcept;
  SystemPages& operator=(SystemPages&& other) noexcept;
  SystemPages(const SystemPages&) = delete;
  SystemPages& operator=(const SystemPages&) = delete;

  // Makes the pages of that stretch at once, ahead of their first writes: far
  // cheaper than a fault for each. Only a hint (nothing where the system
  // cannot).
  void prepare(std::size_t offset, std::size_t bytes) const;

  template <typename T>
  T* as() const {
    return static_cast<T*>(data_);
  }
  std::size_t size() const { return size_; }

 private:
  void release();
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace lumivox
