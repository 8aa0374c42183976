#pragma once
#include <string>

#include "platform/ProgramStart.h"

namespace lumivox {

// Runs the command line through `wine` in the given prefix, detached, with
// an argument list (see wineArguments); never through a shell. False when
// wine cannot be started, for one when it is not installed.
class WineProgramStarter final : public ProgramStarter {
 public:
  explicit WineProgramStarter(std::string prefixFolder) : prefix_(std::move(prefixFolder)) {}
  bool start(const std::string& commandLine) override;

 private:
  std::string prefix_;
};

}  // namespace lumivox
