#include "check/LibraryCheck.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "check/FileFindings.h"
#include "check/TextEncoding.h"
#include "check/ValueChecks.h"
#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "dialogue/DialogueState.h"
#include "dialogue/KeyPoll.h"
#include "info/About.h"
#include "info/Contact.h"
#include "platform/TextCodec.h"
#include "platform/Utf16.h"
#include "progress/AutoSaveSettings.h"

namespace lumivox {
namespace {

// Places of broken bytes or characters looked for in one file at most.
constexpr std::size_t kPlacesSought = 1000;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";


// Why a key of a numbered section is never asked for: the program asks for
// the decimal text of its counter, "0", "1", ... (and "-1", ... after
// stepping back below 0).
enum class KeyShape { LineNumber, LeadingZero, Plus, Blank, OutOfRange, NotNumber };

KeyShape shapeOf(std::string_view key, std::int32_t& number) {
  std::string_view digits = key;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return (c >= '0' && c <= '9') || isSpaceOrTab(c); }))
    return KeyShape::NotNumber;
  if (digits.find_first_of(" \t") != std::string_view::npos) return KeyShape::Blank;
  if (key.front() == '+') return KeyShape::Plus;
  if (digits.size() > 1 && digits.front() == '0') return KeyShape::LeadingZero;
  if (key == "-0") return KeyShape::LeadingZero;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
  if (error != std::errc() || end != key.data() + key.size()) return KeyShape::OutOfRange;
  return KeyShape::LineNumber;
}

std::string keyShapeText(Language lang, KeyShape shape) {
  switch (shape) {
    case KeyShape::LeadingZero:
      return say(lang, "有多余的 0", "it has a leading zero");
    case KeyShape::Plus:
      return say(lang, "带加号", "it has a plus sign");
    case KeyShape::Blank:
      return say(lang, "中间有空格", "it has blanks inside");
    case KeyShape::OutOfRange:
      return say(lang, "超出了计数器的范围", "it is beyond the counter's range");
    default:
      return say(lang, "不是行号", "it is not a line number");
  }
}

