#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include "app/LinesView.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "dialogue/DialogueLines.h"
#include "library/LookupLine.h"
#include "qt/IndexWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

namespace {

constexpr QPoint kGameAt(20, 620);

QWidget* linesWindow() {
  QWidget* found = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == u(kLinesWindowName) && top->isVisible()) {
      if (found) return nullptr;  // one at a time
      found = top;
    }
  return found;
}

// The lines key, its modifiers held across a poll as a player holds them.
void pressLinesKey() {
  xdotool({u("keydown"), u("ctrl+alt"), u("sleep"), u("0.1"), u("key"), u("Home"), u("sleep"), u("0.1"), u("keyup"),
           u("ctrl+alt")});
}

QString mainLine(int number) {
  return u(LookupLine(pathInCurrentDirectory(kMainLibraryFile), "Quorra", std::to_string(number), "<none>"));
}

}  // namespace

class LinesWindowE2E : public QObject {
  Q_OBJECT
 private slots:
  void openFromTheMenuAndAClickOnALineResyncs();
  void theLinesKeyLeavesTheFocusInTheGame();
};

void LinesWindowE2E::openFromTheMenuAndAClickOnALineResyncs() {
  TempWorkDir dir;
  DesktopLumivox<ScriptedPrompter> lumivox;
  QVERIFY2(lumivox.keys.error().empty(), lumivox.keys.error().c_str());
  QVERIFY(lumivox.exposed);
  {
    GameWindow game(kGameAt);
    xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 3);
  }

  focusWindow(QString::number(lumivox.window->winId()));
  QTRY_VERIFY(lumivox.window->isActiveWindow());
  lumivox.chooseFromMenuBar("对话", "对话列表");
  QWidget* lines = nullptr;
  QTRY_VERIFY((lines = linesWindow()) != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(lines));
  auto* list = lines->findChild<QListView*>(u(kLinesListName));
  QCOMPARE(list->currentIndex().row(), 2);
  QVERIFY(list->currentIndex().data().toString().startsWith(u(kLineMark)));
  // The lines around the one shown are in view.
  for (int row : {0, 12}) QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0))));
  if (const QByteArray folder = qgetenv("LUMIVOX_SHOT_DIR"); !folder.isEmpty())
    lines->screen()->grabWindow(0).save(QString::fromLocal8Bit(folder) + u("/lines-window-qt.png"));

  // Asked again, the one window comes forward.
  focusWindow(QString::number(lumivox.window->winId()));
  QTRY_VERIFY(lumivox.window->isActiveWindow());
  lumivox.chooseFromMenuBar("对话", "对话列表");
  QTRY_VERIFY(lines->isActiveWindow());
  QCOMPARE(linesWindow(), lines);

  clickOn(list->viewport(), list->visualRect(list->model()->index(7, 0)));
  QTRY_COMPARE(lumivox.state().mainLineNumber, 8);
  QCOMPARE(lumivox.state().mainLineKey, std::string("7"));
  QCOMPARE(lumivox.text("对话内容"), mainLine(7));
  QCOMPARE(lumivox.text("状态提示"), u(kChosenLineStatus) + u("7"));
  QVERIFY(list->model()->index(7, 0).data().toString().startsWith(u(kLineMark)));

  // Back in the game, the next press shows the line after it, and the list follows.
  GameWindow game(kGameAt);
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.text("对话内容"), mainLine(8));
  QTRY_COMPARE(list->currentIndex().row(), 8);
  QVERIFY(lumivox.prompter.boxes.empty());

  // Esc in the window, once it has the focus back from the game.
  QPointer<QWidget> closing = lines;
  focusWindow(QString::number(lines->winId()));
  QTRY_VERIFY(lines->isActiveWindow());
  QTest::keyClick(list, Qt::Key_Escape);
  QTRY_VERIFY(!closing);
}

// The lines key pressed in the game, with no window manager and under
// openbox: the window opens and the game keeps the focus, so its next press
// counts; pressed again, the key gives the window the focus, in 查找 with its
// text selected; Esc closes it and the game has the focus again.
void LinesWindowE2E::theLinesKeyLeavesTheFocusInTheGame() {
  for (const bool underOpenbox : {false, true}) {
    QProcess windowManager;
    if (underOpenbox) {
      windowManager.start(u("openbox"), {u("--sm-disable")});
      QVERIFY2(windowManager.waitForStarted(5000), "openbox is needed: ./scripts/install-packages.sh base");
      QTRY_VERIFY(run(u("xprop"), {u("-root"), u("_NET_SUPPORTING_WM_CHECK")}).contains(u("window id")));
    }
    TempWorkDir dir;
    DesktopLumivox<ScriptedPrompter> lumivox;
    QVERIFY(lumivox.exposed);
    GameWindow game(kGameAt);
    xdotool({u("key"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 1);

    pressLinesKey();
    QWidget* lines = nullptr;
    QTRY_VERIFY((lines = linesWindow()) != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(lines));
    QTest::qWait(300);
    QVERIFY(game.hasFocus());
    QVERIFY(!lines->frameGeometry().intersects(lumivox.window->frameGeometry()));
    xdotool({u("key"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 2);
    auto* list = lines->findChild<QListView*>(u(kLinesListName));
    QTRY_COMPARE(list->currentIndex().row(), 1);

    auto* find = lines->findChild<QLineEdit*>(u(kFindTextName));
    find->setText(u("主线"));
    pressLinesKey();
    QTRY_VERIFY(lines->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), find);
    QCOMPARE(find->selectedText(), u("主线"));

    QPointer<QWidget> closing = lines;
    xdotool({u("key"), u("Escape")});
    QTRY_VERIFY(!closing);
    QTRY_VERIFY(game.hasFocus());
    QTest::qWait(100);
    xdotool({u("key"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 3);
    QVERIFY(lumivox.prompter.boxes.empty());
    if (underOpenbox) {
      windowManager.terminate();
      windowManager.waitForFinished(5000);
    }
  }
}

QTEST_MAIN(LinesWindowE2E)
#include "LinesWindowE2E.moc"
