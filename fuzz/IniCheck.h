#pragma once
// The checks of the library reader and writer against the reference model,
// shared by the fuzz target and by the unit test that replays its seeds (and
// findings) in every build, Windows included.
//
// An input is "section NUL key NUL value NUL file bytes"; missing parts are
// empty. What it checks:
//  - every section and key the file names (and the ones the input asks for)
//    reads the same through the indexed reader as through the model;
//  - writing the value, the model reads the new value back, every other entry
//    as before, and the file changed only on the entry's own line or by the
//    lines added for it.

#include <string>
#include <string_view>
#include <vector>

#include "IniModel.h"
#include "library/IniDocument.h"
#include "library/IniWriter.h"

namespace inicheck {

inline std::string describe(const char* what, const std::string& section, const std::string& key) {
  return std::string(what) + " at [" + section + "] " + key;
}

inline std::string compareReaders(const std::string& bytes, const std::vector<std::string>& sections,
                                  const std::vector<std::string>& keys) {
  const lumivox::IniDocument doc(bytes);
  const model::Reader reference(bytes);
  for (const std::string& section : sections)
    for (const std::string& key : keys) {
      const auto found = doc.find(section, key);
      const auto expected = reference.find(section, key);
      if (found.has_value() != expected.has_value() || (found && std::string(*found) != *expected))
        return describe("reader and model differ", section, key);
    }
  return {};
}

// A name the writer can store so that it reads back as that name: no line
// break, no blank at either end, a key without '=' and not opening with '['.
inline bool writableName(const std::string& name, bool isKey) {
  if (name.empty() || model::blank(name.front()) || model::blank(name.back())) return false;
  if (name.find_first_of("\r\n") != std::string::npos) return false;
  if (isKey && (name.find('=') != std::string::npos || name.front() == '[')) return false;
  return true;
}

inline std::string checkWriter(const std::string& before, const std::string& section, const std::string& key,
                               const std::string& value, const std::vector<std::string>& sections,
                               const std::vector<std::string>& keys) {
  const std::string after = lumivox::withIniValue(before, section, key, value);
  const model::Reader old(before), now(after);
  const auto written = now.find(section, key);
  if (!written || *written != model::unquote(model::trim(value)))
    return describe("written value not read back", section, key);
  for (const std::string& s : sections)
    for (const std::string& k : keys) {
      if (model::lower(s) == model::lower(section) && model::lower(k) == model::lower(key)) continue;
      if (old.find(s, k) != now.find(s, k)) return describe("another entry changed", s, k);
    }
  if (std::string failed = compareReaders(after, sections, keys); !failed.empty()) return "after writing: " + failed;

  // Only one stretch of the file changed, within one line or by whole lines
  // added: what was removed holds no line end.
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  if (before.substr(prefix, before.size() - prefix - suffix).find('\n') != std::string::npos)
    return describe("bytes beyond the entry's line changed", section, key);
  return {};
}

// Empty when the input passes every check; otherwise what failed.
inline std::string check(std::string_view input) {
  std::string parts[3];
  for (std::string& part : parts) {
    const std::size_t end = input.find('\0');
    part = std::string(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  const std::string& section = parts[0];
  const std::string& key = parts[1];
  const std::string& value = parts[2];
  const std::string bytes(input);

  std::vector<std::string> sections{section, "T"}, keys{key, "0", "T"};
  model::Reader(bytes).names(sections, keys);
  if (sections.size() > 12) sections.resize(12);
  if (keys.size() > 24) keys.resize(24);

  if (std::string failed = compareReaders(bytes, sections, keys); !failed.empty()) return failed;
  if (writableName(section, false) && writableName(key, true) && value.find_first_of("\r\n") == std::string::npos)
    return checkWriter(bytes, section, key, value, sections, keys);
  return {};
}

}  // namespace inicheck
