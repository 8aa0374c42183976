#pragma once
#include "platform/ProgramStart.h"

namespace lumivox {

// CreateProcessA with the command line in the ANSI code page, shown
// minimized (show mode 2); the handles are closed at once.
class WindowsProgramStarter final : public ProgramStarter {
 public:
  bool start(const std::string& commandLine) override;
};

}  // namespace lumivox
