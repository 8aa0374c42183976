#pragma once
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/TextCodec.h"

// Small file helpers for tests; contents are raw bytes.
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes UTF-8 text as GBK, the way libraries are stored.
inline void writeGbk(const std::filesystem::path& path, const std::string& utf8) {
  writeBytes(path, lumivox::utf8ToGbk(utf8));
}
