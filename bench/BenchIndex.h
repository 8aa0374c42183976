#pragma once
// The main window as far as a lines window reads it: both libraries at one
// path, nothing shown.

#include <string>
#include <utility>

#include "dialogue/IndexModel.h"

namespace bench {

class BenchIndex final : public lumivox::IndexModel {
 public:
  explicit BenchIndex(std::string path) : path_(std::move(path)) {}
  void setStatusText(const std::string&) override {}
  void setDialogueText(const std::string&) override {}
  void setPercentText(const std::string&) override {}
  void setLibraryPaths(const std::string&, const std::string&) override {}
  std::string mainLibraryPath() const override { return path_; }
  std::string doorLibraryPath() const override { return path_; }
  bool setBarMaximum(float) override { return true; }
  bool setBarValue(float) override { return true; }
  float barMaximum() const override { return 1; }
  float barValue() const override { return 0; }
  void setCommandEnabled(lumivox::CommandId, bool) override {}
  void setTimerEnabled(lumivox::TimerId, bool) override {}
  void setTimerInterval(lumivox::TimerId, int) override {}
  void setLoadedText(lumivox::Track, const std::string&) override {}

 private:
  std::string path_;
};

}  // namespace bench
