// The library reader and writer together, against the reference model:
//  - every section and key the file names (and the ones the input asks for)
//    reads the same through the indexed reader as through the model;
//  - writing a value, the model reads the new value back, every other entry
//    as before, and the file changed only on the entry's own line or by the
//    lines added for it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "IniModel.h"
#include "core/IniDocument.h"
#include "core/IniWriter.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& section, const std::string& key) {
  std::fprintf(stderr, "MISMATCH: %s at [%s] %s\n", what, section.c_str(), key.c_str());
  std::abort();
}

void compareReaders(const std::string& bytes, const std::vector<std::string>& sections,
                    const std::vector<std::string>& keys) {
  const lumivox::IniDocument doc(bytes);
  const model::Reader reference(bytes);
  for (const std::string& section : sections)
    for (const std::string& key : keys) {
      const auto found = doc.find(section, key);
      const auto expected = reference.find(section, key);
      if (found.has_value() != expected.has_value() || (found && std::string(*found) != *expected))
        fail("reader and model differ", section, key);
    }
}

// A name the writer can store so that it reads back as that name: no line
// break, no blank at either end, a key without '=' and not opening with '['.
bool writableName(const std::string& name, bool isKey) {
  if (name.empty() || model::blank(name.front()) || model::blank(name.back())) return false;
  if (name.find_first_of("\r\n") != std::string::npos) return false;
  if (isKey && (name.find('=') != std::string::npos || name.front() == '[')) return false;
  return true;
}

void checkWriter(const std::string& before, const std::string& section, const std::string& key,
                 const std::string& value, const std::vector<std::string>& sections,
                 const std::vector<std::string>& keys) {
  const std::string after = lumivox::withIniValue(before, section, key, value);
  const model::Reader old(before), now(after);
  const auto written = now.find(section, key);
  if (!written || *written != model::unquote(model::trim(value))) fail("written value not read back", section, key);
  for (const std::string& s : sections)
    for (const std::string& k : keys) {
      if (model::lower(s) == model::lower(section) && model::lower(k) == model::lower(key)) continue;
      if (old.find(s, k) != now.find(s, k)) fail("another entry changed", s, k);
    }
  compareReaders(after, sections, keys);

  // Only one stretch of the file changed, within one line or by whole lines
  // added: what was removed holds no line end.
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const std::string removed = before.substr(prefix, before.size() - prefix - suffix);
  if (removed.find('\n') != std::string::npos) fail("bytes beyond the entry's line changed", section, key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(12);
  const std::string key = input.ConsumeRandomLengthString(12);
  const std::string value = input.ConsumeRandomLengthString(24);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  std::vector<std::string> sections{section, "T"}, keys{key, "0", "T"};
  model::Reader(bytes).names(sections, keys);
  if (sections.size() > 12) sections.resize(12);
  if (keys.size() > 24) keys.resize(24);

  compareReaders(bytes, sections, keys);
  if (writableName(section, false) && writableName(key, true) && value.find_first_of("\r\n") == std::string::npos)
    checkWriter(bytes, section, key, value, sections, keys);
  return 0;
}
