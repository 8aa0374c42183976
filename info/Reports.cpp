#include "info/Reports.h"

#include <functional>
#include <string>

#include "common/Prompter.h"
#include "dialogue/DebugMode.h"
#include "dialogue/DialogueState.h"
#include "dialogue/IndexModel.h"
#include "info/About.h"
#include "info/Contact.h"
#include "info/Letters.h"
#include "platform/Clipboard.h"

namespace lumivox {
namespace {

constexpr const char* kUserTitle = "收集用户信息";
constexpr const char* kNamePrompt = "请输入您的大名：";
constexpr const char* kNameDefault = "无名大侠";
constexpr const char* kContactPrompt = "请输入您的联系方式：（请注明是QQ/MSN/E-Mail）";
constexpr const char* kContactDefault = "来无影去无踪";

// A cancelled box answers with the empty text, used like any other answer.
std::string ask(Prompter& prompter, const char* prompt, const char* title, const char* initialText) {
  return prompter.input(prompt, title, initialText).value_or(std::string());
}

// The letter goes to the people who made the translation; a library that
// names none leaves it to whoever gave the player the translation.
std::string completionText(const IndexModel& view, const char* doneLine, const char* sendLine,
                           const char* noContactLine) {
  const LibraryContact contact = readLibraryContact(view.mainLibraryPath());
  const std::string where =
      contact.empty() ? std::string(kNoContactText) + noContactLine : sendLine + ("\n" + contactLine(contact));
  return std::string(doneLine) + "\n" + where + "\n" + "最后，感谢您的使用～希望我可以为您奉上更好的软件。";
}

// Debug mode keeps the poll and auto-save still while the user types. It is
// left on every path: a report that failed must not leave counting stopped.
void runReport(IndexModel& view, Prompter& prompter, const std::function<void()>& compose) {
  enterDebugMode(view, prompter);
  try {
    compose();
  } catch (...) {
    prompter.inform("报告失败！", "出错了", Prompter::Icon::Critical);
  }
  leaveDebugMode(view, prompter);
}

}  // namespace

void runErrorReport(const DialogueState& state, IndexModel& view, Prompter& prompter, Clipboard& clipboard) {
  runReport(view, prompter, [&] {
    ErrorReportAnswers answers;
    answers.libraryVersion =
        ask(prompter,
            "请输入您对话库的版本：(版本号位于“关于”中。更新时间、对话数任选一。可以填入『在附件中一并提交』。)",
            "错误描述", "附件中一并提交");
    answers.description = ask(prompter, "请输入您对错误发生时的描述：", "错误描述", "未知错误");
    answers.name = ask(prompter, kNamePrompt, kUserTitle, kNameDefault);
    answers.contact = ask(prompter, kContactPrompt, kUserTitle, kContactDefault);
    clipboard.clear();
    clipboard.setText(errorLetter(kProgramVersion, state.mainLineKey, answers));
    prompter.inform(completionText(view, "已经成功将错误报告贴入剪贴板！",
                                   "请按下面的联系方式发送详细的错误信息。并把安装路径下\\Data文件夹压缩后一并发送～",
                                   "请把剪贴板上的报告，连同安装路径下\\Data文件夹的压缩包，交给向您提供这份翻译的人。"),
                    "生成完毕", Prompter::Icon::Information);
  });
}

void runSuggestionReport(IndexModel& view, Prompter& prompter, Clipboard& clipboard) {
  runReport(view, prompter, [&] {
    SuggestionReportAnswers answers;
    answers.suggestion = ask(prompter, "请输入您对程序的意见或建议：", "收集建议", "十分完美");
    answers.name = ask(prompter, kNamePrompt, kUserTitle, kNameDefault);
    answers.contact = ask(prompter, kContactPrompt, kUserTitle, kContactDefault);
    clipboard.clear();
    clipboard.setText(suggestionLetter(kProgramVersion, answers));
    prompter.inform(completionText(view, "已经成功将建议报告贴入剪贴板！", "请按下面的联系方式发送详细的建议信息。",
                                   "请把剪贴板上的建议交给向您提供这份翻译的人。"),
                    "生成完毕", Prompter::Icon::Information);
  });
}

}  // namespace lumivox
