#pragma once
#include <string>

#include "platform/ProgramStart.h"

namespace lumivox {

// Runs `wine start /min /d <folder> <program>` in the given prefix, so the
// program gets show mode 2 (minimized; Wine's start has no mode that keeps
// the focus away) and its folder as working directory. The arguments are a
// list, never a shell's text. Nothing starts, and the answer is false, when
// the folder holds no Wine prefix (Wine would make a new one there); when the
// program is not where its Windows path leads in the prefix; when a path
// holds characters outside ASCII and the locale's character set is not UTF-8
// (Wine would read the name wrong); or when wine cannot be run. Wine runs
// detached, its input /dev/null; nothing waits for it.
class WineProgramStarter final : public ProgramStarter {
 public:
  explicit WineProgramStarter(std::string prefixFolder) : prefix_(std::move(prefixFolder)) {}
  bool start(const std::string& program, const std::string& folder) override;

 private:
  std::string prefix_;
};

}  // namespace lumivox
