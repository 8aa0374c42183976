#include <gtest/gtest.h>

#include "dialogue/DialogueState.h"
#include "info/Letters.h"
#include "info/Reports.h"
#include "support/FakeIndexModel.h"
#include "support/Files.h"
#include "support/ScriptedClipboard.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

std::vector<std::string> lines(const std::string& letter) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = letter.find("\r\n", start)) != std::string::npos; start = end + 2)
    result.push_back(letter.substr(start, end - start));
  result.push_back(letter.substr(start));
  return result;
}

}  // namespace

TEST(LettersTest, ErrorLetterLineByLine) {
  const std::string letter = errorLetter("V4", "17", {"附件中一并提交", "未知错误", "无名大侠", "来无影去无踪"});
  const std::vector<std::string> expected = {
      "Pell，您好！",
      "您的“LumivoxV4”",
      "对话库版本：附件中一并提交",
      "经我的使用，发现存在以下错误。",
      "错误位于第17句对话处。",
      "下面是我对错误的描述：",
      "我发现存在未知错误错误。希望您可以及时修正！",
      "此致",
      "如有回复，请联系我：来无影去无踪",
      "The Error massage by 无名大侠",
  };
  EXPECT_EQ(lines(letter), expected);
  EXPECT_NE(letter.substr(letter.size() - 2), "\r\n");
}

TEST(LettersTest, SuggestionLetterLineByLine) {
  const std::string letter = suggestionLetter("V4", {"十分完美", "无名大侠", "来无影去无踪"});
  const std::vector<std::string> expected = {
      "Pell，您好！", "您的“LumivoxV4”", "经我的使用，提出我的意见/建议", "下面是我对建议的描述：",
      "『十分完美』", "此致", "如有回复，请联系我：来无影去无踪", "The Ider by 无名大侠",
  };
  EXPECT_EQ(lines(letter), expected);
}

TEST(LettersTest, EmptyAndOddAnswersGoInUnchanged) {
  const std::string empty = errorLetter("V4", "", {});
  EXPECT_EQ(lines(empty)[2], "对话库版本：");
  EXPECT_EQ(lines(empty)[4], "错误位于第句对话处。");
  EXPECT_EQ(lines(empty)[9], "The Error massage by ");
  EXPECT_EQ(lines(suggestionLetter("V4", {}))[4], "『』");
  EXPECT_EQ(lines(suggestionLetter("V4", {}))[7], "The Ider by ");

  const std::string odd = suggestionLetter("V4", {"第一行\r\n第二行\n『引号』 <b>&amp;", " 名 ", "a\rb"});
  EXPECT_NE(odd.find("『第一行\r\n第二行\n『引号』 <b>&amp;』\r\n此致"), std::string::npos);
  EXPECT_NE(odd.find("如有回复，请联系我：a\rb\r\nThe Ider by  名 "), std::string::npos);
  EXPECT_EQ(joinLetterLines({}), "");
  EXPECT_EQ(joinLetterLines({"a"}), "a");
  EXPECT_EQ(joinLetterLines({"", ""}), "\r\n");
}

class ReportsTest : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};
  DialogueState state;
  FakeIndexModel view;
  ScriptedPrompter prompter;
  ScriptedClipboard clipboard;
  // Time_Chr as each box opened.
  std::vector<bool> pollingAtBox;

  void SetUp() override {
    state.activeTrack = "InDoor";
    state.mainLineKey = "41";
    state.doorLineKey = "7";
    view.timerEnabled = {{"Time_Chr", true}, {"Timer2", true}, {"Timer3", true}};
    prompter.onBox = [this](const ScriptedPrompter::Box&) { pollingAtBox.push_back(view.timerEnabled["Time_Chr"]); };
  }

  void expectDebugModeAroundTheQuestions() {
    ASSERT_GE(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes.front().text, "成功进入Debug模式。。现在中止检测按键记录和自动保存功能。");
    EXPECT_EQ(prompter.boxes.back().text, "成功退出Debug模式。。现在重启检测按键记录和自动保存功能。");
    // Polling stops once the first box is closed and stays off until the last.
    for (std::size_t i = 1; i + 1 < pollingAtBox.size(); ++i) EXPECT_FALSE(pollingAtBox[i]) << "box " << i;
    for (const char* timer : {"Time_Chr", "Timer2", "Timer3"}) EXPECT_TRUE(view.timerEnabled[timer]) << timer;
    EXPECT_TRUE(view.menuEnabled["Debug模式"]);
    EXPECT_FALSE(view.menuEnabled["退出Debug模式"]);
  }
};

