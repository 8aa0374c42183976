#pragma once
#include "platform/ProgramStart.h"

namespace lumivox {

// ShellExecuteExW on the program, in its folder, shown minimized without
// taking the focus (SW_SHOWMINNOACTIVE); false when Windows cannot start it
// (a missing file, a file that is no program), without a box of its own.
class WindowsProgramStarter final : public ProgramStarter {
 public:
  bool start(const std::string& program, const std::string& folder) override;
};

}  // namespace lumivox
