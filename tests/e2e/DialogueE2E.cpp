#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "app/IndexWindow.h"
#include "app/QtPrompter.h"
#include "common/Paths.h"
#include "core/DataFiles.h"
#include "core/LookupLine.h"
#include "platform/X11KeyWatch.h"
#include "support/Files.h"
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

void xdotool(const QStringList& arguments) { run(u("xdotool"), arguments); }

// A real click of the left button in the middle of a widget on the screen.
void clickOn(const QWidget* widget, const QRect& area) {
  const QPoint at = widget->mapToGlobal(area.center());
  xdotool({u("mousemove"), u("--sync"), QString::number(at.x()), QString::number(at.y())});
  QTest::qWait(50);
  xdotool({u("click"), u("1")});
}
void clickOn(const QWidget* widget) { clickOn(widget, widget->rect()); }

// Another program's window (standing in for the game) that takes the keyboard focus.
class GameWindow {
 public:
  GameWindow() {
    process_.start(u("xmessage"), {u("-geometry"), u("+600+500"), u("-title"), u("game"), u("the game has the focus")});
    process_.waitForStarted(5000);
    id_ = run(u("xdotool"), {u("search"), u("--sync"), u("--name"), u("^game$")}).section(u("\n"), 0, 0);
    takeFocus();
  }
  ~GameWindow() {
    process_.kill();
    process_.waitForFinished(2000);
  }
  void takeFocus() { xdotool({u("windowfocus"), u("--sync"), id_}); }
  bool hasFocus() const { return !id_.isEmpty() && run(u("xdotool"), {u("getwindowfocus")}) == id_; }

 private:
  QProcess process_;
  QString id_;
};

// Message boxes as the user gets them, each answered with its default
// button by a click once it is on the screen; their texts are kept.
class BoxAnswerer : public QObject {
 public:
  BoxAnswerer() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible() || answering_) return;
      answering_ = true;
      texts.push_back(box->text());
      QTest::mouseClick(box->defaultButton() ? box->defaultButton() : box->buttons().first(), Qt::LeftButton);
      answering_ = false;
    });
    timer_.start();
  }
  QStringList texts;

 private:
  QTimer timer_;
  bool answering_ = false;
};

// Lumivox as the program starts it, with the real key watch and boxes.
struct Lumivox {
  Lumivox() {
    IndexWindow::Services services;
    services.prompter = &prompter;
    services.keys = &keys;
    services.anotherInstanceRunning = [] { return false; };
    services.endProgram = [] {};
    window = std::make_unique<IndexWindow>(services);
    window->load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(100);
  }
  DialogueState& state() { return window->state(); }
  QString text(const char* name) const { return window->findChild<QLabel*>(u(name))->text(); }
  QAction* action(const char* name) const { return window->findChild<QAction*>(u(name)); }

  // Chooses an item of the menu bar the way the user does.
  void chooseFromMenuBar(const char* menuName, const char* itemName) {
    auto* menu = window->findChild<QMenu*>(u(menuName));
    QMenuBar* bar = window->menuBar();
    clickOn(bar, bar->actionGeometry(menu->menuAction()));
    QTRY_VERIFY(menu->isVisible());
    clickOn(menu, menu->actionGeometry(action(itemName)));
    QTRY_VERIFY(!menu->isVisible());
  }

  X11KeyWatch keys;
  QtPrompter prompter;
  std::unique_ptr<IndexWindow> window;
};

QString line(std::string_view library, const char* section, const char* key) {
  return QString::fromStdString(LookupLine(pathInCurrentDirectory(library), section, key, "?"));
}

}  // namespace

class DialogueE2E : public QObject {
  Q_OBJECT
 private slots:
  void doorFromTheGateLabelShowsDoorLinesFromZero();
  void pressInDebugModeIsNotCountedAfterLeaving();
  void hotkeyAppliedWithEnterTakesEffectAfterRestart();
};

