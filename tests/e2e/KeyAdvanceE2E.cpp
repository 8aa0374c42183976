#include <QLabel>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "app/IndexWindow.h"
#include "common/Paths.h"
#include "core/DataFiles.h"
#include "core/LookupLine.h"
#include "platform/X11KeyWatch.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

// Runs a command to its end while the event loop keeps going, so the key
// poll goes on ticking; returns its standard output.
QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(5000)) return {};
  QElapsedTimer clock;
  clock.start();
  while (process.state() != QProcess::NotRunning && clock.elapsed() < 20000) QTest::qWait(10);
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Another program's window (standing in for the game) that takes the keyboard focus.
class GameWindow {
 public:
  GameWindow() {
    process_.start(u("xmessage"), {u("-geometry"), u("+400+300"), u("-title"), u("game"), u("the game has the focus")});
    process_.waitForStarted(5000);
    id_ = run(u("xdotool"), {u("search"), u("--sync"), u("--name"), u("^game$")}).section(u("\n"), 0, 0);
    run(u("xdotool"), {u("windowfocus"), u("--sync"), id_});
  }
  ~GameWindow() {
    process_.kill();
    process_.waitForFinished(2000);
  }
  bool hasFocus() const { return !id_.isEmpty() && run(u("xdotool"), {u("getwindowfocus")}) == id_; }

 private:
  QProcess process_;
  QString id_;
};

}  // namespace

class KeyAdvanceE2E : public QObject {
  Q_OBJECT
 private slots:
  void threeSpacePressesShowLineTwo();
  void enterChosenIgnoresSpace();

 private:
  std::unique_ptr<IndexWindow> openLumivox(X11KeyWatch& keys) {
    IndexWindow::Services services;
    services.prompter = &prompter_;
    services.keys = &keys;
    services.anotherInstanceRunning = [] { return false; };
    services.endProgram = [] {};
    auto window = std::make_unique<IndexWindow>(services);
    window->load();
    window->show();
    QTest::qWait(100);
    return window;
  }
  ScriptedPrompter prompter_;
};

void KeyAdvanceE2E::threeSpacePressesShowLineTwo() {
  TempWorkDir dir;
  X11KeyWatch keys;
  QVERIFY2(keys.error().empty(), keys.error().c_str());
  auto window = openLumivox(keys);
  GameWindow game;
  QVERIFY(game.hasFocus());

  run(u("xdotool"), {u("key"), u("--delay"), u("150"), u("space"), u("space"), u("space")});
  QTRY_COMPARE(window->state().mainLineNumber, 3);
  QTest::qWait(200);
  QCOMPARE(window->state().mainLineNumber, 3);  // each press counted once

  const std::string lineTwo = LookupLine(pathInCurrentDirectory(kMainLibraryFile), "Quorra", "2", "");
  QVERIFY(!lineTwo.empty());
  QCOMPARE(window->findChild<QLabel*>(u("对话内容"))->text(), QString::fromStdString(lineTwo));
  QVERIFY(window->findChild<QLabel*>(u("状态提示"))->text().endsWith(u("2")));
  const int lines = std::stoi(LookupLine(pathInCurrentDirectory(kMainLibraryFile), "TextNumber", "TextNumber", ""));
  QCOMPARE(window->findChild<QLabel*>(u("BFB"))->text(), QString::number(qRound(200.0 / lines)));
  QVERIFY(game.hasFocus());  // nothing was grabbed or taken from the game
  QVERIFY(prompter_.boxes.empty());
}

void KeyAdvanceE2E::enterChosenIgnoresSpace() {
  TempWorkDir dir;
  writeBytes(dir.dataDir() / "HotKeys.opi", "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n");
  X11KeyWatch keys;
  auto window = openLumivox(keys);
  GameWindow game;

  run(u("xdotool"), {u("key"), u("space")});
  QTest::qWait(300);
  QCOMPARE(window->state().mainLineNumber, 0);
  run(u("xdotool"), {u("key"), u("Return")});
  QTRY_COMPARE(window->state().mainLineNumber, 1);
  QCOMPARE(window->findChild<QLabel*>(u("状态提示"))->text(), u("确认用户跳过对话。对话数：0"));
}

QTEST_MAIN(KeyAdvanceE2E)
#include "KeyAdvanceE2E.moc"
