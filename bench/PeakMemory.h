#pragma once
// Peak resident memory of the benchmark's own process.
#include <fstream>
#include <optional>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>
#endif

// The peak since the last reset, in bytes. Linux resets the peak on
// request; elsewhere it is the peak of the whole run.
class PeakMemory {
 public:
  void reset() {
#ifndef _WIN32
    std::ofstream("/proc/self/clear_refs") << "5";
#endif
  }
  std::optional<double> bytes() const {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return std::nullopt;
    return static_cast<double>(pmc.PeakWorkingSetSize);
#else
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
      if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
    return std::nullopt;
#endif
  }
};

// Gives back to the system what was let go, so that it does not count in
// the next peak.
inline void trimHeap() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}
