#include <QLabel>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

// Lumivox with the real key watch; boxes are recorded, none expected.
using Lumivox = DesktopLumivox<ScriptedPrompter>;

class KeyAdvanceE2E : public QObject {
  Q_OBJECT
 private slots:
  void threeSpacePressesShowLineTwo();
  void enterChosenIgnoresSpace();
  void playerKeysPauseAndStepFromTheGame();
  void combinationSentAtOnceWithCtrlAsTheDialogueKey();
};

void KeyAdvanceE2E::threeSpacePressesShowLineTwo() {
  TempWorkDir dir;
  Lumivox lumivox;
  QVERIFY2(lumivox.keys.error().empty(), lumivox.keys.error().c_str());
  auto& window = lumivox.window;
  GameWindow game;
  QVERIFY(game.hasFocus());

  xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space"), u("space")});
  QTRY_COMPARE(window->controller().state().mainLineNumber, 3);
  QTest::qWait(200);
  QCOMPARE(window->controller().state().mainLineNumber, 3);  // each press counted once

  const std::string lineTwo = LookupLine(pathInCurrentDirectory(kMainLibraryFile), "Quorra", "2", "");
  QVERIFY(!lineTwo.empty());
  QCOMPARE(window->findChild<QLabel*>(u("对话内容"))->text(), QString::fromStdString(lineTwo));
  QVERIFY(window->findChild<QLabel*>(u("状态提示"))->text().endsWith(u("2")));
  const int lines = std::stoi(LookupLine(pathInCurrentDirectory(kMainLibraryFile), "TextNumber", "TextNumber", ""));
  QCOMPARE(window->findChild<QLabel*>(u("BFB"))->text(), QString::number(qRound(200.0 / lines)));
  QVERIFY(game.hasFocus());  // nothing was grabbed or taken from the game
  QVERIFY(lumivox.prompter.boxes.empty());
}

void KeyAdvanceE2E::enterChosenIgnoresSpace() {
  TempWorkDir dir;
  writeBytes(dir.dataDir() / "HotKeys.opi", "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n");
  Lumivox lumivox;
  auto& window = lumivox.window;
  GameWindow game;

  xdotool({u("key"), u("space")});
  QTest::qWait(300);
  QCOMPARE(window->controller().state().mainLineNumber, 0);
  xdotool({u("key"), u("Return")});
  QTRY_COMPARE(window->controller().state().mainLineNumber, 1);
  QCOMPARE(window->findChild<QLabel*>(u("状态提示"))->text(), u("确认用户跳过对话。对话数：0"));
}

void KeyAdvanceE2E::playerKeysPauseAndStepFromTheGame() {
  TempWorkDir dir;
  Lumivox lumivox;
  auto& window = lumivox.window;
  GameWindow game;
  const auto& state = window->controller().state();

  xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space")});
  QTRY_COMPARE(state.mainLineNumber, 2);
  // The modifiers held over a tick or two, as a hand holds them.
  xdotool({u("keydown"), u("ctrl+alt"), u("sleep"), u("0.1"), u("key"), u("Prior"), u("sleep"), u("0.1"),
           u("keyup"), u("ctrl+alt")});
  QTRY_COMPARE(state.mainLineNumber, 1);
  QCOMPARE(window->findChild<QLabel*>(u("状态提示"))->text(), u("已成功将对话往前一个屏幕。对话数：2"));
  // A controller's button sends the whole combination at once: one step.
  xdotool({u("key"), u("--delay"), u("0"), u("ctrl+alt+Next")});
  QTRY_COMPARE(state.mainLineNumber, 2);
  QTest::qWait(200);
  QCOMPARE(state.mainLineNumber, 2);

  xdotool({u("key"), u("Pause")});
  QTRY_VERIFY(window->controller().countingPaused());
  xdotool({u("key"), u("space")});
  QTest::qWait(300);
  QCOMPARE(state.mainLineNumber, 2);
  xdotool({u("key"), u("Pause"), u("sleep"), u("0.2"), u("key"), u("space")});
  QTRY_COMPARE(state.mainLineNumber, 3);
  QVERIFY(game.hasFocus());
  QVERIFY(lumivox.prompter.boxes.empty());
}

// Its Ctrl is no dialogue press: the combination steps forward once, and
// Ctrl alone still advances.
void KeyAdvanceE2E::combinationSentAtOnceWithCtrlAsTheDialogueKey() {
  TempWorkDir dir;
  writeBytes(dir.dataDir() / "HotKeys.opi", "KXQ2M-7TRW4-HPN8V-3GZL6-YJC9B\r\n");
  Lumivox lumivox;
  GameWindow game;
  const auto& state = lumivox.window->controller().state();

  xdotool({u("key"), u("--delay"), u("0"), u("ctrl+alt+Next")});
  QTRY_COMPARE(state.mainLineNumber, 1);
  QVERIFY(lumivox.window->findChild<QLabel*>(u("状态提示"))->text().startsWith(u("已成功将对话后移一个屏幕")));
  QTest::qWait(300);
  QCOMPARE(state.mainLineNumber, 1);
  xdotool({u("key"), u("ctrl")});
  QTRY_COMPARE(state.mainLineNumber, 2);
  QCOMPARE(lumivox.window->findChild<QLabel*>(u("状态提示"))->text(), u("确认用户跳过对话。对话数：1"));
  QVERIFY(lumivox.prompter.boxes.empty());
}

QTEST_MAIN(KeyAdvanceE2E)
#include "KeyAdvanceE2E.moc"
