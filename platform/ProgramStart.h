#pragma once
#include <string>

namespace lumivox {

// Starts a program from a Windows command line (UTF-8) without waiting for
// it. Windows: the command line as given, the new window shown minimized.
// Linux: the same command run by Wine in the prefix the registry is read
// from. False when it could not be started.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual bool start(const std::string& commandLine) = 0;
};

}  // namespace lumivox
