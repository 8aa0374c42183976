#pragma once
#include <string>

namespace lumivox {

// Starts a program, given by its full Windows path (UTF-8), with a folder as
// its working directory, minimized without taking the focus, and does not
// wait for it. Windows: the program itself. Linux: the program run by Wine
// in the prefix the registry is read from. False when it could not be
// started.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual bool start(const std::string& program, const std::string& folder) = 0;
};

}  // namespace lumivox
