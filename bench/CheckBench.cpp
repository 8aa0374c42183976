// Times the library checker next to iconv converting the same file, in the
// same run, and measures the checker's peak memory, on two libraries:
// - a generated main-story library of GBK, 1 000 000 lines (or the count
//   given), next to iconv -f GBK -t UTF-8;
// - a main-story library saved as UTF-8 whose one line of 100 MB holds
//   1 000 characters GBK lacks (emoji), next to iconv -c -f UTF-8 -t GBK.
//
// Promises, for each: checking takes at most 5 times as long as the
// conversion, and peak memory stays under twice the file plus 30 MiB. It
// prints both times, their ratio and the memory, each next to its promise,
// and exits with 1 when a promise is not met (2 when the benchmark could not
// run). Build it in Release for figures worth comparing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

// A library of one dialogue line of about 100 MB of UTF-8: common Chinese
// with a character GBK lacks every 100 KB.
std::uintmax_t writeUtf8Line(const fs::path& path) {
  constexpr std::size_t kLineBytes = 100'000'000, kLacking = 1000;
  const std::string chinese = "对话就到这里了期待更新哦你好谢谢第一句门一测试版";
  std::string piece;
  while (piece.size() < kLineBytes / kLacking) piece += chinese;
  piece += "\xF0\x9F\x98\x80";  // an emoji
  std::ofstream out(path, std::ios::binary);
  out << "[Quorra]\r\n0=";
  for (std::size_t i = 0; i < kLacking; ++i) out << piece;
  out << "\r\n[TextNumber]\r\nTextNumber=1\r\nTextNumberDoor=1\r\n[Build]\r\nBuild=1\r\n[T]\r\nT=60\r\n";
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return fs::file_size(path);
}

// Times iconv and the checker on the Data folder, prints the figures; whether
// the promises are met.
bool measure(const fs::path& folder, const std::string& iconvArguments, std::size_t mainLines) {
  const fs::path library = folder / "Data" / "Quorra.data";
  const double fileBytes = static_cast<double>(fs::file_size(library));
  const std::string iconv = "iconv " + iconvArguments + " " + quoted(library.string()) + " > /dev/null";
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
    if (report.mainLines != mainLines) throw std::runtime_error("the checker did not count the library's lines");
  }
  const auto peak = memory.bytes();

  const double iconvSeconds = median(iconvTimes), checkSeconds = median(checkTimes);
  const double ratio = checkSeconds / iconvSeconds;
  const double memoryBound = 2 * fileBytes + kProgramBytes;
  const bool fastEnough = ratio <= kTimesIconv;
  const bool smallEnough = peak && *peak <= memoryBound;
  std::printf("  iconv %-20s %8.3f s\n", (iconvArguments + ":").c_str(), iconvSeconds);
  std::printf("  checking the folder:       %8.3f s\n", checkSeconds);
  std::printf("  ratio:                     %8.2fx  <= %.0fx  %s\n", ratio, kTimesIconv, fastEnough ? "met" : "MISSED");
  if (peak)
    std::printf("  peak memory:               %8.1f MiB <= 2 x file + 30 MiB = %.1f MiB  %s\n", *peak / (1024 * 1024),
                memoryBound / (1024 * 1024), smallEnough ? "met" : "MISSED");
  else
    std::printf("  peak memory:               not measurable here  MISSED\n");
  return fastEnough && smallEnough;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t lines = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
  if (lines == 0) {
    std::fprintf(stderr, "usage: %s [line count]\n", argv[0]);
    return 2;
  }
  try {
    bool met = true;
    {
      const bench::TempFolder temp("lumivox-check-bench-");
      fs::create_directories(temp.path() / "Data");
      const double fileBytes = static_cast<double>(bench::writeLibrary(temp.path() / "Data" / "Quorra.data", lines, 0));
      std::printf("library checker benchmark, %d runs each (medians)\n", kRuns);
      std::printf("%zu lines, %.1f MiB of GBK:\n", lines, fileBytes / (1024 * 1024));
      met = measure(temp.path(), "-f GBK -t UTF-8", lines) && met;
    }
    {
      const bench::TempFolder temp("lumivox-check-bench-");
      fs::create_directories(temp.path() / "Data");
      const double fileBytes = static_cast<double>(writeUtf8Line(temp.path() / "Data" / "Quorra.data"));
      std::printf("one UTF-8 line of %.1f MiB with 1000 characters GBK lacks:\n", fileBytes / (1024 * 1024));
      met = measure(temp.path(), "-c -f UTF-8 -t GBK", 1) && met;
    }
    return met ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 2;
  }
}
