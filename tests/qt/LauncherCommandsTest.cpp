#include <QAction>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "dialogue/Startup.h"
#include "info/GameLauncher.h"
#include "platform/TextCodec.h"
#include "support/IndexHarness.h"

using namespace lumivox;

namespace {

// A main window whose game folder and program start are scripted.
struct Harness : IndexHarness {
  IndexWindow& open(bool withStarter = true) { return IndexHarness::open({.registry = true, .programs = withStarter}); }
  QAction* launchItem() const { return action("启动游戏"); }
};

std::string gbkWithNul(const char* utf8) { return utf8ToGbk(utf8) + '\0'; }

}  // namespace

class LauncherCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void startupReadsTheGameFolder();
  void launchItemStartsTheGameFromTheFolderRead();
  void launchThatCannotStartShowsTheMessage();
};

void LauncherCommandsTest::startupReadsTheGameFolder() {
  {
    Harness h;
    h.registry.keys[kGameFolderKey] = {{kGameFolderValue, {kRegSz, gbkWithNul("D:\\游戏 目录")}}};
    QCOMPARE(h.open().controller().state().gamePath, std::string("D:\\游戏 目录"));
    QVERIFY(h.prompter.boxes.empty());
  }
  {
    Harness h;  // no key: the default folder
    QCOMPARE(h.open().controller().state().gamePath, std::string(kDefaultGameFolder));
  }
  {
    Harness h;  // the key without the value: empty
    h.registry.keys[kGameFolderKey] = {{"Other", {kRegSz, gbkWithNul("x")}}};
    QCOMPARE(h.open().controller().state().gamePath, std::string());
    QCOMPARE(h.registry.opened, h.registry.closed);
  }
}

void LauncherCommandsTest::launchItemStartsTheGameFromTheFolderRead() {
  Harness h;
  h.registry.keys[kGameFolderKey] = {{kGameFolderValue, {kRegSz, gbkWithNul("D:\\游戏 目录")}}};
  h.open();
  QAction* item = h.launchItem();
  QVERIFY(item->isEnabled());  // no longer waiting for its feature
  QCOMPARE(item->shortcut(), QKeySequence(u("Ctrl+O")));
  item->trigger();
  const std::vector<std::pair<std::string, std::string>> starts{{"D:\\游戏 目录\\ED6_WIN2.exe", "D:\\游戏 目录"}};
  QCOMPARE(h.starter.starts, starts);
  QVERIFY(h.prompter.boxes.empty());

  h.window->controller().setCommandEnabled(lumivox::CommandId::LaunchGame, false);
  h.window->controller().setCommandEnabled(lumivox::CommandId::LaunchGame, true);
  QVERIFY(item->isEnabled());
}

void LauncherCommandsTest::launchThatCannotStartShowsTheMessage() {
  for (const bool withStarter : {true, false}) {
    Harness h;
    h.starter.succeeds = false;
    h.open(withStarter);
    h.launchItem()->trigger();
    QCOMPARE(h.prompter.boxes.size(), std::size_t{1});
    QCOMPARE(h.prompter.boxes[0].text, std::string(kLaunchFailedText));
    QCOMPARE(h.prompter.boxes[0].title, std::string("出错了"));
    QVERIFY(h.prompter.boxes[0].icon == Prompter::Icon::Critical);
  }
}

QTEST_MAIN(LauncherCommandsTest)
#include "LauncherCommandsTest.moc"
