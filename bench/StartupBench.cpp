// What hostile start-up files cost, each figure next to its promise:
//  - text GBK lacks: converting 128 KiB and 512 KiB of emoji, of U+FFFD
//    and, for comparison, of Chinese to GBK;
//  - a fallback of 512 KiB of emoji for a line the library lacks;
//  - user.reg files of 64 MiB, read as start-up reads the game's folder:
//    as many short value names in the game's key as fit, the game's folder
//    last; the game's folder as 512 KiB of emoji followed by other keys; and
//    the game's folder as one line of 64 MiB. Text longer than any path
//    reads as empty.
// Promises: a conversion takes at most 50 ms a MiB (its time as a multiple
// of Chinese of the same size is shown too); the lookup with the long
// fallback at most 1 ms; each start-up read under 1 s with a peak memory of
// the whole process under 100 MB. Exits with 1 when a promise is missed or an
// answer is wrong, 2 when the benchmark could not run. Build it in Release
// for figures worth comparing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "info/GameLauncher.h"
#include "library/LookupLine.h"
#include "platform/TextCodec.h"
#include "platform/WineRegistry.h"

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kMiB = 1024.0 * 1024;
constexpr double kConversionNsPerMiB = 50e6;
constexpr double kFallbackNs = 1e6;
constexpr double kStartNs = 1e9;
constexpr double kStartBytes = 100e6;
constexpr const char* kDefaultFolder = "C:\\PROGRAM FILES\\FALCOM\\ED_SORA2";

const std::string kEmoji = "\xF0\x9F\x98\x80";       // U+1F600
const std::string kReplacement = "\xEF\xBF\xBD";     // U+FFFD
const std::string kChinese = "\xE4\xBD\xA0\xE5\xA5\xBD";  // 你好

volatile std::size_t g_sink = 0;
bool g_missed = false;

std::string repeated(const std::string& piece, std::size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() + piece.size() <= bytes) text += piece;
  return text;
}

double nsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// The quickest of a few runs.
double fastestNs(int runs, const std::function<void()>& work) {
  double best = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    work();
    const double ns = nsSince(start);
    if (i == 0 || ns < best) best = ns;
  }
  return best;
}

std::string format(double ns) {
  char text[32];
  if (ns < 1e6) std::snprintf(text, sizeof text, "%.1f us", ns / 1e3);
  else if (ns < 1e9) std::snprintf(text, sizeof text, "%.1f ms", ns / 1e6);
  else std::snprintf(text, sizeof text, "%.2f s", ns / 1e9);
  return text;
}

const char* verdict(bool met) {
  if (!met) g_missed = true;
  return met ? "met" : "MISSED";
}

void conversions() {
  std::printf("Converting UTF-8 to GBK (fastest of 3)\n");
  for (const std::size_t bytes : {std::size_t{128} * 1024, std::size_t{512} * 1024}) {
    const std::string chinese = repeated(kChinese, bytes);
    const double chineseNs = fastestNs(3, [&] { g_sink = g_sink + lumivox::utf8ToGbk(chinese).size(); });
    std::printf("  %3zu KiB of Chinese  %10s\n", bytes / 1024, format(chineseNs).c_str());
    for (const auto& [name, piece] : {std::pair{"emoji ", &kEmoji}, std::pair{"U+FFFD", &kReplacement}}) {
      const std::string text = repeated(*piece, bytes);
      std::string gbk;
      const double ns = fastestNs(3, [&] { gbk = lumivox::utf8ToGbk(text); });
      const bool right = gbk == std::string(text.size() / piece->size(), '?');
      const double perMiB = ns / (static_cast<double>(bytes) / kMiB);
      const bool met = right && perMiB <= kConversionNsPerMiB;
      std::printf("  %3zu KiB of %s   %10s  (%.1fx Chinese)  %s a MiB <= %s%s  %s\n", bytes / 1024, name,
                  format(ns).c_str(), ns / chineseNs, format(perMiB).c_str(), format(kConversionNsPerMiB).c_str(),
                  right ? "" : ", WRONG ANSWER", verdict(met));
    }
  }
}

void longFallback(const fs::path& folder) {
  const fs::path library = folder / "Quorra.data";
  std::ofstream(library, std::ios::binary) << "[Quorra]\r\n0=x\r\n";
  const auto u8 = library.u8string();
  const std::string path(u8.begin(), u8.end());
  const std::string fallback = repeated(kEmoji, 512 * 1024);
  std::string line;
  const double ns = fastestNs(3, [&] { line = lumivox::LookupLine(path, "Quorra", "1", fallback); });
  const bool right = line == std::string(255, '?');
  std::printf("\nA missing line with a fallback of 512 KiB of emoji (fastest of 3)\n  %s <= %s%s  %s\n",
              format(ns).c_str(), format(kFallbackNs).c_str(), right ? "" : ", WRONG ANSWER",
              verdict(right && ns <= kFallbackNs));
}

