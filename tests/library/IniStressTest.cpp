// Libraries of 100 MB in hostile shapes: the reader must answer right while
// its process may hold at most 1.5 times the file's size beyond what it had
// before, also while a changed file is read again. Each case runs in a child
// process under that limit on its address space. Times are the benchmark's
// business (bench/lumivox_bench_lookup); here a generous guard only catches
// a reader that never finishes.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>
#include <functional>
#include <string>

#include "library/LookupLine.h"
#include "support/InChild.h"
#include "support/TempWorkDir.h"

#if defined(__SANITIZE_ADDRESS__)
#define LUMIVOX_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMIVOX_UNDER_ASAN 1
#endif
#endif

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kFileBytes = 100u * 1024 * 1024;
constexpr std::size_t kProgramSlack = 16u * 1024 * 1024;  // stacks, the allocator's own pages

// Writes a file piece by piece: the test's own memory must not count.
std::size_t writeShape(const fs::path& path, const std::function<bool(std::string&)>& more) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string chunk;
  std::size_t total = 0;
  bool going = true;
  while (going) {
    chunk.clear();
    while (going && chunk.size() < (1 << 20)) going = more(chunk);
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    total += chunk.size();
  }
  return total;
}

long long statusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::string(field).size()));
  return -1;
}

// Runs the lookups in a child whose address space may grow by 1.5 times the
// file's size at most; 0 when every check passed.
int underMemoryLimit(std::size_t fileBytes, const std::function<int()>& lookups) {
  return inChild(std::chrono::seconds(120), [&] {
    const long long before = statusKiB("VmSize:");
    if (before < 0) return 90;
    const rlim_t limit = static_cast<rlim_t>(before) * 1024 + fileBytes * 3 / 2 + kProgramSlack;
    const rlimit cap{limit, limit};
    if (::setrlimit(RLIMIT_AS, &cap) != 0) return 91;
    const long long residentBefore = statusKiB("VmRSS:");
    if (const int failed = lookups()) return failed;
    const long long peak = statusKiB("VmHWM:");
    if (peak < 0 || (peak - residentBefore) * 1024 > static_cast<long long>(fileBytes * 3 / 2 + kProgramSlack))
      return 92;
    return 0;
  });
}

// A file of one section "[Quorra]" whose lines lineFor(0), lineFor(1), ...
// fill about kFileBytes; gives its size, and the count of lines in `lines`.
std::size_t writeQuorraLines(const fs::path& path, const std::function<std::string(std::size_t)>& lineFor,
                             std::size_t& lines) {
  std::size_t written = 0;
  lines = 0;
  return writeShape(path, [&](std::string& out) {
    if (lines == 0) out += "[Quorra]\r\n";
    const std::string line = lineFor(lines++);
    out += line;
    written += line.size();
    return written < kFileBytes;
  });
}

void appendTo(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

class HugeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef LUMIVOX_UNDER_ASAN
    GTEST_SKIP() << "the address sanitizer reserves far more address space than any limit allows";
#endif
  }
  TempWorkDir dir{TempWorkDir::Data::None};
  fs::path file = dir.path() / "Quorra.data";
  std::string path = file.string();
};

}  // namespace

TEST_F(HugeLibrary, OneLineSections) {
  std::size_t n = 0, written = 0;
  const std::size_t size = writeShape(file, [&](std::string& out) {
    const std::string line = "[" + std::to_string(n++) + "]\r\n";
    out += line;
    written += line.size();
    if (written < kFileBytes) return true;
    out += "[Quorra]\r\n0=first\r\n1=second\r\n";
    return false;
  });
  const int code = underMemoryLimit(size, [&] {
    if (lumivox::LookupLine(path, "TextNumber", "TextNumber", "1") != "1") return 1;
    if (lumivox::LookupLine(path, "Quorra", "0", "end") != "first") return 2;
    if (lumivox::LookupLine(path, "12345", "x", "none") != "none") return 3;
    for (int press = 0; press < 3; ++press)
      if (lumivox::LookupLine(path, "Quorra", "1", "end") != "second") return 4;
    // Changed on disk: read again, with the old copy gone first.
    appendTo(file, "2=third\r\n");
    if (lumivox::LookupLine(path, "Quorra", "2", "end") != "third") return 5;
    if (lumivox::LookupLine(path, "Quorra", "0", "end") != "first") return 6;
    return 0;
  });
  EXPECT_EQ(code, 0) << (code == 92 ? "peak memory above the bound" : code == -1 ? "did not finish" : "");
}

TEST_F(HugeLibrary, DistinctKeys) {
  std::size_t keys = 0;
  const std::size_t size = writeQuorraLines(
      file, [](std::size_t n) { return "key" + std::to_string(n * 7919) + "=value " + std::to_string(n) + "\r\n"; },
      keys);
  const int code = underMemoryLimit(size, [&] {
    if (lumivox::LookupLine(path, "Quorra", "0", "end") != "end") return 1;  // a press past every line
    for (std::size_t i : {std::size_t{0}, keys / 3, keys - 1})
      if (lumivox::LookupLine(path, "Quorra", "KEY" + std::to_string(i * 7919), "none") != "value " + std::to_string(i))
        return 2;
    if (lumivox::LookupLine(path, "Quorra", "key1", "none") != "none") return 3;
    appendTo(file, "0=zero\r\nkey0=later\r\n");
    if (lumivox::LookupLine(path, "Quorra", "0", "end") != "zero") return 4;
    if (lumivox::LookupLine(path, "Quorra", "key0", "none") != "value 0") return 5;
    return 0;
  });
  EXPECT_EQ(code, 0) << (code == 92 ? "peak memory above the bound" : code == -1 ? "did not finish" : "");
}

TEST_F(HugeLibrary, ShortOtherKeys) {
  // Keys of a few bytes, some ten million of them, each of which the index
  // lists.
  std::size_t keys = 0;
  const std::size_t size = writeQuorraLines(
      file, [](std::size_t n) { return "k" + std::to_string(n) + "=" + (n % 1000 == 999 ? "v" : "") + "\r\n"; },
      keys);
  const int code = underMemoryLimit(size, [&] {
    if (lumivox::LookupLine(path, "Quorra", "K999", "none") != "v") return 1;
    if (lumivox::LookupLine(path, "Quorra", "k" + std::to_string(keys - 1), "none") != "") return 2;
    if (lumivox::LookupLine(path, "Quorra", "k" + std::to_string(keys), "none") != "none") return 3;
    return 0;
  });
  EXPECT_EQ(code, 0) << (code == 92 ? "peak memory above the bound" : code == -1 ? "did not finish" : "");
}
