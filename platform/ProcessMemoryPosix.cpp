#include "platform/ProcessMemory.h"

#include <fstream>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lumivox {

void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

std::optional<double> peakMemoryBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
  return std::nullopt;
}

void releaseFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace lumivox
