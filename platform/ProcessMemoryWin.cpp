#include "platform/ProcessMemory.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>

namespace lumivox {

void resetPeakMemory() {}

std::optional<double> peakMemoryBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return std::nullopt;
  return static_cast<double>(counters.PeakWorkingSetSize);
}

void releaseFreedMemory() {}

}  // namespace lumivox