void DialogueE2E::doorFromTheGateLabelShowsDoorLinesFromZero() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  Lumivox lumivox;
  QVERIFY2(lumivox.keys.error().empty(), lumivox.keys.error().c_str());
  GameWindow game;
  xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 2);

  // The player releases the mouse over 记忆之门 and picks a door in the menu that opens.
  clickOn(lumivox.window->findChild<QLabel*>(u("Label8")));
  auto* gate = lumivox.window->findChild<QMenu*>(u("记忆之门"));
  QTRY_VERIFY(gate->isVisible());
  auto* stars = lumivox.window->findChild<QMenu*>(u("星之扉"));
  clickOn(gate, gate->actionGeometry(stars->menuAction()));
  QTRY_VERIFY(stars->isVisible());
  clickOn(stars, stars->actionGeometry(lumivox.action("星之扉3")));
  QTRY_COMPARE(lumivox.state().activeTrack, std::string("InDoor"));
  QTRY_VERIFY(!gate->isVisible());
  QCOMPARE(lumivox.state().doorLineNumber, 0);

  game.takeFocus();
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().doorLineNumber, 1);
  QCOMPARE(lumivox.text("对话内容"), line(kDoorLibraryFile, "Door", "0"));
  QCOMPARE(lumivox.text("状态提示"), u("确认用户跳过对话。对话数：0"));
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().doorLineNumber, 2);
  QCOMPARE(lumivox.text("对话内容"), line(kDoorLibraryFile, "Door", "1"));
  QTRY_COMPARE(lumivox.window->barMaximum(), 24.0f);  // the door stories' line count
  QCOMPARE(lumivox.text("BFB"), u("4"));              // 1 of 24

  // Back to the main story from the real menu: the question answered OK.
  lumivox.chooseFromMenuBar("对话", "主线剧情");
  QTRY_COMPARE(boxes.texts.size(), 2);
  QCOMPARE(lumivox.state().activeTrack, std::string("IndexText"));
  game.takeFocus();
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 3);
  QCOMPARE(lumivox.text("对话内容"), line(kMainLibraryFile, "Quorra", "2"));
  QCOMPARE(lumivox.state().doorLineNumber, 2);
}

void DialogueE2E::pressInDebugModeIsNotCountedAfterLeaving() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  Lumivox lumivox;
  GameWindow game;
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 1);

  lumivox.chooseFromMenuBar("对话", "Debug模式");
  QTRY_COMPARE(boxes.texts.size(), 1);
  QTRY_VERIFY(lumivox.action("退出Debug模式")->isEnabled());
  game.takeFocus();
  xdotool({u("key"), u("--delay"), u("100"), u("space"), u("space")});  // meant for something else
  QTest::qWait(300);
  QCOMPARE(lumivox.state().mainLineNumber, 1);

  lumivox.chooseFromMenuBar("对话", "退出Debug模式");
  QTRY_COMPARE(boxes.texts.size(), 2);
  QCOMPARE(boxes.texts[1], u("成功退出Debug模式。。现在重启检测按键记录和自动保存功能。"));
  QTRY_VERIFY(lumivox.action("Debug模式")->isEnabled());
  game.takeFocus();
  QTest::qWait(300);
  QCOMPARE(lumivox.state().mainLineNumber, 1);  // nothing moved on leaving
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 2);
  QTest::qWait(200);
  QCOMPARE(lumivox.state().mainLineNumber, 2);  // the next press moves one line
  QCOMPARE(lumivox.text("对话内容"), line(kMainLibraryFile, "Quorra", "1"));
}

void DialogueE2E::hotkeyAppliedWithEnterTakesEffectAfterRestart() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  {
    Lumivox lumivox;
    GameWindow game;
    lumivox.chooseFromMenuBar("程序设置", "切换按键设置");
    QWidget* setup = nullptr;
    QTRY_VERIFY((setup = lumivox.window->findChild<QWidget*>(u("HotkeysSetup"))) && setup->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(setup));
    auto* enter = setup->findChild<QRadioButton*>(u("Option2"));
    clickOn(enter, QRect(0, 0, enter->height(), enter->height()));  // on its round button
    QTRY_VERIFY(enter->isChecked());
    QPointer<QWidget> open = setup;
    clickOn(setup->findChild<QPushButton*>(u("Command1")));
    QTRY_VERIFY(!open);
    QCOMPARE(boxes.texts, QStringList{u("保存热键设置成功，重新启动软件后生效。")});
    QCOMPARE(readBytes(dir.dataDir() / "HotKeys.opi"), std::string("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n"));

    // This run keeps the key it started with.
    game.takeFocus();
    xdotool({u("key"), u("Return")});
    QTest::qWait(300);
    QCOMPARE(lumivox.state().mainLineNumber, 0);
    xdotool({u("key"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 1);
  }
  // The next start reads the new key: Enter advances, Space does not.
  Lumivox restarted;
  GameWindow game;
  xdotool({u("key"), u("space")});
  QTest::qWait(300);
  QCOMPARE(restarted.state().mainLineNumber, 0);
  xdotool({u("key"), u("Return")});
  QTRY_COMPARE(restarted.state().mainLineNumber, 1);
  QCOMPARE(restarted.text("状态提示"), u("确认用户跳过对话。对话数：0"));
  QCOMPARE(boxes.texts.size(), 1);
}

QTEST_MAIN(DialogueE2E)
#include "DialogueE2E.moc"

