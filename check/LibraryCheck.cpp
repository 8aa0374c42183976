#include "check/LibraryCheck.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "check/FileFindings.h"
#include "check/TextEncoding.h"
#include "check/ValueChecks.h"
#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "dialogue/DialogueState.h"
#include "dialogue/KeyPoll.h"
#include "info/About.h"
#include "info/Contact.h"
#include "library/LookupLine.h"
#include "platform/TextCodec.h"
#include "common/Unicode.h"
#include "progress/AutoSaveSettings.h"

namespace lumivox {
namespace {

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
    if (bytes.starts_with(kUtf8Mark)) {
      findings_.add(1, 1, Severity::Error, "L012", [&] {
        return say(lang_, "文件以 UTF-8 的字节顺序标记开头：这三个字节成了第一行的开头，第一行因此读错（不再是节或键）",
                   "the file starts with a UTF-8 byte order mark: its three bytes become the start of the first "
                   "line, which is then misread (no longer a section or key)");
      });
    }
    encodings_ = lineEncodings(bytes);
    const auto utf8Lines = std::count(encodings_.begin(), encodings_.end(), LineEncoding::Utf8);
    wholeFileUtf8_ = utf8Lines > 0 && std::count(encodings_.begin(), encodings_.end(), LineEncoding::Gbk) == 0;

    std::size_t index = 0;
    forEachLine(bytes, [&](const IniLine& line, std::string_view text, std::size_t number) {
      number_ = number;
      utf8_ = encodings_[index++] == LineEncoding::Utf8;
      places_.emplace(text, number_, utf8_);
      reportLoneCrs(line);
      reportEncoding(line);
      switch (line.kind) {
        case IniLine::Kind::Section: return visitSection(line);
        case IniLine::Kind::Key: return visitKey(line);
        case IniLine::Kind::Other: return visitOther(line);
      }
    });
    reportNumbering();
  }

 private:
  enum class Where { BeforeAnySection, Role, RepeatedSection, OtherSection };

  std::string_view textOf(const IniLine& line) const { return lumivox::textOf(bytes_, line); }
  std::size_t offsetOf(std::string_view part) const { return static_cast<std::size_t>(part.data() - bytes_.data()); }
  // The place of a byte of the current line, found when it is listed.
  auto placeOf(const IniLine& line, std::size_t offset) {
    return [this, offset, begin = offsetOf(textOf(line))] { return places_->at(offset > begin ? offset - begin : 0); };
  }
  auto nameAt(const IniLine& line) { return placeOf(line, offsetOf(line.name)); }
  std::string decoded(std::string_view bytes) const { return utf8_ ? std::string(bytes) : gbkToUtf8(bytes); }

  // A CR inside a line: editors end a line there, the reader does not.
  void reportLoneCrs(const IniLine& line) {
    const std::string_view text = textOf(line);
    const std::size_t first = text.find('\r');
    if (first == std::string_view::npos) return;
    const auto count = static_cast<std::size_t>(std::count(text.begin() + first, text.end(), '\r'));
    findings_.add(placeOf(line, offsetOf(text) + first), Severity::Error, "L027", [&] {
      return say(lang_,
                 "这一行以单独的回车符（CR，旧式 Mac 的换行）结束：编辑器在这里换行，程序只认 LF，"
                 "把下一行读进这一行（共 {} 行读成了一行），它们的键永远读不到",
                 "this line ends in a lone carriage return (CR, the old Mac line end): editors break the line here, "
                 "but the program breaks lines only at LF and reads the next line into this one ({} lines read as "
                 "one), so their keys are never read",
                 {std::to_string(count + 1)});
    });
  }

  void reportEncoding(const IniLine& line) {
    const std::string_view text = textOf(line);
    if (utf8_) return reportUtf8Line(line, text);
    std::size_t count = 0, first = 0;
    GbkUnit::Kind kind = GbkUnit::Kind::Broken;
    forEachGbkFault(text, [&](std::size_t offset, const GbkUnit& unit) {
      if (count++ == 0) first = offset, kind = unit.kind;
    });
    if (count == 0) return;
    findings_.add(placeOf(line, offsetOf(text) + first), Severity::Error, "L010", [&] {
      const std::string many =
          count == 1 ? std::string() : say(lang_, "（这一行共 {} 处）", " ({} on this line)", {std::to_string(count)});
      return kind == GbkUnit::Kind::Character
                 ? say(lang_, "这是 GBK 自定义区的字{}：一般的字体里没有它，玩家看到方框或空白",
                       "a character of GBK's user-defined area{}: the usual fonts lack it, players see a box or "
                       "nothing",
                       {many})
                 : say(lang_, "这里的字节不是 GBK{}：玩家会看到乱码或缺字",
                       "this byte is not GBK{}: players see a broken or missing character", {many});
    });
  }

