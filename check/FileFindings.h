#pragma once
#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "check/CheckReport.h"
#include "common/Excerpt.h"  // the findings quote the files with it

namespace lumivox {

// The findings of one file as the checks add them. A file full of one fault
// (a binary file, a library saved in the wrong encoding) would bury the rest:
// each code lists its first few and counts the others.
class FileFindings {
 public:
  FileFindings(std::string file, Language language) : file_(std::move(file)), language_(language) {}

  const std::string& file() const { return file_; }
  Language language() const { return language_; }

  void add(std::size_t line, std::size_t column, Severity severity, std::string_view code, std::string message) {
    add(line, column, severity, code, [&] { return std::move(message); });
  }
  // The same, with the message made only when it is listed: a file can hold
  // millions of one fault.
  template <typename MakeMessage>
  requires std::invocable<MakeMessage&>
  void add(std::size_t line, std::size_t column, Severity severity, std::string_view code, MakeMessage&& message) {
    add([&] { return Place{line, column}; }, severity, code, message);
  }
  // The same with the place found only when it is listed too: a column
  // counts the characters before it, and a line can be 100 MB long.
  template <typename MakePlace, typename MakeMessage>
  requires std::invocable<MakePlace&> && std::invocable<MakeMessage&>
  void add(MakePlace&& place, Severity severity, std::string_view code, MakeMessage&& message) {
    if (!count(severity, code)) return;
    const Place at = place();
    listed_.push_back({file_, at.line, at.column, severity, std::string(code), message()});
  }

  // Appends the listed findings, a note for each code whose list was cut
  // short, and the counts.
  void moveInto(CheckReport& report);

 private:
  // Counts the finding; whether it is still to be listed.
  bool count(Severity severity, std::string_view code);

  std::string file_;
  Language language_;
  std::vector<Finding> listed_;
  std::map<std::string, std::size_t, std::less<>> perCode_;
  std::size_t errors_ = 0, warnings_ = 0, notes_ = 0;
};

// The message in the report's language: "{}" in the pattern takes the
// arguments in turn.
std::string say(Language language, std::string_view chinese, std::string_view english,
                std::initializer_list<std::string_view> arguments = {});

}  // namespace lumivox
