#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The answers as typed, unchanged; a cancelled box gives the empty text.
struct ErrorReportAnswers {
  std::string libraryVersion, description, name, contact;
};
struct SuggestionReportAnswers {
  std::string suggestion, name, contact;
};

// Lines joined with CR LF; the last line has no line end.
std::string joinLetterLines(const std::vector<std::string>& lines);

// The letters to the author, ready for the clipboard.
std::string errorLetter(std::string_view programVersion, std::string_view mainLineKey,
                        const ErrorReportAnswers& answers);
std::string suggestionLetter(std::string_view programVersion, const SuggestionReportAnswers& answers);

}  // namespace lumivox
