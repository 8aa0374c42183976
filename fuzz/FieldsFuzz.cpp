// The comma/line field reader of the hotkey and progress files against a
// reference model written as a plain character loop.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/FieldReader.h"

namespace {

bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

std::vector<std::string> modelFields(std::string_view s) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::string field;
    if (i < s.size() && s[i] == '"') {
      ++i;
      while (i < s.size() && s[i] != '"') field += s[i++];  // a quoted field runs to its closing quote
      if (i < s.size()) ++i;
      while (i < s.size() && !endsField(s[i])) ++i;  // what follows the quote is dropped
    } else {
      while (i < s.size() && !endsField(s[i])) field += s[i++];
    }
    fields.push_back(field);
    if (i < s.size()) {
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      ++i;
    }
  }
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = lumivox::splitFields(content);
  const std::vector<std::string> expected = modelFields(content);
  if (fields != expected) {
    std::fprintf(stderr, "MISMATCH: %zu fields, model %zu\n", fields.size(), expected.size());
    std::abort();
  }
  if (lumivox::lastField(content) != (expected.empty() ? std::string() : expected.back())) std::abort();
  return 0;
}