std::string codePointText(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

class Walk {
 public:
  Walk(std::span<const SectionRole> roles, FileFindings& findings, LibraryScan& scan)
      : roles_(roles), findings_(findings), lang_(findings.language()), scan_(scan) {
    scan_.sectionLines.assign(roles.size(), 0);
  }

  void run(std::string_view bytes) {
    bytes_ = bytes;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
      findings_.add(1, 1, Severity::Error, "L012", [&] {
        return say(lang_, "文件以 UTF-16 的字节顺序标记开头：程序读不懂这种编码，请存为 GBK",
                   "the file starts with a UTF-16 byte order mark: the program cannot read UTF-16; save it as "
                   "GBK");
      });
      scan_.unreadable = true;
      return;
    }
    const bool marked = bytes.starts_with(kUtf8Mark);
    if (marked) {
      findings_.add(1, 1, Severity::Error, "L012", [&] {
        return say(lang_, "文件以 UTF-8 的字节顺序标记开头：这三个字节成了第一行的开头，第一行因此读错（不再是节或键）",
                   "the file starts with a UTF-8 byte order mark: its three bytes become the start of the first "
                   "line, which is then misread (no longer a section or key)");
      });
    }
    const std::string_view text = marked ? bytes.substr(kUtf8Mark.size()) : bytes;
    scan_.utf8 = !isAscii(text) && isUtf8(text);
    if (scan_.utf8) {
      places_ = charactersWithoutGbk(text, kPlacesSought);
      for (std::size_t& offset : places_.offsets) offset += bytes.size() - text.size();
    } else {
      places_ = nonGbkBytes(bytes, kPlacesSought);
    }

    IniLineReader reader(bytes);
    IniLine line;
    while (reader.next(line)) visit(line, reader.lineNumber());
    if (places_.stopped)
      findings_.add(0, 0, Severity::Note, scan_.utf8 ? "L013" : "L010", [&] {
        return say(lang_, "找到 {} 处后不再往下找", "stopped looking after {} of these",
                   {std::to_string(kPlacesSought)});
      });
    reportNumbering();
  }

 private:
  enum class Where { BeforeAnySection, Role, RepeatedSection, OtherSection };

  std::string_view textOf(const IniLine& line) const { return bytes_.substr(line.start, line.contentEnd - line.start); }
  std::size_t column(const IniLine& line, std::size_t offset) const {
    return columnAt(textOf(line), offset - line.start, scan_.utf8);
  }
  std::size_t offsetOf(std::string_view part) const { return static_cast<std::size_t>(part.data() - bytes_.data()); }
  // The column of a key or section name.
  std::size_t keyColumn(const IniLine& line) const { return column(line, offsetOf(line.name)); }

  void visit(const IniLine& line, std::size_t number) {
    reportEncoding(line, number);
    switch (line.kind) {
      case IniLine::Kind::Section:
        return visitSection(line, number);
      case IniLine::Kind::Key:
        return visitKey(line, number);
      case IniLine::Kind::Other:
        return visitOther(line, number);
    }
  }

  void reportEncoding(const IniLine& line, std::size_t number) {
    if (scan_.utf8 && !utf8Reported_) {
      const std::string_view text = textOf(line);
      const std::size_t skip = line.start == 0 && bytes_.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
      const auto wide = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(skip), text.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
      if (wide != text.end()) {
        utf8Reported_ = true;
        findings_.add(
            number, columnAt(text, static_cast<std::size_t>(wide - text.begin()), true), Severity::Error, "L011", [&] {
              return say(lang_, "文件存成了 UTF-8：程序按 GBK 读，玩家会看到乱码。用 --convert-utf8 转成 GBK",
                         "the file is saved as UTF-8: the program reads GBK, so players see garbled text; convert it "
                         "with --convert-utf8");
            });
      }
    }
    std::size_t first = 0, count = 0;
    for (; next_ < places_.offsets.size() && places_.offsets[next_] < line.next; ++next_) {
      const std::size_t offset = places_.offsets[next_];
      if (count++ == 0) first = offset;
      if (!scan_.utf8) continue;
      std::size_t end = offset;
      const char32_t c = decodeUtf8At(bytes_, end);
      findings_.add(number, column(line, offset), Severity::Error, "L013", [&] {
        return say(lang_, "「{}」（{}）在 GBK 里没有：转换成 GBK 时无法保留",
                   "'{}' ({}) has no GBK form: it cannot be kept when converting to GBK",
                   {bytes_.substr(offset, end - offset), codePointText(c)});
      });
    }
    if (count == 0 || scan_.utf8) return;
    findings_.add(number, column(line, first), Severity::Error, "L010", [&] {
      return count == 1 ? say(lang_, "这里的字节不是 GBK：玩家会看到乱码或缺字",
                              "this byte is not GBK: players see a broken or missing character")
                        : say(lang_, "这里的字节不是 GBK（这一行共 {} 处）：玩家会看到乱码或缺字",
                              "this byte is not GBK ({} on this line): players see broken or missing characters",
                              {std::to_string(count)});
    });
  }

  void visitSection(const IniLine& line, std::size_t number) {
    const auto role = std::find_if(roles_.begin(), roles_.end(),
                                   [&](const SectionRole& r) { return equalsIgnoringAsciiCase(line.name, r.name); });
    auto name = [&] { return excerpt(gbkOrUtf8(line.name)); };
    if (role == roles_.end()) {
      where_ = Where::OtherSection;
      findings_.add(number, keyColumn(line), Severity::Note, "L026",
                    [&] { return say(lang_, "程序不读 [{}] 节", "the program never reads section [{}]", {name()}); });
      return;
    }
    const auto index = static_cast<std::size_t>(role - roles_.begin());
    if (const std::size_t first = scan_.sectionLines[index]) {
      where_ = Where::RepeatedSection;
      findings_.add(number, keyColumn(line), Severity::Error, "L020", [&] {
        return say(lang_, "[{}] 节又出现一次：程序只读第 {} 行的那一节，这一节的内容永远读不到",
                   "section [{}] is given again: the program reads only the one on line {}; nothing in this one "
                   "is ever read",
                   {name(), std::to_string(first)});
      });
      findings_.add(first, 0, Severity::Note, "L020", [&] {
        return say(lang_, "[{}] 节第一次出现在这里", "section [{}] is first given here", {name()});
      });
      return;
    }
    scan_.sectionLines[index] = number;
    where_ = Where::Role;
    role_ = &*role;
    namedKeys_.clear();
  }

  void visitKey(const IniLine& line, std::size_t number) {
    if (where_ == Where::BeforeAnySection) {
      findings_.add(number, keyColumn(line), Severity::Warning, "L024", [&] {
        return say(lang_, "这一行在所有节之前：程序永远读不到", "this key comes before any section: it is never read");
      });
      return;
    }
    if (where_ != Where::Role) return;
    if (role_->use == SectionUse::Values) return visitNamedKey(line, number);
    visitNumberedKey(line, number);
  }

  void visitNamedKey(const IniLine& line, std::size_t number) {
    const auto key = std::find_if(role_->keys.begin(), role_->keys.end(),
                                  [&](std::string_view k) { return equalsIgnoringAsciiCase(line.name, k); });
    if (key == role_->keys.end()) return;
    scan_.valueLines.emplace_back(line.start, number);
    for (const auto& [seen, firstLine] : namedKeys_) {
      if (seen != *key) continue;
      reportRepeatedKey(line, number, firstLine);
      return;
    }
    namedKeys_.emplace_back(*key, number);
  }

  void visitNumberedKey(const IniLine& line, std::size_t number) {
    std::int32_t value = 0;
    const KeyShape shape = shapeOf(line.name, value);
    const bool thanks = role_->use == SectionUse::Thanks;
    auto key = [&] { return excerpt(gbkOrUtf8(line.name)); };
    if (shape != KeyShape::LineNumber) {
      findings_.add(number, keyColumn(line), Severity::Warning, "L025", [&] {
        return say(lang_, "键「{}」{}：程序永远不会查它", "key '{}': {}, so the program never looks it up",
                   {key(), keyShapeText(lang_, shape)});
      });
      return;
    }
    if (thanks && value <= 0) {
      findings_.add(number, keyColumn(line), Severity::Warning, "L033", [&] {
        return say(lang_, "鸣谢从 1 号开始：{} 号永远不会显示", "thanks entries start at 1: entry {} is never shown",
                   {key()});
      });
      return;
    }
    if (value < 0) {
      findings_.add(number, keyColumn(line), Severity::Warning, "L025", [&] {
        return say(lang_, "行号从 0 开始：{} 号只在退到 0 之前时才会显示",
                   "line numbers start at 0: line {} shows only after stepping back before line 0", {key()});
      });
      return;
    }
    if (const std::uint32_t first =
            scan_.numbered.add(static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(number))) {
      reportRepeatedKey(line, number, first);
      return;
    }
    if (!scan_.utf8)
      checkShownValue(findings_, number, textOf(line), line.value, line.afterEquals - line.start,
                      thanks ? ValueUse::ThanksEntry : ValueUse::DialogueLine);
  }

  void reportRepeatedKey(const IniLine& line, std::size_t number, std::size_t first) {
    auto key = [&] { return excerpt(gbkOrUtf8(line.name)); };
    findings_.add(number, keyColumn(line), Severity::Error, "L021", [&] {
      return say(lang_, "键「{}」又出现一次：程序只读第 {} 行的那个，这一行永远读不到",
                 "key '{}' is given again: the program reads only the one on line {}; this line is never read",
                 {key(), std::to_string(first)});
    });
    findings_.add(first, 0, Severity::Note, "L021",
                  [&] { return say(lang_, "键「{}」第一次出现在这里", "key '{}' is first given here", {key()}); });
  }

  void visitOther(const IniLine& line, std::size_t number) {
    const std::string_view text = textOf(line);
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos || text[start] == ';' || text[start] == '#') return;  // blank, or a comment
    findings_.add(number, columnAt(text, start, scan_.utf8), Severity::Warning, "L023", [&] {
      return say(lang_, "这一行既不是 [节] 也不是 键=值：程序不读它",
                 "this line is neither [section] nor key=value: the program reads nothing from it");
    });
  }

  void reportNumbering() {
    scan_.numbered.settle([&](std::uint32_t key, std::uint32_t line, std::uint32_t first) {
      const std::string number = std::to_string(key);
      findings_.add(line, 0, Severity::Error, "L021", [&] {
        return say(lang_, "键「{}」又出现一次：程序只读第 {} 行的那个，这一行永远读不到",
                   "key '{}' is given again: the program reads only the one on line {}; this line is never read",
                   {number, std::to_string(first)});
      });
    });
    const auto lines =
        std::find_if(roles_.begin(), roles_.end(), [](const SectionRole& r) { return r.use != SectionUse::Values; });
    if (lines == roles_.end()) return;
    const bool thanks = lines->use == SectionUse::Thanks;
    std::uint32_t expected = thanks ? 1 : 0;
    bool reported = false;
    scan_.numbered.forEach([&](std::uint32_t number, std::uint32_t line) {
      if (number != expected && !(thanks && reported)) {
        const std::string from = std::to_string(expected), to = std::to_string(number - 1);
        if (thanks) {
          findings_.add(line, 0, Severity::Warning, "L033", [&] {
            return say(lang_, "缺少 {} 号鸣谢：列表到那里就结束，从这一行起的条目永远不会显示",
                       "thanks entry {} is missing: the list ends there, and the entries from this line on are "
                       "never shown",
                       {from});
          });
          reported = true;
        } else {
          findings_.add(line, 0, Severity::Error, "L030", [&] {
            const std::string shown = kEndOfDialogueText;
            return number - 1 == expected
                       ? say(lang_, "缺少第 {} 行：玩家在那里会看到「{}」，而不是下一句",
                             "line {} is missing: players see \"{}\" there instead of the next line", {from, shown})
                       : say(lang_, "缺少第 {} 到 {} 行：玩家在那里会看到「{}」，而不是下一句",
                             "lines {} to {} are missing: players see \"{}\" there instead of the next lines",
                             {from, to, shown});
          });
        }
      }
      expected = number + 1;
    });
  }

  // Names and keys for messages: the file's own encoding, decoded.
  std::string gbkOrUtf8(std::string_view bytes) const { return scan_.utf8 ? std::string(bytes) : gbkToUtf8(bytes); }

  std::span<const SectionRole> roles_;
  FileFindings& findings_;
  Language lang_;
  LibraryScan& scan_;
  std::string_view bytes_;
  Places places_;
  std::size_t next_ = 0;  // the next of places_ to report
  bool utf8Reported_ = false;
  Where where_ = Where::BeforeAnySection;
  const SectionRole* role_ = nullptr;
  std::vector<std::pair<std::string_view, std::size_t>> namedKeys_;  // of the current Values section
};

}  // namespace