  void reportUtf8Line(const IniLine& line, std::string_view text) {
    const auto wide =
        std::find_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const std::size_t at = offsetOf(text) + static_cast<std::size_t>(wide - text.begin());
    if (!wholeFileUtf8_) {
      findings_.add(placeOf(line, at), Severity::Error, "L011", [&] {
        const std::string_view meant = line.kind == IniLine::Kind::Key ? line.value : text;
        const std::string shown = line.kind == IniLine::Kind::Key ? shownText(meant) : gbkToUtf8(meant);
        return say(lang_,
                   "这一行存成了 UTF-8，文件的其余部分是 GBK：玩家看到「{}」，而不是「{}」。用 --convert-utf8 转换",
                   "this line is saved as UTF-8 while the rest of the file is GBK: players see \"{}\" instead of "
                   "\"{}\"; convert it with --convert-utf8",
                   {excerpt(shown), excerpt(meant)});
      });
    } else if (!utf8Reported_) {
      utf8Reported_ = true;
      findings_.add(placeOf(line, at), Severity::Error, "L011", [&] {
        return say(lang_, "文件存成了 UTF-8：程序按 GBK 读，玩家会看到乱码。用 --convert-utf8 转成 GBK",
                   "the file is saved as UTF-8: the program reads GBK, so players see garbled text; convert it "
                   "with --convert-utf8");
      });
    }
    forEachCharacterWithoutGbk(text, [&](std::size_t offset, char32_t c) {
      findings_.add(placeOf(line, offsetOf(text) + offset), Severity::Error, "L013", [&] {
        std::size_t end = offset;
        decodeUtf8At(text, end);
        return say(lang_, "「{}」（{}）在 GBK 里没有：转换成 GBK 时无法保留",
                   "'{}' ({}) has no GBK form: it cannot be kept when converting to GBK",
                   {text.substr(offset, end - offset), codePointText(c)});
      });
    });
  }

