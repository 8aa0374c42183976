#include "check/FileFindings.h"

#include "platform/Utf16.h"

namespace lumivox {
namespace {

constexpr std::size_t kListedPerCode = 50;
constexpr std::size_t kExcerptCharacters = 40;

}  // namespace

bool FileFindings::count(Severity severity, std::string_view code) {
  (severity == Severity::Error ? errors_ : severity == Severity::Warning ? warnings_ : notes_) += 1;
  auto it = perCode_.find(code);
  if (it == perCode_.end()) it = perCode_.emplace(std::string(code), 0).first;
  return it->second++ < kListedPerCode;
}

void FileFindings::moveInto(CheckReport& report) {
  for (Finding& finding : listed_) report.findings.push_back(std::move(finding));
  for (const auto& [code, count] : perCode_) {
    if (count <= kListedPerCode) continue;
    const std::string more = std::to_string(count - kListedPerCode);
    report.findings.push_back({file_, 0, 0, Severity::Note, code,
                               say(language_, "另有 {} 处同类问题未列出", "{} more of these not listed", {more})});
  }
  report.errors += errors_;
  report.warnings += warnings_;
  report.notes += notes_;
  listed_.clear();
  perCode_.clear();
  errors_ = warnings_ = notes_ = 0;
}

std::string say(Language language, std::string_view chinese, std::string_view english,
                std::initializer_list<std::string_view> arguments) {
  const std::string_view pattern = language == Language::Chinese ? chinese : english;
  std::string out;
  auto argument = arguments.begin();
  for (std::size_t at = 0; at < pattern.size();) {
    if (pattern.compare(at, 2, "{}") == 0 && argument != arguments.end()) {
      out += *argument++;
      at += 2;
    } else {
      out += pattern[at++];
    }
  }
  return out;
}

std::string excerpt(std::string_view utf8) {
  std::string out;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    if (characters++ == kExcerptCharacters) {
      out += "…";
      break;
    }
    const std::size_t start = at;
    const char32_t c = decodeUtf8At(utf8, at);
    if (c < 0x20 || c == 0x7F) {
      static const char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else if (c == 0xFFFD && at - start == 1) {
      out += "\xEF\xBF\xBD";  // a broken byte stays visible as one
    } else {
      out.append(utf8.substr(start, at - start));
    }
  }
  return out;
}

}  // namespace lumivox
