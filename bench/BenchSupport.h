#pragma once
// What the benchmarks share: generated GBK libraries written piece by piece,
// and the process's peak memory.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/ProcessMemory.h"

namespace bench {

namespace fs = std::filesystem;

inline std::uint64_t mix(std::uint64_t x) {  // splitmix64 finaliser
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Dialogue line `number` of library version `version`, in GBK: a speaker of
// two characters, "：「", sixteen characters, "」" - twenty characters, 40
// bytes. The characters come from the first level of GB2312 (lead bytes
// B0..D6, trail bytes A1..FE), all of which are valid GBK.
inline void appendLine(std::string& out, int version, std::uint64_t number) {
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

inline void appendNumber(std::string& out, std::uint64_t n) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
  out.append(buffer, end);
}

// Writes a file piece by piece, so the benchmark never holds a whole library
// itself (its memory would count as the reader's).
class FileWriter {
 public:
  explicit FileWriter(const fs::path& path) : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
    chunk_.reserve(kChunk + 4096);
  }
  std::string& chunk() { return chunk_; }
  std::uintmax_t size() const { return written_ + chunk_.size(); }
  std::uintmax_t lines() const { return lines_; }
  void flushIfFull() {
    if (chunk_.size() >= kChunk) flush();
  }
  std::uintmax_t close() {
    flush();
    out_.close();
    if (!out_) throw std::runtime_error("cannot write " + path_.string());
    return written_;
  }

 private:
  static constexpr std::size_t kChunk = 1 << 20;
  void flush() {
    out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    written_ += chunk_.size();
    lines_ += static_cast<std::uintmax_t>(std::count(chunk_.begin(), chunk_.end(), '\n'));
    chunk_.clear();
  }
  fs::path path_;
  std::ofstream out_;
  std::string chunk_;
  std::uintmax_t written_ = 0, lines_ = 0;
};

inline std::uintmax_t writeLibrary(const fs::path& path, std::size_t lines, int version) {
  FileWriter file(path);
  std::string& out = file.chunk();
  out += "[Quorra]\r\n";
  for (std::size_t i = 0; i < lines; ++i) {
    appendNumber(out, i);
    out += '=';
    appendLine(out, version, i);
    out += "\r\n";
    file.flushIfFull();
  }
  out += "\r\n[TextNumber]\r\nTextNumber=";
  appendNumber(out, lines);
  out += "\r\nTextNumberDoor=0\r\n";
  return file.close();
}

inline std::string utf8Path(const fs::path& path) {
  const auto u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

// Peak resident memory since the last reset, in bytes. Linux resets the
// peak on request; elsewhere it is the peak of the whole run.
class PeakMemory {
 public:
  void reset() { lumivox::resetPeakMemory(); }
  std::optional<double> bytes() const { return lumivox::peakMemoryBytes(); }
};

// A fresh folder below the system's temporary folder, removed with all it
// holds at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix)
      : path_(fs::temp_directory_path() /
              (prefix + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))) {}
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// What was let go does not count in the next peak.
inline void trimHeap() { lumivox::releaseFreedMemory(); }

}  // namespace bench
