#pragma once
#include <optional>

namespace lumivox {

// The process's resident memory at its peak, for the benchmarks' promises
// and the load tests. One file per platform: ProcessMemoryPosix.cpp,
// ProcessMemoryWin.cpp.

// Starts a new peak from now where the system can (Linux); elsewhere the
// peak stays that of the whole run.
void resetPeakMemory();
// The peak in bytes since the last reset, or nothing when the system does not say.
std::optional<double> peakMemoryBytes();
// Hands memory the program has let go back to the system, so that it does
// not count in the next peak.
void releaseFreedMemory();

}  // namespace lumivox
