#include "check/FileFindings.h"

#include "common/Unicode.h"

namespace lumivox {
namespace {

constexpr std::size_t kListedPerCode = 50;

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


}  // namespace lumivox