std::span<const SectionRole> mainLibraryRoles() {
  static const std::vector<SectionRole> roles{{trackInfo(Track::Main).section, SectionUse::Lines},
                                              {"TextNumber", SectionUse::Values, {"TextNumber", "TextNumberDoor"}},
                                              {"Build", SectionUse::Values, {"Build"}},
                                              {kContactSection, SectionUse::Values, {kContactMailKey, kContactQqKey, kContactWebKey}},
                                              {kIntervalSection, SectionUse::Values, {kIntervalKey}}};
  return roles;
}

std::span<const SectionRole> doorLibraryRoles() {
  static const std::vector<SectionRole> roles{{trackInfo(Track::Door).section, SectionUse::Lines}};
  return roles;
}

std::span<const SectionRole> thanksListRoles() {
  static const std::vector<SectionRole> roles{{kThanksSection, SectionUse::Thanks}};
  return roles;
}

std::size_t LibraryScan::lineNumberOf(const IniLine& line) const {
  const auto it = std::lower_bound(valueLines.begin(), valueLines.end(), std::make_pair(line.start, std::size_t{0}));
  return it != valueLines.end() && it->first == line.start ? it->second : 0;
}

LibraryScan scanLibrary(std::string bytes, std::span<const SectionRole> roles, FileFindings& findings) {
  LibraryScan scan;
  // Room in the table for a number every eight bytes: far more than any
  // real numbering needs, and never more memory than half the file.
  scan.numbered = NumberedLines(bytes.size() / 8 + 4096);
  scan.document = std::make_unique<IniDocument>(std::move(bytes));
  Walk(roles, findings, scan).run(scan.document->bytes());
  return scan;
}

}  // namespace lumivox
