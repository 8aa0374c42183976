// Times LookupLine on generated main-story libraries of 1 000, 100 000 and
// 1 000 000 lines (or the line counts given on the command line):
//  - changed file: the first lookup after the library was rewritten, which
//    has to read and index the whole file again, and the lookup after it,
//    still within the two quiet seconds in which a fresh file is re-read;
//  - unchanged file: lookups of random existing keys once the file is old
//    enough to be kept.
// It prints the figures next to the targets and always exits with 0 unless
// the benchmark itself could not run.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/LookupLine.h"
#include "platform/TextCodec.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kUnchangedLookups = 200'000;
constexpr double kUnchangedTargetNs = 5'000;          // 5 us, every size
constexpr double kChangedTargetNs = 10'000'000;       // 10 ms ...
constexpr std::size_t kChangedTargetLines = 100'000;  // ... at this size
// A file changed less than two seconds before it was read is read again at
// every lookup; waiting a little longer lets the unchanged case settle.
constexpr auto kQuietWait = std::chrono::milliseconds(2'300);
constexpr const char* kFallback = "嗯。。对话就到这里了。。期待更新哦。";

volatile std::size_t g_sink = 0;  // keeps the timed lookups from being optimised away

std::uint64_t mix(std::uint64_t x) {  // splitmix64 finaliser
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Dialogue line `number` of library version `version`, in GBK: a speaker of
// two characters, "：「", sixteen characters, "」" - twenty characters, 40
// bytes. The characters come from the first level of GB2312 (lead bytes
// B0..D6, trail bytes A1..FE), all of which are valid GBK.
void appendLine(std::string& out, int version, std::uint64_t number) {
  std::uint64_t state = mix((static_cast<std::uint64_t>(version) << 40) ^ number);
  auto hanzi = [&] {
    state = mix(state);
    out += static_cast<char>(0xB0 + state % 39);
    out += static_cast<char>(0xA1 + (state >> 8) % 94);
  };
  hanzi();
  hanzi();
  out += "\xA3\xBA\xA1\xB8";  // ：「
  for (int i = 0; i < 16; ++i) hanzi();
  out += "\xA1\xB9";  // 」
}

void appendNumber(std::string& out, std::uint64_t n) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
  out.append(buffer, end);
}

std::string makeLibrary(std::size_t lines, int version) {
  std::string out;
  out.reserve(lines * 52 + 128);
  out += "[Quorra]\r\n";
  for (std::size_t i = 0; i < lines; ++i) {
    appendNumber(out, i);
    out += '=';
    appendLine(out, version, i);
    out += "\r\n";
  }
  out += "\r\n[TextNumber]\r\nTextNumber=";
  appendNumber(out, lines);
  out += "\r\nTextNumberDoor=0\r\n";
  return out;
}

std::string expectedLine(int version, std::uint64_t number) {
  std::string gbk;
  appendLine(gbk, version, number);
  return lumivox::gbkToUtf8(gbk);
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string utf8Path(const fs::path& path) {
  const auto u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

std::int64_t elapsedNs(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(to - from).count();
}

struct Stats {
  std::size_t count = 0;
  double median = 0, p99 = 0;  // nanoseconds
};

Stats statsOf(std::vector<std::int64_t> samples) {
  Stats s;
  s.count = samples.size();
  if (samples.empty()) return s;
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  s.median = n % 2 ? static_cast<double>(samples[n / 2])
                   : (static_cast<double>(samples[n / 2 - 1]) + static_cast<double>(samples[n / 2])) / 2;
  const std::size_t rank = (n * 99 + 99) / 100;  // nearest rank, ceil(0.99 n)
  s.p99 = static_cast<double>(samples[std::min(n, std::max<std::size_t>(rank, 1)) - 1]);
  return s;
}

// Peak and current resident set size in KiB; nullopt where not known.
std::optional<long long> peakRssKiB() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS pmc{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return std::nullopt;
  return static_cast<long long>(pmc.PeakWorkingSetSize / 1024);
#else
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0) return std::nullopt;
#ifdef __APPLE__
  return static_cast<long long>(usage.ru_maxrss / 1024);  // bytes there
#else
  return static_cast<long long>(usage.ru_maxrss);
#endif
#endif
}

std::optional<long long> currentRssKiB() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS pmc{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return std::nullopt;
  return static_cast<long long>(pmc.WorkingSetSize / 1024);
#else
  std::ifstream statm("/proc/self/statm");
  long long pages = 0, resident = 0;
  if (!(statm >> pages >> resident)) return std::nullopt;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

std::string formatNs(double ns) {
  char buffer[32];
  if (ns < 1'000) std::snprintf(buffer, sizeof buffer, "%.0f ns", ns);
  else if (ns < 1'000'000) std::snprintf(buffer, sizeof buffer, "%.2f us", ns / 1e3);
  else if (ns < 1'000'000'000) std::snprintf(buffer, sizeof buffer, "%.2f ms", ns / 1e6);
  else std::snprintf(buffer, sizeof buffer, "%.2f s", ns / 1e9);
  return buffer;
}

std::string formatKiB(std::optional<long long> kib) {
  if (!kib) return "-";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f MiB", static_cast<double>(*kib) / 1024);
  return buffer;
}

std::string formatBytes(std::uintmax_t bytes) {
  char buffer[32];
  if (bytes < 1024 * 1024) std::snprintf(buffer, sizeof buffer, "%.1f KiB", static_cast<double>(bytes) / 1024);
  else std::snprintf(buffer, sizeof buffer, "%.1f MiB", static_cast<double>(bytes) / (1024 * 1024));
  return buffer;
}

std::string formatCount(std::uint64_t n) {  // 1000000 -> "1 000 000"
  std::string digits = std::to_string(n), out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i && (digits.size() - i) % 3 == 0) out += ' ';
    out += digits[i];
  }
  return out;
}

struct Row {
  std::size_t lines = 0;
  std::uintmax_t fileBytes = 0;
  Stats changedFirst, changedNext, unchanged;
  std::optional<long long> peakRss, rssNow;
  std::size_t checked = 0, wrong = 0;
};

class Bench {
 public:
  explicit Bench(fs::path folder) : folder_(std::move(folder)) {}

  Row run(std::size_t lines) {
    Row row;
    row.lines = lines;
    const fs::path file = folder_ / ("Quorra_" + std::to_string(lines) + ".data");
    const std::string path = utf8Path(file);
    std::uniform_int_distribution<std::uint64_t> anyKey(0, lines - 1);

    // (a) Changed file: rewrite it, alternating two versions, and time the
    // first lookup after each write and the one right after that.
    const int repeats = lines >= 1'000'000 ? 20 : 40;
    std::vector<std::int64_t> first, next;
    for (int r = 0; r < repeats; ++r) {
      const int version = r % 2;
      {
        const std::string bytes = makeLibrary(lines, version);
        writeFile(file, bytes);
        row.fileBytes = bytes.size();
      }
      const auto written = Clock::now();
      const std::uint64_t k1 = anyKey(rng_), k2 = anyKey(rng_);
      const std::string key1 = std::to_string(k1), key2 = std::to_string(k2);

      auto t0 = Clock::now();
      std::string got = lumivox::LookupLine(path, "Quorra", key1, kFallback);
      auto t1 = Clock::now();
      first.push_back(elapsedNs(t0, t1));
      check(row, got, expectedLine(version, k1));

      t0 = Clock::now();
      got = lumivox::LookupLine(path, "Quorra", key2, kFallback);
      t1 = Clock::now();
      if (t0 - written < std::chrono::milliseconds(1'900)) next.push_back(elapsedNs(t0, t1));
      check(row, got, expectedLine(version, k2));
    }
    row.changedFirst = statsOf(std::move(first));
    row.changedNext = statsOf(std::move(next));

    // (b) Unchanged file: last written long ago, and quiet for longer than
    // the two seconds (setting the modification time does not move the
    // status-change time, which counts too).
    {
      const std::string bytes = makeLibrary(lines, 0);
      writeFile(file, bytes);
    }
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    std::this_thread::sleep_for(kQuietWait);
    check(row, lumivox::LookupLine(path, "Quorra", "0", kFallback), expectedLine(0, 0));

    std::vector<std::int64_t> samples(kUnchangedLookups);
    for (int i = 0; i < kUnchangedLookups; ++i) {
      const std::uint64_t number = anyKey(rng_);
      const std::string key = std::to_string(number);
      const auto t0 = Clock::now();
      const std::string got = lumivox::LookupLine(path, "Quorra", key, kFallback);
      const auto t1 = Clock::now();
      samples[i] = elapsedNs(t0, t1);
      g_sink = g_sink + got.size();
      if (i % 997 == 0) check(row, got, expectedLine(0, number));
    }
    row.unchanged = statsOf(std::move(samples));
    row.peakRss = peakRssKiB();
    row.rssNow = currentRssKiB();

    // Remove the file; the next lookup finds it missing and lets go of it.
    fs::remove(file);
    g_sink = g_sink + lumivox::LookupLine(path, "Quorra", "0", kFallback).size();
    return row;
  }

 private:
  static void check(Row& row, const std::string& got, const std::string& expected) {
    ++row.checked;
    if (got != expected) ++row.wrong;
  }

  fs::path folder_;
  std::mt19937_64 rng_{20261207};
};

void printTable(const std::vector<Row>& rows) {
  constexpr int kLabel = 34, kColumn = 17;
  auto line = [&](const std::string& label, auto cell, const std::string& target) {
    std::printf("%-*s", kLabel, label.c_str());
    for (const Row& row : rows) std::printf("%*s", kColumn, cell(row).c_str());
    std::printf("   %s\n", target.c_str());
  };
  const std::string changedTarget = "<= " + formatNs(kChangedTargetNs) + " at " +
                                    formatCount(kChangedTargetLines) + " lines";
  const std::string unchangedTarget = "<= " + formatNs(kUnchangedTargetNs) + " at every size";

  line("lines", [](const Row& r) { return formatCount(r.lines); }, "target");
  line("file size", [](const Row& r) { return formatBytes(r.fileBytes); }, "");
  std::printf("changed file, first lookup\n");
  line("  median", [](const Row& r) { return formatNs(r.changedFirst.median); }, changedTarget);
  line("  p99", [](const Row& r) { return formatNs(r.changedFirst.p99); }, changedTarget);
  line("  runs", [](const Row& r) { return std::to_string(r.changedFirst.count); }, "");
  std::printf("changed file, next lookup (< 2 s)\n");
  line("  median", [](const Row& r) { return formatNs(r.changedNext.median); }, "");
  line("  p99", [](const Row& r) { return formatNs(r.changedNext.p99); }, "");
  line("  runs", [](const Row& r) { return std::to_string(r.changedNext.count); }, "");
  std::printf("unchanged file, random keys\n");
  line("  median", [](const Row& r) { return formatNs(r.unchanged.median); }, unchangedTarget);
  line("  p99", [](const Row& r) { return formatNs(r.unchanged.p99); }, unchangedTarget);
  line("  lookups", [](const Row& r) { return formatCount(r.unchanged.count); }, "");
  line("peak RSS after this size", [](const Row& r) { return formatKiB(r.peakRss); }, "");
  line("RSS with this file cached", [](const Row& r) { return formatKiB(r.rssNow); }, "");
  line("results checked / wrong",
       [](const Row& r) { return std::to_string(r.checked) + " / " + std::to_string(r.wrong); }, "");
}

std::string verdict(double value, double target) {
  if (value <= target) return "met";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "MISSED by %s (%.1fx)", formatNs(value - target).c_str(),
                value / target);
  return buffer;
}

void printTargets(const std::vector<Row>& rows) {
  std::printf("\nTargets\n");
  std::printf("  unchanged file <= %s per lookup at every size:\n", formatNs(kUnchangedTargetNs).c_str());
  for (const Row& r : rows)
    std::printf("    %11s lines: median %-10s %-28s p99 %-10s %s\n", formatCount(r.lines).c_str(),
                formatNs(r.unchanged.median).c_str(), verdict(r.unchanged.median, kUnchangedTargetNs).c_str(),
                formatNs(r.unchanged.p99).c_str(), verdict(r.unchanged.p99, kUnchangedTargetNs).c_str());
  std::printf("  changed file <= %s for the first lookup at %s lines:\n", formatNs(kChangedTargetNs).c_str(),
              formatCount(kChangedTargetLines).c_str());
  bool measured = false;
  for (const Row& r : rows) {
    if (r.lines != kChangedTargetLines) continue;
    measured = true;
    std::printf("    %11s lines: median %-10s %-28s p99 %-10s %s\n", formatCount(r.lines).c_str(),
                formatNs(r.changedFirst.median).c_str(), verdict(r.changedFirst.median, kChangedTargetNs).c_str(),
                formatNs(r.changedFirst.p99).c_str(), verdict(r.changedFirst.p99, kChangedTargetNs).c_str());
  }
  if (!measured) std::printf("    (not measured: %s lines not among the sizes)\n", formatCount(kChangedTargetLines).c_str());
}

std::vector<std::size_t> sizesFrom(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), n);
    if (ec != std::errc() || end != arg.data() + arg.size() || n == 0)
      throw std::invalid_argument("not a line count: " + arg);
    sizes.push_back(n);
  }
  if (sizes.empty()) sizes = {1'000, 100'000, 1'000'000};
  return sizes;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  try {
    sizes = sizesFrom(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\nusage: %s [line count ...]\n", e.what(), argv[0]);
    return 2;
  }

  const fs::path folder =
      fs::temp_directory_path() / ("lumivox-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  struct Cleanup {
    fs::path folder;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
    }
  } cleanup{folder};

  std::printf("LookupLine benchmark: main-story libraries in GBK, about 20 characters a line\n");
  std::printf("temp folder: %s\n", folder.string().c_str());
  std::printf("changed file: library rewritten (two versions in turn) before each timed lookup\n");
  std::printf("unchanged file: modification time set 1 minute back, then %.1f s wait, then %s lookups\n\n",
              std::chrono::duration<double>(kQuietWait).count(), formatCount(kUnchangedLookups).c_str());
  std::printf("peak RSS: highest resident memory of the process so far (old and new copy of a library\n"
              "          coexist while a changed file is read again)\n");
  std::printf("peak RSS before the first size: %s\n", formatKiB(peakRssKiB()).c_str());
  std::fflush(stdout);

  std::vector<Row> rows;
  try {
    fs::create_directories(folder);
    Bench bench(folder);
    for (std::size_t lines : sizes) {
      std::printf("measuring %s lines...\n", formatCount(lines).c_str());
      std::fflush(stdout);
      rows.push_back(bench.run(lines));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 1;
  }

  std::printf("\n");
  printTable(rows);
  printTargets(rows);
  for (const Row& r : rows)
    if (r.wrong)
      std::printf("\nNOTE: %zu of %zu checked lookups at %s lines gave a wrong line.\n", r.wrong, r.checked,
                  formatCount(r.lines).c_str());
  return 0;
}