const std::string kUserRegHeader = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n\n";
const std::string kGameKey = "[Software\\\\Falcom\\\\Fsetup] 1796680818\n#time=1dd869658df9bda\n";
constexpr std::size_t kUserRegBytes = 64u * 1024 * 1024 - 4096;

// Writes user.reg in pieces of a MiB.
class UserReg {
 public:
  explicit UserReg(const fs::path& file) : out_(file, std::ios::binary | std::ios::trunc) { add(kUserRegHeader); }
  void add(const std::string& text) {
    chunk_ += text;
    if (chunk_.size() >= 1 << 20) flush();
  }
  std::size_t size() const { return written_ + chunk_.size(); }
  void close() {
    flush();
    out_.close();
  }

 private:
  void flush() {
    out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    written_ += chunk_.size();
    chunk_.clear();
  }
  std::ofstream out_;
  std::string chunk_;
  std::size_t written_ = 0;
};

std::string base36(std::size_t n) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36]);
    n /= 36;
  } while (n);
  return digits;
}

struct RegistryShape {
  const char* name;
  std::function<std::string(UserReg&)> write;  // returns the game folder start-up must read
};

void registryShapes(const fs::path& folder) {
  const RegistryShape shapes[] = {
      {"value names in the game's key",
       [](UserReg& file) {
         file.add(kGameKey);
         std::size_t names = 0;
         for (; file.size() < kUserRegBytes - 64; ++names) file.add(base36(names).insert(0, 1, '"') + "\"=\"\"\n");
         file.add("\"ED_SORA2\"=\"C:\\\\Games\\\\Sora\"\n");
         std::printf("  (%zu value names)\n", names + 1);
         return std::string("C:\\Games\\Sora");
       }},
      {"emoji in the game's folder",
       [](UserReg& file) {
         file.add(kGameKey + "\"ED_SORA2\"=\"");
         for (int i = 0; i < 128 * 1024; ++i) file.add("\\xd83d\\xde00");
         file.add("\"\n");
         for (std::size_t key = 0; file.size() < kUserRegBytes - 64; ++key)
           file.add("[Software\\\\Vendor" + std::to_string(key) + "] 1\n\"Path\"=\"C:\\\\Program Files\"\n");
         return std::string();  // longer than any path: read as empty
       }},
      {"one game folder of 64 MiB",
       [](UserReg& file) {
         file.add(kGameKey + "\"ED_SORA2\"=\"");
         while (file.size() < kUserRegBytes - 64) file.add(std::string(4096, 'a'));
         file.add("\"\n");
         return std::string();
       }},
  };
  std::printf("\nReading the game's folder from a user.reg of 64 MiB, as start-up does\n");
  for (const RegistryShape& shape : shapes) {
    std::printf("  %s\n", shape.name);
    std::string expected;
    {
      UserReg file(folder / "user.reg");
      expected = shape.write(file);
      file.close();
    }
    lumivox::WineRegistry registry(folder.string());
    bench::PeakMemory memory;
    bench::trimHeap();
    memory.reset();
    const auto start = Clock::now();
    const std::string answer = lumivox::readGameFolder(registry, kDefaultFolder);
    const double ns = nsSince(start);
    const std::optional<double> peak = memory.bytes();  // not measured is not kept
    const bool right = answer == expected;
    std::printf("  %s <= %s, peak memory %.1f MB <= %.0f MB%s%s  %s\n", format(ns).c_str(), format(kStartNs).c_str(),
                peak.value_or(0) / 1e6, kStartBytes / 1e6, peak ? "" : " (not measured)", right ? "" : ", WRONG ANSWER",
                verdict(right && ns < kStartNs && peak && *peak < kStartBytes));
  }
}

}  // namespace

int main() {
  const bench::TempFolder scratch("lumivox-startup-bench-");
  const fs::path& folder = scratch.path();
  try {
    fs::create_directories(folder);
    conversions();
    longFallback(folder);
    registryShapes(folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 2;
  }
  std::printf("\n%s\n", g_missed ? "Some promises were MISSED." : "All promises met.");
  return g_missed ? 1 : 0;
}