TEST_F(ReportsTest, ErrorReportAsksFourQuestionsInOrder) {
  prompter.inputs = {"附件中一并提交", "未知错误", "无名大侠", "来无影去无踪"};
  view.mainPath = dir.file("Quorra.data");
  writeGbk(view.mainPath, "[Contact]\r\nWeb=https://lumivox.example/\r\nQQ=<b>10001</b>\r\nMail=译者@lumivox.example\r\n");
  runErrorReport(state, view, prompter, clipboard);

  ASSERT_EQ(prompter.boxes.size(), 7u);
  struct Question { const char* prompt; const char* title; const char* initial; };
  const Question questions[] = {
      {"请输入您对话库的版本：(版本号位于“关于”中。更新时间、对话数任选一。可以填入『在附件中一并提交』。)", "错误描述",
       "附件中一并提交"},
      {"请输入您对错误发生时的描述：", "错误描述", "未知错误"},
      {"请输入您的大名：", "收集用户信息", "无名大侠"},
      {"请输入您的联系方式：（请注明是QQ/MSN/E-Mail）", "收集用户信息", "来无影去无踪"},
  };
  for (int i = 0; i < 4; ++i) {
    const auto& box = prompter.boxes[1 + i];
    EXPECT_TRUE(box.kind == ScriptedPrompter::Box::Kind::Input);
    EXPECT_EQ(box.text, questions[i].prompt);
    EXPECT_EQ(box.title, questions[i].title);
    EXPECT_EQ(box.initialText, questions[i].initial);
  }
  EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"clear", "set"}));
  EXPECT_EQ(clipboard.text, errorLetter("V4", "41", {"附件中一并提交", "未知错误", "无名大侠", "来无影去无踪"}));

  const auto& done = prompter.boxes[5];
  EXPECT_EQ(done.title, "生成完毕");
  EXPECT_TRUE(done.icon == Prompter::Icon::Information);
  // The library's contact, in a fixed order, as written.
  EXPECT_EQ(done.text,
            "已经成功将错误报告贴入剪贴板！\n"
            "请按下面的联系方式发送详细的错误信息。并把安装路径下\\Data文件夹压缩后一并发送～\n"
            "对话库译者：E-Mail:译者@lumivox.example   QQ:<b>10001</b>   网址:https://lumivox.example/\n"
            "最后，感谢您的使用～希望我可以为您奉上更好的软件。");
  expectDebugModeAroundTheQuestions();
}

TEST_F(ReportsTest, SuggestionReportAsksThreeQuestionsInOrder) {
  prompter.inputs = {"多一点\r\n门的故事", std::nullopt, "QQ 10000"};
  runSuggestionReport(view, prompter, clipboard);

  ASSERT_EQ(prompter.boxes.size(), 6u);
  EXPECT_EQ(prompter.boxes[1].text, "请输入您对程序的意见或建议：");
  EXPECT_EQ(prompter.boxes[1].title, "收集建议");
  EXPECT_EQ(prompter.boxes[1].initialText, "十分完美");
  EXPECT_EQ(prompter.boxes[2].text, "请输入您的大名：");
  EXPECT_EQ(prompter.boxes[3].initialText, "来无影去无踪");
  EXPECT_EQ(clipboard.text, suggestionLetter("V4", {"多一点\r\n门的故事", "", "QQ 10000"}));
  // No library, so no contact: the letter goes to whoever gave the translation.
  EXPECT_EQ(prompter.boxes[4].text,
            "已经成功将建议报告贴入剪贴板！\n"
            "本对话库没有写明联系方式。请把剪贴板上的建议交给向您提供这份翻译的人。\n"
            "最后，感谢您的使用～希望我可以为您奉上更好的软件。");
  expectDebugModeAroundTheQuestions();
}

TEST_F(ReportsTest, CancelledBoxesStillGiveALetter) {
  runErrorReport(state, view, prompter, clipboard);
  const auto letter = lines(clipboard.text);
  ASSERT_EQ(letter.size(), 10u);
  EXPECT_EQ(prompter.boxes[5].text,
            "已经成功将错误报告贴入剪贴板！\n"
            "本对话库没有写明联系方式。请把剪贴板上的报告，连同安装路径下\\Data文件夹的压缩包，交给向您提供这份翻译的人。\n"
            "最后，感谢您的使用～希望我可以为您奉上更好的软件。");
  EXPECT_EQ(letter[2], "对话库版本：");
  EXPECT_EQ(letter[4], "错误位于第41句对话处。");  // the main story's key with a door story active
  EXPECT_EQ(letter[9], "The Error massage by ");
  EXPECT_EQ(prompter.boxes[5].title, "生成完毕");
}

TEST_F(ReportsTest, ClipboardRefusalReportsFailureAndLeavesDebugMode) {
  for (bool refuseClear : {true, false}) {
    SCOPED_TRACE(refuseClear ? "clear refused" : "set refused");
    prompter.boxes.clear();
    pollingAtBox.clear();
    clipboard.refuseClear = refuseClear;
    clipboard.refuseSet = !refuseClear;
    runSuggestionReport(view, prompter, clipboard);
    ASSERT_EQ(prompter.boxes.size(), 6u);
    EXPECT_EQ(prompter.boxes[4].text, "报告失败！");
    EXPECT_EQ(prompter.boxes[4].title, "出错了");
    EXPECT_TRUE(prompter.boxes[4].icon == Prompter::Icon::Critical);
    expectDebugModeAroundTheQuestions();
  }
  EXPECT_EQ(clipboard.text, "");  // cleared before the refused set
}

TEST_F(ReportsTest, StartedInDebugModeEndsWithDebugModeOff) {
  view.timerEnabled = {{"Time_Chr", false}, {"Timer2", false}, {"Timer3", false}};
  view.menuEnabled = {{"Debug模式", false}, {"退出Debug模式", true}};
  runErrorReport(state, view, prompter, clipboard);
  EXPECT_EQ(prompter.boxes.front().title, "Debug");
  expectDebugModeAroundTheQuestions();
}
