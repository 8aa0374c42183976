// The library and the hotkey file replaced by a named pipe, a link to
// /dev/zero and a folder. The real program must start and show its window at
// once, and then behave as with an unreadable file: the library's fallback
// lines, or the start-up error with Space as the key.

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

#include "qt/IndexWindow.h"
#include "dialogue/Startup.h"
#include "dialogue/KeyPoll.h"
#include "platform/X11KeyWatch.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

// A window that has not appeared by then is taken as never appearing.
constexpr int kPaintWithinMs = 1000;

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(5000)) return {};
  QElapsedTimer clock;
  clock.start();
  while (process.state() != QProcess::NotRunning && clock.elapsed() < 20000) QTest::qWait(10);
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

enum class Kind { Pipe, ZeroDevice, Folder };
const char* kindName(Kind kind) {
  return kind == Kind::Pipe ? "named pipe" : kind == Kind::ZeroDevice ? "link to /dev/zero" : "folder";
}

void makeHostile(const fs::path& path, Kind kind) {
  fs::remove(path);
  if (kind == Kind::Pipe) QVERIFY(::mkfifo(path.c_str(), 0644) == 0);
  if (kind == Kind::ZeroDevice) fs::create_symlink("/dev/zero", path);
  if (kind == Kind::Folder) fs::create_directory(path);
}

// The real program, started in a working folder of its own.
class Program {
 public:
  explicit Program(const fs::path& workDir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u("XDG_RUNTIME_DIR"), runtime_.path());  // no other copy counts as a first instance
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(QString::fromStdString(workDir.string()));
    process_.start(u(LUMIVOX_PROGRAM), {});
    process_.waitForStarted(5000);
    clock_.start();
  }
  ~Program() {
    process_.kill();
    process_.waitForFinished(2000);
  }
  qint64 sinceStart() const { return clock_.elapsed(); }
  bool running() const { return process_.state() == QProcess::Running; }

  // Titles of the program's visible windows, waiting up to `withinMs` from
  // now for one titled `title`; empty when none came.
  QString waitForWindow(const QString& title, int withinMs) {
    QElapsedTimer waited;
    waited.start();
    do {
      for (const QString& id : run(u("xdotool"), {u("search"), u("--onlyvisible"), u("--pid"),
                                                  QString::number(process_.processId())})
                                    .split(u("\n"), Qt::SkipEmptyParts))
        if (titleOf(id) == title) return id;
      QTest::qWait(20);
    } while (waited.elapsed() < withinMs);
    return {};
  }

 private:
  static QString titleOf(const QString& id) {
    const QString line = run(u("xprop"), {u("-id"), id, u("_NET_WM_NAME")});
    const qsizetype open = line.indexOf(u("\"")), close = line.lastIndexOf(u("\""));
    return open >= 0 && close > open ? line.mid(open + 1, close - open - 1) : QString();
  }

  QTemporaryDir runtime_;
  QProcess process_;
  QElapsedTimer clock_;
};

// Another program's window (standing in for the game) that takes the keyboard focus.
class GameWindow {
 public:
  GameWindow() {
    process_.start(u("xmessage"), {u("-geometry"), u("+400+300"), u("-title"), u("game"), u("the game has the focus")});
    process_.waitForStarted(5000);
    const QString id = run(u("xdotool"), {u("search"), u("--sync"), u("--name"), u("^game$")}).section(u("\n"), 0, 0);
    run(u("xdotool"), {u("windowfocus"), u("--sync"), id});
  }
  ~GameWindow() {
    process_.kill();
    process_.waitForFinished(2000);
  }

 private:
  QProcess process_;
};

}  // namespace

class HostileFilesE2E : public QObject {
  Q_OBJECT
 private slots:
  void libraryStartsAtOnceWithFallbacks_data() { kinds(); }
  void libraryStartsAtOnceWithFallbacks();
  void hotkeyFileIsAStartUpErrorAtOnce_data() { kinds(); }
  void hotkeyFileIsAStartUpErrorAtOnce();

