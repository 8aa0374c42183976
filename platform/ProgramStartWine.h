#pragma once
#include <string>

#include "platform/ProgramStart.h"

namespace lumivox {

// Runs the command line through `wine start /min` in the given prefix, so
// the program gets show mode 2 (minimized) as on Windows. The arguments are
// a list (see wineArguments), never a shell's text. Nothing starts, and the
// answer is false, when the folder holds no Wine prefix (Wine would make a
// new one there); when the file the command opens (the file rundll32 hands
// its entry, else the program) is not where its Windows path leads in the
// prefix; when that path, handed to rundll32, holds characters outside
// ASCII and the locale is not an installed Chinese one (Wine would pass them
// on as '?'); or when wine cannot be run. Wine runs detached, its input
// /dev/null; nothing waits for it.
class WineProgramStarter final : public ProgramStarter {
 public:
  explicit WineProgramStarter(std::string prefixFolder) : prefix_(std::move(prefixFolder)) {}
  bool start(const std::string& commandLine) override;

 private:
  std::string prefix_;
};

}  // namespace lumivox
