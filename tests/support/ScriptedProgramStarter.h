#pragma once
#include <string>
#include <vector>

#include "platform/ProgramStart.h"

// Records every command line it is asked to start and answers as planned.
class ScriptedProgramStarter final : public lumivox::ProgramStarter {
 public:
  std::vector<std::string> commandLines;
  bool succeeds = true;

  bool start(const std::string& commandLine) override {
    commandLines.push_back(commandLine);
    return succeeds;
  }
};
