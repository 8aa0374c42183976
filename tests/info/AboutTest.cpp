#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

#include "info/About.h"
#include "info/AboutView.h"
#include "info/Contact.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

constexpr const char* kLoading = "请稍后，鸣谢列表正在载入...";

struct FakeAboutView final : AboutView {
  // The labels by their names in the window's table.
  std::map<std::string, std::string, std::less<>> labels{{"Label4", "\?\?\?\?-\?\?-\?\?日更新"},
                                                         {"Label6", "????"},
                                                         {"Doortextnumber", "????"},
                                                         {"Label11", ""},
                                                         {"SThanks", kLoading}};
  std::string &build = labels["Label4"], &mainCount = labels["Label6"], &doorCount = labels["Doortextnumber"],
              &contact = labels["Label11"], &thanks = labels["SThanks"], unknown;

  std::string& label(std::string_view control) {
    const auto found = labels.find(control);
    if (found != labels.end()) return found->second;
    ADD_FAILURE() << "no label " << control;
    return unknown;
  }
  void setControlText(std::string_view control, const std::string& text) override {
    EXPECT_NE(control, "Label11");  // addresses
    label(control) = text;
  }
  void setAddressText(std::string_view control, const std::string& text) override {
    EXPECT_EQ(control, "Label11");
    label(control) = text;
  }
  std::string controlText(std::string_view control) const override { return labels.find(control)->second; }
};

}  // namespace

class AboutTest : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};
  FakeAboutView view;
  ScriptedPrompter prompter;

  void SetUp() override { std::filesystem::create_directory(dir.dataDir()); }

  void writeThanks(const std::string& utf8) { writeGbk(dir.dataDir() / "SpecialThanks.ED63rd", utf8); }

  // The window's two timers over `seconds`: ThanksTimer every 5 s, CThanksList
  // every 10 s, in the given order when both are due. The caption after each
  // 5 s step.
  std::vector<std::string> rotate(int seconds, bool listTimerFirst) {
    ThanksRotation rotation = loadAbout("", view, prompter);
    std::vector<std::string> shown;
    for (int t = 5; t <= seconds; t += 5) {
      const bool listDue = t % 10 == 0;
      if (listDue && listTimerFirst) thanksListTick(rotation, view);
      thanksTick(rotation, view, prompter);
      if (listDue && !listTimerFirst) thanksListTick(rotation, view);
      shown.push_back(view.thanks);
    }
    return shown;
  }

  // The captions with each run of equal neighbours kept once.
  static std::vector<std::string> sequence(const std::vector<std::string>& shown) {
    std::vector<std::string> result;
    for (const auto& caption : shown)
      if (result.empty() || result.back() != caption) result.push_back(caption);
    return result;
  }
};

TEST_F(AboutTest, LibraryValuesAndTheirDefaults) {
  const std::string library = (dir.dataDir() / "Quorra.data").string();
  writeGbk(library, "[Build]\r\nBuild=2030-01-02日更新\r\n[TextNumber]\r\nTextNumber=<b>48</b>\r\nTextNumberDoor=24\r\n"
                    "[contact]\r\nmail=<b>译者@lumivox.example</b>\r\nQQ=\r\nWeb= https://lumivox.example/ \r\n");
  loadAbout(library, view, prompter);
  EXPECT_EQ(view.build, "2030-01-02日更新");
  EXPECT_EQ(view.mainCount, "<b>48</b>");  // shown as text, never parsed
  EXPECT_EQ(view.doorCount, "24");
  // Only the entries the library gives, as it writes them.
  EXPECT_EQ(view.contact,
            "对话库译者：\nE-Mail:\n<b>译者@lumivox.example</b>\n网址:\nhttps://lumivox.example/\n"
            "© Lumivox\n开发组\n欢迎转载分发。");

  const std::string noContact =
      "本对话库没有写明联系方式。\n“发送报告”会把信放进剪贴板，请把它交给向您提供这份翻译的人。\n"
      "© Lumivox\n开发组\n欢迎转载分发。";
  writeGbk(library, "[Quorra]\r\n0=x\r\n[Contact]\r\nMail=\r\nQQ=\"\"\r\n");
  loadAbout(library, view, prompter);
  EXPECT_EQ(view.build, "未知版本");
  EXPECT_EQ(view.mainCount, "未知大小");
  EXPECT_EQ(view.doorCount, "未知大小");
  EXPECT_EQ(view.contact, noContact);

  std::filesystem::remove(library);
  const ThanksRotation rotation = loadAbout(library, view, prompter);
  EXPECT_EQ(view.build, "未知版本");
  EXPECT_EQ(view.contact, noContact);
  EXPECT_EQ(rotation.filePath, dir.path().string() + "/Data/SpecialThanks.ED63rd");
  EXPECT_EQ(rotation.index, 0);
  EXPECT_EQ(rotation.key, "0");
  EXPECT_TRUE(prompter.boxes.empty());
}