  void visitSection(const IniLine& line) {
    const auto role = std::find_if(roles_.begin(), roles_.end(),
                                   [&](const SectionRole& r) { return equalsIgnoringAsciiCase(line.name, r.name); });
    auto name = [&] { return excerpt(decoded(line.name)); };
    if (role == roles_.end()) {
      where_ = Where::OtherSection;
      findings_.add(nameAt(line), Severity::Note, "L026",
                    [&] { return say(lang_, "程序不读 [{}] 节", "the program never reads section [{}]", {name()}); });
      return;
    }
    const auto index = static_cast<std::size_t>(role - roles_.begin());
    if (const std::size_t first = scan_.sectionLines[index]) {
      where_ = Where::RepeatedSection;
      findings_.add(nameAt(line), Severity::Error, "L020", [&] {
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
    scan_.sectionLines[index] = number_;
    where_ = Where::Role;
    role_ = &*role;
    namedKeys_.clear();
  }

  void visitKey(const IniLine& line) {
    if (where_ == Where::BeforeAnySection) {
      findings_.add(nameAt(line), Severity::Warning, "L024", [&] {
        return say(lang_, "这一行在所有节之前：程序永远读不到", "this key comes before any section: it is never read");
      });
      return;
    }
    if (where_ != Where::Role) return;
    if (role_->use == SectionUse::Values) return visitNamedKey(line);
    visitNumberedKey(line);
  }

  void visitNamedKey(const IniLine& line) {
    const auto key = std::find_if(role_->keys.begin(), role_->keys.end(),
                                  [&](std::string_view k) { return equalsIgnoringAsciiCase(line.name, k); });
    if (key == role_->keys.end()) return;
    scan_.valueLines.push_back({line.start, number_, utf8_});
    for (const auto& [seen, firstLine] : namedKeys_) {
      if (seen != *key) continue;
      reportRepeatedKey(nameAt(line), excerpt(decoded(line.name)), firstLine);
      return;
    }
    namedKeys_.emplace_back(*key, number_);
  }

  void visitNumberedKey(const IniLine& line) {
    std::int32_t value = 0;
    const KeyShape shape = shapeOf(line.name, value);
    const bool thanks = role_->use == SectionUse::Thanks;
    auto key = [&] { return excerpt(decoded(line.name)); };
    if (shape != KeyShape::LineNumber) {
      findings_.add(nameAt(line), Severity::Warning, "L025", [&] {
        return say(lang_, "键「{}」{}：程序永远不会查它", "key '{}': {}, so the program never looks it up",
                   {key(), keyShapeText(lang_, shape)});
      });
      return;
    }
    if (thanks && value <= 0) {
      findings_.add(nameAt(line), Severity::Warning, "L033", [&] {
        return say(lang_, "鸣谢从 1 号开始：{} 号永远不会显示", "thanks entries start at 1: entry {} is never shown",
                   {key()});
      });
      return;
    }
    if (value < 0) {
      findings_.add(nameAt(line), Severity::Warning, "L025", [&] {
        return say(lang_, "行号从 0 开始：{} 号只在退到 0 之前时才会显示",
                   "line numbers start at 0: line {} shows only after stepping back before line 0", {key()});
      });
      return;
    }
    if (const std::uint32_t first =
            scan_.numbered.add(static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(number_), line.start)) {
      reportRepeatedKey(nameAt(line), key(), first);
      return;
    }
    if (!utf8_)
      checkShownValue(findings_, *places_, textOf(line), line.value, line.afterEquals - offsetOf(textOf(line)),
                      thanks ? ValueUse::ThanksEntry : ValueUse::DialogueLine);
  }

  template <typename MakePlace>
  void reportRepeatedKey(MakePlace place, const std::string& key, std::size_t first) {
    findings_.add(place, Severity::Error, "L021", [&] {
      return say(lang_, "键「{}」又出现一次：程序只读第 {} 行的那个，这一行永远读不到",
                 "key '{}' is given again: the program reads only the one on line {}; this line is never read",
                 {key, std::to_string(first)});
    });
    findings_.add(first, 0, Severity::Note, "L021",
                  [&] { return say(lang_, "键「{}」第一次出现在这里", "key '{}' is first given here", {key}); });
  }

  void visitOther(const IniLine& line) {
    const std::string_view text = textOf(line);
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos || text[start] == ';' || text[start] == '#') return;  // blank, or a comment
    if (text[start] == '\r') return;                                                          // said as L027
    findings_.add(placeOf(line, offsetOf(text) + start), Severity::Warning, "L023", [&] {
      return say(lang_, "这一行既不是 [节] 也不是 键=值：程序不读它",
                 "this line is neither [section] nor key=value: the program reads nothing from it");
    });
  }

  void reportNumbering() {
    scan_.numbered.settle([&](std::uint32_t key, std::uint32_t line, std::size_t lineStart, std::uint32_t first) {
      const IniLine repeated = lineAt(bytes_, lineStart);
      places_.emplace(textOf(repeated), line, false);  // a line number is ASCII
      utf8_ = false;
      reportRepeatedKey(nameAt(repeated), std::to_string(key), first);
    });
    const auto lines =
        std::find_if(roles_.begin(), roles_.end(), [](const SectionRole& r) { return r.use != SectionUse::Values; });
    if (lines == roles_.end()) return;
    const bool thanks = lines->use == SectionUse::Thanks;
    const std::size_t sectionLine = scan_.sectionLines[static_cast<std::size_t>(lines - roles_.begin())];
    if (sectionLine && scan_.numbered.count() == 0) return reportEmptySection(*lines, sectionLine);
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

  // A numbered section without a single numbered line.
  void reportEmptySection(const SectionRole& role, std::size_t line) {
    if (role.use == SectionUse::Thanks) {
      findings_.add(line, 0, Severity::Warning, "L033", [&] {
        return say(lang_, "[{}] 节里一条鸣谢也没有：关于窗口的鸣谢处只显示邀请语",
                   "section [{}] holds no thanks entry: the About window's thanks show only the invitation",
                   {role.name});
      });
      return;
    }
    findings_.add(line, 0, Severity::Error, "L030", [&] {
      return say(lang_, "[{}] 节里一行也没有：玩家每一步都只会看到「{}」",
                 "section [{}] holds no line: players see only \"{}\" at every step",
                 {role.name, std::string_view(kEndOfDialogueText)});
    });
  }

  std::span<const SectionRole> roles_;
  FileFindings& findings_;
  Language lang_;
  LibraryScan& scan_;
  std::string_view bytes_;
  std::vector<LineEncoding> encodings_;  // of each of the reader's lines
  // UTF-8 throughout (no line of GBK text): said once, not line by line.
  bool wholeFileUtf8_ = false, utf8Reported_ = false;
  // The current line: where it starts as editors count, its places, its encoding.
  std::size_t number_ = 1;
  std::optional<LinePlaces> places_;
  bool utf8_ = false;
  Where where_ = Where::BeforeAnySection;
  const SectionRole* role_ = nullptr;
  std::vector<std::pair<std::string_view, std::size_t>> namedKeys_;  // of the current Values section
};

}  // namespace

std::span<const SectionRole> mainLibraryRoles() {
  static const std::vector<SectionRole> roles{{trackInfo(Track::Main).section, SectionUse::Lines},
                                              {"TextNumber", SectionUse::Values, {trackInfo(Track::Main).lineCountKey, trackInfo(Track::Door).lineCountKey}},
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

Place LibraryScan::placeIn(const IniLine& line, std::size_t offset) const {
  const auto it = std::lower_bound(valueLines.begin(), valueLines.end(), line.start,
                                   [](const ValueLine& v, std::size_t start) { return v.start < start; });
  if (it == valueLines.end() || it->start != line.start) return {};
  const std::string_view bytes = document->bytes(), text = textOf(bytes, line);
  const auto begin = static_cast<std::size_t>(text.data() - bytes.data());
  return LinePlaces(text, it->number, it->utf8).at(offset > begin ? offset - begin : 0);
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
