#include "common/SystemPages.h"

#include <algorithm>
#include <new>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace lumivox {

SystemPages::SystemPages(std::size_t bytes) : size_(bytes) {
  if (bytes == 0) return;
#ifdef _WIN32
  data_ = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!data_) throw std::bad_alloc();
#else
  void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  data_ = mapped;  // (no large pages asked for: making them stalls when memory is fragmented)
#endif
}

void SystemPages::prepare([[maybe_unused]] std::size_t offset, [[maybe_unused]] std::size_t bytes) const {
#ifndef _WIN32
  if (offset >= size_) return;
  constexpr std::size_t kPage = 4096;
  const std::size_t from = offset / kPage * kPage;
  const std::size_t to = std::min(size_, offset + bytes);
  constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE, Linux 5.14 on
  madvise(static_cast<char*>(data_) + from, to - from, kPopulateWrite);
#endif
}

SystemPages::~SystemPages() { release(); }

SystemPages::SystemPages(SystemPages&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

SystemPages& SystemPages::operator=(SystemPages&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void SystemPages::release() {
  if (!data_) return;
#ifdef _WIN32
  VirtualFree(data_, 0, MEM_RELEASE);
#else
  munmap(data_, size_);
#endif
  data_ = nullptr;
  size_ = 0;
}

}  // namespace lumivox
