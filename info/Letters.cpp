#include "info/Letters.h"

namespace lumivox {
namespace {

std::string str(std::string_view text) { return std::string(text); }

std::string programLine(std::string_view programVersion) { return "您的“Lumivox" + str(programVersion) + "”"; }

}  // namespace

std::string joinLetterLines(const std::vector<std::string>& lines) {
  std::string letter;
  for (const std::string& line : lines) {
    if (&line != &lines.front()) letter += "\r\n";
    letter += line;
  }
  return letter;
}

std::string errorLetter(std::string_view programVersion, std::string_view mainLineKey,
                        const ErrorReportAnswers& answers) {
  return joinLetterLines({
      "Pell，您好！",
      programLine(programVersion),
      "对话库版本：" + answers.libraryVersion,
      "经我的使用，发现存在以下错误。",
      "错误位于第" + str(mainLineKey) + "句对话处。",
      "下面是我对错误的描述：",
      "我发现存在" + answers.description + "错误。希望您可以及时修正！",
      "此致",
      "如有回复，请联系我：" + answers.contact,
      "The Error massage by " + answers.name,
  });
}

std::string suggestionLetter(std::string_view programVersion, const SuggestionReportAnswers& answers) {
  return joinLetterLines({
      "Pell，您好！",
      programLine(programVersion),
      "经我的使用，提出我的意见/建议",
      "下面是我对建议的描述：",
      "『" + answers.suggestion + "』",
      "此致",
      "如有回复，请联系我：" + answers.contact,
      "The Ider by " + answers.name,
  });
}

}  // namespace lumivox
