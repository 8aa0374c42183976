#pragma once
// A folder of the benchmark's own below the temporary folder, removed with
// all it holds when the benchmark ends.
#include <chrono>
#include <filesystem>
#include <string>

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))) {}
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};
