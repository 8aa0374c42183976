#include <QApplication>
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

QString mainLine(int number) {
  return u(LookupLine(pathInCurrentDirectory(kMainLibraryFile), "Quorra", std::to_string(number), "<none>"));
}

}  // namespace

class LinesWindowE2E : public QObject {
  Q_OBJECT
 private slots:
  void openFromTheMenuAndAClickOnALineResyncs();
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

QTEST_MAIN(LinesWindowE2E)
#include "LinesWindowE2E.moc"