#ifndef _WIN32
TEST_F(AboutTest, LoadFailureShowsItsMessageAndKeepsTheCaptions) {
  // A current folder that has been deleted has no path.
  const auto gone = dir.path() / "gone";
  std::filesystem::create_directory(gone);
  std::filesystem::current_path(gone);
  std::filesystem::remove(gone);
  loadAbout("", view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kAboutLoadErrorText);
  EXPECT_EQ(prompter.boxes[0].title, "出错了");
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
  EXPECT_EQ(view.build, "\?\?\?\?-\?\?-\?\?日更新");
}
#endif

TEST_F(AboutTest, ThreeEntriesRotateWithEntryOneOnlyInTheFirstPass) {
  writeThanks("[ThanksForYou]\r\n1=甲\r\n2=乙\r\n3=丙\r\n");
  for (bool listFirst : {false, true}) {
    SCOPED_TRACE(listFirst ? "list timer first" : "thanks timer first");
    const auto shown = rotate(90, listFirst);
    const std::vector<std::string> expected = {"甲", "乙", "丙", kThanksInvitationText, "乙", "丙",
                                               kThanksInvitationText, "乙", "丙", kThanksInvitationText};
    const auto seen = sequence(shown);
    ASSERT_GE(seen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + expected.size()), expected);
    EXPECT_EQ(shown[0], "甲");  // 5 s after the load
    // The invitation stays between 5 and 15 seconds.
    for (std::size_t i = 0; i < shown.size();) {
      std::size_t run = 1;
      while (i + run < shown.size() && shown[i + run] == shown[i]) ++run;
      if (shown[i] == kThanksInvitationText && i + run < shown.size()) {
        EXPECT_LE(run, 3u);
      }
      i += run;
    }
  }
}

TEST_F(AboutTest, AGapEndsTheList) {
  writeThanks("[ThanksForYou]\r\n1=甲\r\n2=乙\r\n4=丁\r\n");
  for (bool listFirst : {false, true}) {
    SCOPED_TRACE(listFirst ? "list timer first" : "thanks timer first");
    const auto seen = sequence(rotate(60, listFirst));
    const std::vector<std::string> expected = {"甲", "乙", kThanksInvitationText, "乙", kThanksInvitationText, "乙"};
    ASSERT_GE(seen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + expected.size()), expected);
    for (const auto& caption : seen) EXPECT_NE(caption, "丁");
  }
}

TEST_F(AboutTest, EntryEqualToTheInvitationRestartsTheList) {
  writeThanks(std::string("[ThanksForYou]\r\n1=甲\r\n2=") + kThanksInvitationText + "\r\n3=丙\r\n");
  for (bool listFirst : {false, true}) {
    SCOPED_TRACE(listFirst ? "list timer first" : "thanks timer first");
    const auto shown = rotate(60, listFirst);
    EXPECT_EQ(shown[0], "甲");
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i], kThanksInvitationText) << i;
  }
}

TEST_F(AboutTest, MissingEmptyOrBinaryFileShowsTheInvitation) {
  std::string binary;
  for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 37) % 256);
  for (const char* name : {"missing", "empty", "binary"}) {
    SCOPED_TRACE(name);
    if (std::string(name) == "empty") writeBytes(dir.dataDir() / "SpecialThanks.ED63rd", "");
    if (std::string(name) == "binary") writeBytes(dir.dataDir() / "SpecialThanks.ED63rd", binary);
    for (const auto& caption : rotate(30, false)) EXPECT_EQ(caption, kThanksInvitationText);
  }
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(AboutTest, EntriesAreShownAsWrittenUpTo255Bytes) {
  writeThanks("[ThanksForYou]\r\n1=<i>感谢</i> & \"朋友\"\r\n2=" + std::string(200, 'a') + "长长长\r\n");
  ThanksRotation rotation = loadAbout("", view, prompter);
  thanksTick(rotation, view, prompter);
  EXPECT_EQ(view.thanks, "<i>感谢</i> & \"朋友\"");
  EXPECT_EQ(rotation.key, "1");
  thanksTick(rotation, view, prompter);
  EXPECT_EQ(view.thanks, std::string(200, 'a') + "长长长");
}

TEST_F(AboutTest, AFailingTickReportsAndTheNextTickRunsAgain) {
  writeThanks("[ThanksForYou]\r\n1=甲\r\n");
  ThanksRotation rotation = loadAbout("", view, prompter);
  rotation.index = std::numeric_limits<std::int32_t>::max();
  thanksTick(rotation, view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kThanksErrorText);
  EXPECT_EQ(prompter.boxes[0].title, "出错了");
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
  EXPECT_EQ(view.thanks, kLoading);

  // A tick that comes while the box is still open adds no second box.
  prompter.onBox = [&](const ScriptedPrompter::Box&) { thanksTick(rotation, view, prompter); };
  thanksTick(rotation, view, prompter);
  EXPECT_EQ(prompter.boxes.size(), 2u);

  view.thanks = kThanksInvitationText;
  thanksListTick(rotation, view);
  prompter.onBox = nullptr;
  thanksTick(rotation, view, prompter);
  EXPECT_EQ(view.thanks, kThanksInvitationText);  // entry 2 is missing
  EXPECT_EQ(rotation.key, "2");
}
