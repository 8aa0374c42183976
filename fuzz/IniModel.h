#pragma once
// A small reference reader of initialisation files, written for clarity, not
// speed: split into lines, classify each, answer by walking them. The fuzz
// targets hold the real reader and writer against it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

inline bool blank(char c) { return c == ' ' || c == '\t'; }

inline std::string trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

inline std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

inline std::string unquote(const std::string& s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) return s.substr(1, s.size() - 2);
  return s;
}

struct Line {
  enum Kind { Section, Key, Other } kind = Other;
  std::string name, value;
};

// Lines end at LF; a CR just before it belongs to the line end, and so does a
// CR that is the file's very last byte.
inline std::vector<std::string> splitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    std::string line(bytes.substr(start, (lf == std::string_view::npos ? bytes.size() : lf) - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return lines;
}

inline Line classify(const std::string& raw) {
  Line line;
  const std::string text = trim(raw);
  if (!text.empty() && text[0] == '[') {
    const std::size_t close = text.rfind(']');
    if (close != std::string::npos) {
      line.kind = Line::Section;
      line.name = trim(std::string_view(text).substr(1, close - 1));
      return line;
    }
  }
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos) return line;
  line.name = trim(std::string_view(text).substr(0, eq));
  if (line.name.empty()) return line;
  line.kind = Line::Key;
  line.value = unquote(trim(std::string_view(text).substr(eq + 1)));
  return line;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) {
    for (const std::string& raw : splitLines(bytes)) lines_.push_back(classify(raw));
  }

  std::optional<std::string> find(std::string_view section, std::string_view key) const {
    const std::string s = lower(section), k = lower(key);
    bool inFirst = false;
    for (const Line& line : lines_) {
      if (line.kind == Line::Section) {
        if (inFirst) return std::nullopt;  // the first occurrence ended without the key
        inFirst = lower(line.name) == s;
        continue;
      }
      if (inFirst && line.kind == Line::Key && lower(line.name) == k) return line.value;
    }
    return std::nullopt;
  }

  // Every section and key name the file mentions.
  void names(std::vector<std::string>& sections, std::vector<std::string>& keys) const {
    for (const Line& line : lines_) {
      if (line.kind == Line::Section) sections.push_back(line.name);
      if (line.kind == Line::Key) keys.push_back(line.name);
    }
  }

 private:
  std::vector<Line> lines_;
};

}  // namespace model
