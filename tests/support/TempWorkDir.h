#pragma once
#include <filesystem>
#include <stdexcept>
#include <random>
#include <string>

// A fresh temporary folder made the current directory for the lifetime of the
// object, optionally holding a copy of the sample Data folder. The previous
// current directory comes back and the folder is removed at the end.
class TempWorkDir {
 public:
  enum class Data { SampleCopy, None };

  explicit TempWorkDir(Data data = Data::SampleCopy) : previous_(std::filesystem::current_path()) {
    std::random_device random;
    for (int attempt = 0; path_.empty(); ++attempt) {
      const auto candidate = std::filesystem::temp_directory_path() / ("lumivox-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(candidate)) path_ = candidate;
      if (attempt > 100) throw std::runtime_error("no temporary folder");
    }
    if (data == Data::SampleCopy)
      std::filesystem::copy(LUMIVOX_SAMPLE_DATA_DIR, path_ / "Data", std::filesystem::copy_options::recursive);
    std::filesystem::current_path(path_);
  }
  ~TempWorkDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path dataDir() const { return path_ / "Data"; }
  std::string file(const std::string& relative) const { return (path_ / relative).string(); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
