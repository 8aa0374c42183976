// Times the library checker on a generated main-story library of 1 000 000
// lines (or the count given) next to converting the same file from GBK to
// UTF-8 with iconv, in the same run, and measures the checker's peak memory.
//
// Promises: checking takes at most 5 times as long as the conversion, and
// peak memory stays under twice the file plus 30 MiB. It prints both times,
// their ratio and the memory, each next to its promise, and exits with 1
// when a promise is not met (2 when the benchmark could not run). Build it
// in Release for figures worth comparing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "check/DataFolderCheck.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kTimesIconv = 5;
constexpr double kProgramBytes = 30.0 * 1024 * 1024;
constexpr int kRuns = 5;

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

std::string quoted(const std::string& path) {
  std::string out = "'";
  for (char c : path) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t lines = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
  if (lines == 0) {
    std::fprintf(stderr, "usage: %s [line count]\n", argv[0]);
    return 2;
  }
  const bench::TempFolder temp("lumivox-check-bench-");
  const fs::path& folder = temp.path();

  try {
    fs::create_directories(folder / "Data");
    const fs::path library = folder / "Data" / "Quorra.data";
    const double fileBytes = static_cast<double>(bench::writeLibrary(library, lines, 0));
    std::printf("library checker benchmark: %zu lines, %.1f MiB of GBK, %d runs each (medians)\n", lines,
                fileBytes / (1024 * 1024), kRuns);

    const std::string iconv = "iconv -f GBK -t UTF-8 " + quoted(library.string()) + " > /dev/null";
    std::vector<double> iconvTimes, checkTimes;
    for (int run = 0; run < kRuns; ++run) {
      const auto t0 = Clock::now();
      if (std::system(iconv.c_str()) != 0) throw std::runtime_error("iconv failed: " + iconv);
      iconvTimes.push_back(seconds(t0));
    }

    bench::trimHeap();
    bench::PeakMemory memory;
    memory.reset();
    const std::string data = bench::utf8Path(folder / "Data");
    for (int run = 0; run < kRuns; ++run) {
      const auto t0 = Clock::now();
      const lumivox::CheckReport report = lumivox::checkDataFolder(data, lumivox::Language::Chinese);
      checkTimes.push_back(seconds(t0));
      if (report.mainLines != lines) throw std::runtime_error("the checker did not count the library's lines");
    }
    const auto peak = memory.bytes();

    const double iconvSeconds = median(iconvTimes), checkSeconds = median(checkTimes);
    const double ratio = checkSeconds / iconvSeconds;
    const double memoryBound = 2 * fileBytes + kProgramBytes;
    const bool fastEnough = ratio <= kTimesIconv;
    const bool smallEnough = peak && *peak <= memoryBound;
    std::printf("iconv -f GBK -t UTF-8:  %8.3f s\n", iconvSeconds);
    std::printf("checking the folder:    %8.3f s\n", checkSeconds);
    std::printf("ratio:                  %8.2fx  <= %.0fx  %s\n", ratio, kTimesIconv, fastEnough ? "met" : "MISSED");
    if (peak)
      std::printf("peak memory:            %8.1f MiB <= 2 x file + 30 MiB = %.1f MiB  %s\n", *peak / (1024 * 1024),
                  memoryBound / (1024 * 1024), smallEnough ? "met" : "MISSED");
    else
      std::printf("peak memory:            not measurable here  MISSED\n");
    return fastEnough && smallEnough ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 2;
  }
}
