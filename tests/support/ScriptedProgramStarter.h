#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/ProgramStart.h"

// Records every program it is asked to start, with its folder, and answers
// as planned.
class ScriptedProgramStarter final : public lumivox::ProgramStarter {
 public:
  std::vector<std::pair<std::string, std::string>> starts;  // program, folder
  bool succeeds = true;

  bool start(const std::string& program, const std::string& folder) override {
    starts.emplace_back(program, folder);
    return succeeds;
  }
};