 private:
  static void kinds() {
    QTest::addColumn<int>("kind");
    for (Kind kind : {Kind::Pipe, Kind::ZeroDevice, Kind::Folder}) QTest::newRow(kindName(kind)) << static_cast<int>(kind);
  }
  std::unique_ptr<IndexWindow> openInProcess(X11KeyWatch& keys) {
    MainServices services;
    services.prompter = &prompter_;
    services.keys = &keys;
    services.anotherInstanceRunning = [] { return false; };
    services.endProgram = [] {};
    auto window = std::make_unique<IndexWindow>(services);
    window->load();
    window->show();
    return window;
  }
  ScriptedPrompter prompter_;
};

void HostileFilesE2E::libraryStartsAtOnceWithFallbacks() {
  QFETCH(int, kind);
  TempWorkDir dir;
  makeHostile(dir.dataDir() / "Quorra.data", static_cast<Kind>(kind));

  {  // the program itself: its window within a second, and it keeps running
    Program lumivox(dir.path());
    QVERIFY2(!lumivox.waitForWindow(u("Lumivox"), kPaintWithinMs).isEmpty(), "no window within a second");
    QTest::qWait(300);
    QVERIFY(lumivox.running());
  }

  // What a press shows: the fallback line, as for a missing library.
  prompter_.boxes.clear();
  X11KeyWatch keys;
  auto window = openInProcess(keys);
  QVERIFY(QTest::qWaitForWindowExposed(window.get(), kPaintWithinMs));
  auto* lineCount = window->findChild<QTimer*>(u("Timer2"));
  QTRY_VERIFY_WITH_TIMEOUT(!lineCount->isActive(), kPaintWithinMs);  // the count's fallback "1" was read
  GameWindow game;
  run(u("xdotool"), {u("key"), u("space")});
  QTRY_COMPARE(window->controller().state().mainLineNumber, 1);
  QCOMPARE(window->findChild<QLabel*>(u("对话内容"))->text(), QString::fromUtf8(kEndOfDialogueText));
  QCOMPARE(window->findChild<QLabel*>(u("状态提示"))->text(), u("确认用户跳过对话。对话数：0"));
  QVERIFY(prompter_.boxes.empty());
}

void HostileFilesE2E::hotkeyFileIsAStartUpErrorAtOnce() {
  QFETCH(int, kind);
  TempWorkDir dir;
  makeHostile(dir.dataDir() / "HotKeys.opi", static_cast<Kind>(kind));

  {  // the program itself: the start-up error within a second, then its window
    Program lumivox(dir.path());
    const QString box = lumivox.waitForWindow(u("出错了"), kPaintWithinMs);
    QVERIFY2(!box.isEmpty(), "no start-up error box within a second");
    run(u("xdotool"), {u("windowfocus"), u("--sync"), box});
    run(u("xdotool"), {u("key"), u("Return")});
    QVERIFY2(!lumivox.waitForWindow(u("Lumivox"), 5000).isEmpty(), "no main window after the error box");
  }

  // The error is the start-up's, the rest of start-up is skipped, Space counts.
  prompter_.boxes.clear();
  X11KeyWatch keys;
  auto window = openInProcess(keys);
  QVERIFY(QTest::qWaitForWindowExposed(window.get(), kPaintWithinMs));
  QCOMPARE(prompter_.boxes.size(), size_t{1});
  QCOMPARE(QString::fromStdString(prompter_.boxes[0].title), u("出错了"));
  QCOMPARE(QString::fromStdString(prompter_.boxes[0].text), QString::fromUtf8(kStartupErrorText));
  QCOMPARE(window->findChild<QLabel*>(u("状态提示"))->text(), u("待命..."));
  QVERIFY(window->controller().state().hotkeyToken.empty());
  GameWindow game;
  run(u("xdotool"), {u("key"), u("space")});
  QTRY_COMPARE(window->controller().state().mainLineNumber, 1);
}

QTEST_MAIN(HostileFilesE2E)
#include "HostileFilesE2E.moc"
