// Progress kept across runs, the way a player does it: presses while the game
// has the focus, Ctrl+S in Lumivox, Lumivox closed and started again, Ctrl+L.
// Each run of Lumivox is a process of its own (this program started with
// --instance), which reports what its window shows on its standard output.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QtTest>
#include <cstdio>

#include "qt/IndexWindow.h"
#include "common/Paths.h"
#include "common/Prompter.h"
#include "dialogue/DataFiles.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

namespace {

void report(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// Boxes are reported instead of shown; every question is answered Yes / OK.
class ReportingPrompter final : public Prompter {
 public:
  void inform(const std::string& text, const std::string& title, Icon) override { report("BOX\t" + title + "\t" + text); }
  bool ask(const std::string& text, const std::string& title, Buttons, Icon) override {
    report("ASK\t" + title + "\t" + text);
    return true;
  }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override { return {}; }
};

// One run of Lumivox: the main window with the real key watch, reporting the
// main counter, the status line and the dialogue line whenever they change.
int runInstance(int argc, char** argv) {
  QApplication app(argc, argv);
  DesktopLumivox<ReportingPrompter> lumivox([] { QCoreApplication::exit(0); });
  if (!lumivox.keys.error().empty()) {
    report("ERROR\t" + lumivox.keys.error());
    return 1;
  }
  IndexWindow& window = *lumivox.window;

  std::string last;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const std::string now = "STATE\t" + std::to_string(window.controller().state().mainLineNumber) + "\t" +
                            window.findChild<QLabel*>(u("状态提示"))->text().toStdString() + "\t" +
                            window.findChild<QLabel*>(u("对话内容"))->text().toStdString();
    if (now != last) report(last = now);
  });
  watch.start(10);
  return QApplication::exec();
}

void keys(const QStringList& names) { xdotool(QStringList{u("key"), u("--delay"), u("150")} + names); }

// A run of Lumivox in the current directory, as its reports tell it.
class Lumivox {
 public:
  Lumivox() {
    process_.start(QCoreApplication::applicationFilePath(), {u("--instance")});
    process_.waitForStarted(5000);
  }
  ~Lumivox() {
    if (process_.state() != QProcess::NotRunning) process_.kill();
    process_.waitForFinished(2000);
  }
  void focus() { focusWindow(windowNamed("^Lumivox$")); }

  // Waits for a report line that starts with the given fields; true when one came.
  bool waitFor(const QStringList& fields, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    do {
      read();
      for (const QString& line : lines_)
        if (line.split(u("\t")).mid(0, fields.size()) == fields) return true;
      QTest::qWait(20);
    } while (clock.elapsed() < timeoutMs);
    return false;
  }
  QStringList state() {
    read();
    for (auto it = lines_.crbegin(); it != lines_.crend(); ++it)
      if (it->startsWith(u("STATE\t"))) return it->split(u("\t"));
    return {};
  }
  // True when the run ended by itself, without a crash.
  bool endedNormally(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (process_.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) QTest::qWait(20);
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
  }
  QString output() {
    read();
    return lines_.join(u("\n"));
  }

 private:
  void read() {
    buffer_ += process_.readAllStandardOutput();
    while (true) {
      const auto end = buffer_.indexOf('\n');
      if (end < 0) break;
      lines_ << QString::fromUtf8(buffer_.left(end));
      buffer_.remove(0, end + 1);
    }
  }
  QProcess process_;
  QByteArray buffer_;
  QStringList lines_;
};

QString mainLine(int number) {
  return QString::fromStdString(
      LookupLine(pathInCurrentDirectory(kMainLibraryFile), "Quorra", std::to_string(number), "<none>"));
}

}  // namespace

class ProgressE2E : public QObject {
  Q_OBJECT
 private slots:
  void savedLineComesBackInTheNextRun();
};

void ProgressE2E::savedLineComesBackInTheNextRun() {
  TempWorkDir dir;
  GameWindow game;
  {
    Lumivox first;
    QVERIFY2(first.waitFor({u("STATE"), u("0")}), qPrintable(first.output()));
    game.takeFocus();
    keys({u("space"), u("space"), u("space"), u("space")});
    QVERIFY2(first.waitFor({u("STATE"), u("4"), u("确认用户跳过对话。对话数：3"), mainLine(3)}), qPrintable(first.output()));

    first.focus();
    keys({u("ctrl+s")});
    QVERIFY2(first.waitFor({u("BOX"), u("恭喜"), u("保存当前进度成功～")}), qPrintable(first.output()));
    QVERIFY(first.waitFor({u("STATE"), u("4"), u("保存成功！")}));
    QCOMPARE(readBytes(dir.dataDir() / "Save.sav"), std::string("3\r\n"));

    keys({u("Delete")});  // 退出, answered Yes
    QVERIFY(first.waitFor({u("ASK"), u("退出确认")}));
    QVERIFY(first.endedNormally(10000));
  }

  Lumivox second;
  QVERIFY2(second.waitFor({u("STATE"), u("0")}), qPrintable(second.output()));
  // The load items of a track wait for its first advance in the run.
  game.takeFocus();
  keys({u("space")});
  QVERIFY2(second.waitFor({u("STATE"), u("1"), u("确认用户跳过对话。对话数：0")}), qPrintable(second.output()));
  second.focus();
  keys({u("ctrl+l")});
  QVERIFY2(second.waitFor({u("STATE"), u("3"), u("读取成功，请按您设置的键进入待命状态。[默认空格]"), mainLine(3)}),
           qPrintable(second.output()));

  game.takeFocus();
  keys({u("space")});
  QVERIFY2(second.waitFor({u("STATE"), u("4"), u("确认用户跳过对话。对话数：3"), mainLine(3)}), qPrintable(second.output()));
  keys({u("space")});
  QVERIFY2(second.waitFor({u("STATE"), u("5"), u("确认用户跳过对话。对话数：4"), mainLine(4)}), qPrintable(second.output()));
  QVERIFY(!second.output().contains(u("BOX")));
}

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--instance") return runInstance(argc, argv);
  QCoreApplication app(argc, argv);
  ProgressE2E test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProgressE2E.moc"
